#include <openssl/evp.h>

#include "formats/sha1.h"

namespace formats {

namespace {

// OpenSSL 3 looks the implementation up on every init unless it is fetched once.
const EVP_MD* method() {
#if OPENSSL_VERSION_NUMBER >= 0x30000000L
    static EVP_MD* const fetched = EVP_MD_fetch(nullptr, "SHA1", nullptr);
    return fetched;
#else
    return EVP_sha1();
#endif
}

}  // namespace

struct Sha1::Impl {
    std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX*)> context{EVP_MD_CTX_new(), &EVP_MD_CTX_free};
    bool failed = false;
};

Sha1::Sha1() : d(std::make_unique<Impl>()) {
    d->failed = !d->context || !method() || !EVP_DigestInit_ex(d->context.get(), method(), nullptr);
}

Sha1::~Sha1() = default;

void Sha1::add(const void* data, size_t size) {
    if (!d->failed && size > 0) {
        d->failed = !EVP_DigestUpdate(d->context.get(), data, size);
    }
}

bool Sha1::finish(unsigned char (&digest)[20]) {
    unsigned int length = 0;
    const bool done = !d->failed && EVP_DigestFinal_ex(d->context.get(), digest, &length) &&
                      length == sizeof(digest);
    d->failed = true;
    return done;
}

}  // namespace formats

// clang-format off
#include <windows.h>
#include <bcrypt.h>
// clang-format on

#include <algorithm>

#include "formats/sha1.h"

namespace formats {

namespace {

// Opening the provider costs more than hashing a small INF: it is opened once per process.
class Provider {
public:
    Provider() {
        if (!BCRYPT_SUCCESS(
                ::BCryptOpenAlgorithmProvider(&handle_, BCRYPT_SHA1_ALGORITHM, nullptr, 0))) {
            handle_ = nullptr;
        }
    }
    ~Provider() {
        if (handle_) {
            ::BCryptCloseAlgorithmProvider(handle_, 0);
        }
    }
    Provider(const Provider&) = delete;
    Provider& operator=(const Provider&) = delete;
    BCRYPT_ALG_HANDLE get() const { return handle_; }

private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
};

BCRYPT_ALG_HANDLE provider() {
    static const Provider shared;
    return shared.get();
}

}  // namespace

struct Sha1::Impl {
    BCRYPT_HASH_HANDLE hash = nullptr;
    bool failed = false;

    ~Impl() {
        if (hash) {
            ::BCryptDestroyHash(hash);
        }
    }
};

Sha1::Sha1() : d(std::make_unique<Impl>()) {
    const BCRYPT_ALG_HANDLE algorithm = provider();
    d->failed = !algorithm ||
                !BCRYPT_SUCCESS(::BCryptCreateHash(algorithm, &d->hash, nullptr, 0, nullptr, 0, 0));
    if (d->failed) {
        d->hash = nullptr;
    }
}

Sha1::~Sha1() = default;

void Sha1::add(const void* data, size_t size) {
    auto* bytes = static_cast<UCHAR*>(const_cast<void*>(data));
    while (!d->failed && size > 0) {
        const ULONG chunk = static_cast<ULONG>(std::min<size_t>(size, 1u << 30));
        d->failed = !BCRYPT_SUCCESS(::BCryptHashData(d->hash, bytes, chunk, 0));
        bytes += chunk;
        size -= chunk;
    }
}

bool Sha1::finish(unsigned char (&digest)[20]) {
    const bool done =
        !d->failed && BCRYPT_SUCCESS(::BCryptFinishHash(d->hash, digest, sizeof(digest), 0));
    d->failed = true;
    return done;
}

}  // namespace formats

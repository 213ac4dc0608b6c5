#include "tokensigner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>
#include <nlohmann/json.hpp>

#include "datafile.h"

namespace Service {

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

std::string hmacSha256(const std::string& key, const std::string& data) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()),
         reinterpret_cast<const unsigned char*>(data.data()), data.size(), digest, &length);
    return std::string(reinterpret_cast<const char*>(digest), length);
}

bool readWhole(int fd, std::string& data, std::size_t limit) {
    char buffer[256];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            return true;
        }
        data.append(buffer, static_cast<std::size_t>(n));
        if (data.size() > limit) {
            return false;
        }
    }
}

bool writeWhole(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool TokenSigner::open(const std::string& path, std::string& error) {
    bool missing = false;
    std::string openError;
    const int existing = DataFile::open(path, O_RDONLY, openError, &missing);
    if (existing >= 0) {
        std::string data;
        const bool ok = readWhole(existing, data, kSecretSize * 4);
        ::close(existing);
        if (!ok || data.size() != kSecretSize) {
            // A damaged key is left for the operator to inspect: replacing it silently would
            // also invalidate every token issued before.
            error = path + " is damaged (expected " + std::to_string(kSecretSize) +
                    " bytes); move it away to create a new secret";
            return false;
        }
        secret_ = data;
        return true;
    }
    if (!missing) {
        error = openError;
        return false;
    }

    unsigned char random[kSecretSize];
    if (RAND_bytes(random, sizeof random) != 1) {
        error = "no random bytes for the token secret";
        return false;
    }
    const std::string secret(reinterpret_cast<const char*>(random), sizeof random);
    const std::string temporary = path + ".tmp";
    ::unlink(temporary.c_str());
    const int fd = DataFile::open(temporary, O_WRONLY | O_CREAT | O_EXCL, error);
    if (fd < 0) {
        return false;
    }
    const bool written = writeWhole(fd, secret) && ::fsync(fd) == 0;
    ::close(fd);
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    secret_ = secret;
    return true;
}

bool TokenSigner::openKeyFile(const std::string& path, std::string& error) {
    // Followed through links (secret mounts are links); never blocks on a FIFO.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = "the token key file " + path + " cannot be read: " + std::strerror(errno);
        return false;
    }
    struct stat info {};
    std::string data;
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    const bool read = regular && readWhole(fd, data, kMaxKeyFileSize);
    ::close(fd);
    if (!regular) {
        error = "the token key file " + path + " is not a regular file";
        return false;
    }
    if ((info.st_mode & (S_IRWXO | S_IWGRP)) != 0) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
        error = "the token key file " + path + " is open to other users (mode " + mode +
                "); chmod 600 it";
        return false;
    }
    if (!read) {
        error = "the token key file " + path + " cannot be read or holds more than " +
                std::to_string(kMaxKeyFileSize) + " bytes";
        return false;
    }
    if (!data.empty() && data.back() == '\n') {
        data.pop_back();
        if (!data.empty() && data.back() == '\r') {
            data.pop_back();
        }
    }
    if (data.size() < kSecretSize) {
        error = "the token key file " + path + " holds " + std::to_string(data.size()) +
                " bytes; a token key needs at least " + std::to_string(kSecretSize);
        return false;
    }
    secret_ = data;
    return true;
}

std::string TokenSigner::issue(const std::string& subject, std::int64_t issuedAt,
                               std::int64_t ttl) const {
    unsigned char nonce[12];
    RAND_bytes(nonce, sizeof nonce);
    const nlohmann::json header = {{"alg", "HS256"}, {"typ", "JWT"}};
    const nlohmann::json payload = {
        {"sub", subject},
        {"iat", issuedAt},
        {"exp", issuedAt + ttl},
        {"jti", base64UrlEncode(std::string(reinterpret_cast<const char*>(nonce), sizeof nonce))}};
    const auto replace = nlohmann::json::error_handler_t::replace;
    return sign(secret_, header.dump(-1, ' ', false, replace),
                payload.dump(-1, ' ', false, replace));
}

std::string TokenSigner::sign(const std::string& secret, const std::string& header,
                              const std::string& payload) {
    const std::string input = base64UrlEncode(header) + "." + base64UrlEncode(payload);
    return input + "." + base64UrlEncode(hmacSha256(secret, input));
}

TokenSigner::Verdict TokenSigner::verify(const std::string& token, std::int64_t now,
                                         Claims* claims) const {
    if (token.empty()) {
        return Verdict::Missing;
    }
    if (token.size() > kMaxTokenSize) {
        return Verdict::Malformed;
    }
    Claims found;
    bool known = false;
    {
        std::shared_lock<std::shared_mutex> lock(verifiedMutex_);
        const auto it = verified_.find(token);
        if (it != verified_.end()) {
            found = it->second;
            known = true;
        }
    }
    if (!known) {
        const Verdict verdict = verifyAfresh(token, now, found);
        if (verdict != Verdict::Valid) {
            return verdict;
        }
        std::unique_lock<std::shared_mutex> lock(verifiedMutex_);
        if (verified_.size() >= kMaxVerified) {
            verified_.clear();
        }
        verified_.emplace(token, found);
    }
    if (now > found.expiresAt) {
        return Verdict::Expired;
    }
    if (claims != nullptr) {
        *claims = found;
    }
    return Verdict::Valid;
}

TokenSigner::Verdict TokenSigner::verifyAfresh(const std::string& token, std::int64_t now,
                                               Claims& claims) const {
    const std::size_t first = token.find('.');
    const std::size_t second = first == std::string::npos ? first : token.find('.', first + 1);
    if (second == std::string::npos || token.find('.', second + 1) != std::string::npos) {
        return Verdict::Malformed;
    }
    std::string header;
    std::string payload;
    std::string signature;
    if (!base64UrlDecode(token.substr(0, first), header) ||
        !base64UrlDecode(token.substr(first + 1, second - first - 1), payload) ||
        !base64UrlDecode(token.substr(second + 1), signature)) {
        return Verdict::Malformed;
    }
    const auto headerJson = nlohmann::json::parse(header, nullptr, false);
    if (!headerJson.is_object()) {
        return Verdict::Malformed;
    }
    // Only the algorithm this service issues is accepted, so "none" or a swapped
    // algorithm cannot pass with a forged signature.
    const auto alg = headerJson.find("alg");
    if (alg == headerJson.end() || !alg->is_string() || alg->get<std::string>() != "HS256") {
        return Verdict::BadSignature;
    }
    const std::string expected = hmacSha256(secret_, token.substr(0, second));
    if (signature.size() != expected.size() ||
        CRYPTO_memcmp(signature.data(), expected.data(), expected.size()) != 0) {
        return Verdict::BadSignature;
    }
    const auto payloadJson = nlohmann::json::parse(payload, nullptr, false);
    if (!payloadJson.is_object()) {
        return Verdict::Malformed;
    }
    const auto exp = payloadJson.find("exp");
    const auto iat = payloadJson.find("iat");
    const auto sub = payloadJson.find("sub");
    if (exp == payloadJson.end() || !exp->is_number_integer() || iat == payloadJson.end() ||
        !iat->is_number_integer() || sub == payloadJson.end() || !sub->is_string()) {
        return Verdict::Malformed;
    }
    const std::int64_t expiresAt = exp->get<std::int64_t>();
    if (now > expiresAt) {
        return Verdict::Expired;
    }
    claims.subject = sub->get<std::string>();
    claims.issuedAt = iat->get<std::int64_t>();
    claims.expiresAt = expiresAt;
    return Verdict::Valid;
}

std::string TokenSigner::base64UrlEncode(const std::string& data) {
    std::string out;
    out.reserve((data.size() + 2) / 3 * 4);
    std::size_t i = 0;
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(data[at]); };
    for (; i + 2 < data.size(); i += 3) {
        const unsigned value = (byte(i) << 16) | (byte(i + 1) << 8) | byte(i + 2);
        out += kAlphabet[(value >> 18) & 63];
        out += kAlphabet[(value >> 12) & 63];
        out += kAlphabet[(value >> 6) & 63];
        out += kAlphabet[value & 63];
    }
    if (i + 1 == data.size()) {
        const unsigned value = byte(i) << 16;
        out += kAlphabet[(value >> 18) & 63];
        out += kAlphabet[(value >> 12) & 63];
    } else if (i + 2 == data.size()) {
        const unsigned value = (byte(i) << 16) | (byte(i + 1) << 8);
        out += kAlphabet[(value >> 18) & 63];
        out += kAlphabet[(value >> 12) & 63];
        out += kAlphabet[(value >> 6) & 63];
    }
    return out;
}

bool TokenSigner::base64UrlDecode(const std::string& text, std::string& data) {
    if (text.size() % 4 == 1) {
        return false;
    }
    data.clear();
    unsigned value = 0;
    int bits = 0;
    for (const char c : text) {
        const char* at = std::strchr(kAlphabet, c);
        if (c == '\0' || at == nullptr) {
            return false;
        }
        value = (value << 6) | static_cast<unsigned>(at - kAlphabet);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            data += static_cast<char>((value >> bits) & 0xFF);
        }
    }
    return true;
}

const char* TokenSigner::describe(Verdict verdict) {
    switch (verdict) {
        case Verdict::Valid:
            return "valid token";
        case Verdict::Missing:
            return "missing bearer token";
        case Verdict::Malformed:
            return "malformed token";
        case Verdict::BadSignature:
            return "token signature is not valid";
        case Verdict::Expired:
            return "token expired";
    }
    return "bad token";
}

}  // namespace Service

#pragma once

#include <cstdint>
#include <shared_mutex>
#include <string>
#include <unordered_map>

namespace Service {

// Issues and checks HS256 JSON Web Tokens with a secret kept in the data folder.
class TokenSigner {
public:
    enum class Verdict { Valid, Missing, Malformed, BadSignature, Expired };

    struct Claims {
        std::string subject;
        std::int64_t issuedAt = 0;
        std::int64_t expiresAt = 0;
    };

    // Loads the secret from path, creating it when the file does not exist yet.
    bool open(const std::string& path, std::string& error);
    // The secret given by the operator in path, shared by instances that share no store: the
    // file's bytes, a final line break left out, at least kSecretSize of them. Refuses a file
    // that others may read or write. Every error names the file.
    bool openKeyFile(const std::string& path, std::string& error);
    // A secret kept elsewhere (the shared store); kSecretSize bytes.
    void useSecret(const std::string& secret) { secret_ = secret; }

    std::string issue(const std::string& subject, std::int64_t issuedAt, std::int64_t ttl) const;
    Verdict verify(const std::string& token, std::int64_t now, Claims* claims = nullptr) const;

    static std::string sign(const std::string& secret, const std::string& header,
                            const std::string& payload);
    static std::string base64UrlEncode(const std::string& data);
    static bool base64UrlDecode(const std::string& text, std::string& data);
    static const char* describe(Verdict verdict);

    static constexpr std::size_t kSecretSize = 32;
    static constexpr std::size_t kMaxTokenSize = 4096;
    static constexpr std::size_t kMaxKeyFileSize = 4096;

private:
    Verdict verifyAfresh(const std::string& token, std::int64_t now, Claims& claims) const;

    std::string secret_;
    // Tokens already verified, so that the many requests one token makes cost a lookup and
    // not a signature check and two JSON parses each. Only fully verified tokens enter.
    mutable std::shared_mutex verifiedMutex_;
    mutable std::unordered_map<std::string, Claims> verified_;
    static constexpr std::size_t kMaxVerified = 65536;
};

}  // namespace Service

#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace formats {

// SHA-1 over a stream of bytes; the install pipe names packages by it. The system's crypto does
// the work (OpenSSL on Linux, CNG on Windows): it uses the CPU's SHA instructions.
class Sha1 {
public:
    Sha1();
    ~Sha1();
    Sha1(const Sha1&) = delete;
    Sha1& operator=(const Sha1&) = delete;

    void add(const void* data, size_t size);
    // Forty hexadecimal digits, or empty when the system's hash failed; the object must not be
    // used afterwards.
    std::string hexDigest(bool upperCase);

private:
    // The system's part: false when its hash failed at any step.
    bool finish(unsigned char (&digest)[20]);

    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace formats

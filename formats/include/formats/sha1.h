#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace formats {

// SHA-1 over a stream of bytes; the install pipe names packages by it.
class Sha1 {
public:
    Sha1();
    void add(const void* data, size_t size);
    // Forty hexadecimal digits; the object must not be used afterwards.
    std::string hexDigest(bool upperCase);

private:
    void block(const unsigned char* data);

    std::uint32_t state_[5];
    unsigned char buffer_[64];
    size_t buffered_ = 0;
    std::uint64_t total_ = 0;
};

}  // namespace formats

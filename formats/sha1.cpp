#include "formats/sha1.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace formats {

namespace {

std::uint32_t rotate(std::uint32_t value, int bits) {
    return (value << bits) | (value >> (32 - bits));
}

}  // namespace

Sha1::Sha1() : state_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0}, buffer_{} {}

void Sha1::add(const void* data, size_t size) {
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    total_ += size;
    while (size > 0) {
        const size_t take = std::min(size, sizeof(buffer_) - buffered_);
        std::memcpy(buffer_ + buffered_, bytes, take);
        buffered_ += take;
        bytes += take;
        size -= take;
        if (buffered_ == sizeof(buffer_)) {
            block(buffer_);
            buffered_ = 0;
        }
    }
}

std::string Sha1::hexDigest(bool upperCase) {
    const std::uint64_t bits = total_ * 8;
    const unsigned char pad = 0x80;
    add(&pad, 1);
    const unsigned char zero = 0;
    while (buffered_ != 56) {
        add(&zero, 1);
    }
    unsigned char length[8];
    for (int i = 0; i < 8; ++i) {
        length[i] = static_cast<unsigned char>(bits >> (56 - 8 * i));
    }
    add(length, 8);
    char text[41];
    std::snprintf(text, sizeof(text), upperCase ? "%08X%08X%08X%08X%08X" : "%08x%08x%08x%08x%08x",
                  state_[0], state_[1], state_[2], state_[3], state_[4]);
    return text;
}

void Sha1::block(const unsigned char* data) {
    std::uint32_t w[80];
    for (int i = 0; i < 16; ++i) {
        w[i] = static_cast<std::uint32_t>(data[4 * i]) << 24 |
               static_cast<std::uint32_t>(data[4 * i + 1]) << 16 |
               static_cast<std::uint32_t>(data[4 * i + 2]) << 8 | data[4 * i + 3];
    }
    for (int i = 16; i < 80; ++i) {
        w[i] = rotate(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
    }
    std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3], e = state_[4];
    for (int i = 0; i < 80; ++i) {
        std::uint32_t f, k;
        if (i < 20) {
            f = (b & c) | (~b & d);
            k = 0x5A827999;
        } else if (i < 40) {
            f = b ^ c ^ d;
            k = 0x6ED9EBA1;
        } else if (i < 60) {
            f = (b & c) | (b & d) | (c & d);
            k = 0x8F1BBCDC;
        } else {
            f = b ^ c ^ d;
            k = 0xCA62C1D6;
        }
        const std::uint32_t next = rotate(a, 5) + f + e + k + w[i];
        e = d;
        d = c;
        c = rotate(b, 30);
        b = a;
        a = next;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
    state_[4] += e;
}

}  // namespace formats

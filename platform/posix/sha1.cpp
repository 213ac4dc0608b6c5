#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/systemactions.h"

namespace platform {

namespace {

class Sha1 {
public:
    void add(const unsigned char* data, std::size_t size) {
        length_ += size;
        while (size > 0) {
            const std::size_t take = std::min(size, block_.size() - used_);
            std::memcpy(block_.data() + used_, data, take);
            used_ += take;
            data += take;
            size -= take;
            if (used_ == block_.size()) {
                compress();
                used_ = 0;
            }
        }
    }

    std::string hex() {
        const std::uint64_t bits = length_ * 8;
        const unsigned char pad = 0x80;
        add(&pad, 1);
        const unsigned char zero = 0;
        while (used_ != 56) {
            add(&zero, 1);
        }
        unsigned char tail[8];
        for (int i = 0; i < 8; ++i) {
            tail[i] = static_cast<unsigned char>(bits >> (56 - 8 * i));
        }
        add(tail, 8);
        std::string out;
        char digits[9];
        for (std::uint32_t word : state_) {
            std::snprintf(digits, sizeof digits, "%08x", word);
            out += digits;
        }
        return out;
    }

private:
    static std::uint32_t rotate(std::uint32_t value, int bits) {
        return (value << bits) | (value >> (32 - bits));
    }

    void compress() {
        std::uint32_t w[80];
        for (int i = 0; i < 16; ++i) {
            w[i] = std::uint32_t(block_[4 * i]) << 24 | std::uint32_t(block_[4 * i + 1]) << 16 |
                   std::uint32_t(block_[4 * i + 2]) << 8 | std::uint32_t(block_[4 * i + 3]);
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

    std::array<std::uint32_t, 5> state_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    std::array<unsigned char, 64> block_{};
    std::size_t used_ = 0;
    std::uint64_t length_ = 0;
};

}  // namespace

std::string sha1Hex(const void* data, std::size_t size) {
    Sha1 hash;
    hash.add(static_cast<const unsigned char*>(data), size);
    return hash.hex();
}

std::string fileSha1(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {};
    }
    Sha1 hash;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        hash.add(reinterpret_cast<const unsigned char*>(buffer),
                 static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return {};
    }
    return hash.hex();
}

}  // namespace platform

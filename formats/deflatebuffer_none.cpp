#include <zlib.h>

#include <algorithm>

#include "deflatebuffer.h"

namespace formats {

DeflateBuffer::DeflateBuffer() = default;
DeflateBuffer::~DeflateBuffer() = default;

bool DeflateBuffer::available() {
    return false;
}

bool DeflateBuffer::compress(const char*, std::size_t, std::vector<char>&) {
    return false;
}

bool DeflateBuffer::decompress(const char*, std::size_t, char*, std::size_t) {
    return false;
}

std::uint32_t DeflateBuffer::crc32(const char* data, std::size_t size) {
    uLong crc = ::crc32(0, nullptr, 0);
    while (size > 0) {
        const uInt chunk = static_cast<uInt>(std::min<std::size_t>(size, 1u << 30));
        crc = ::crc32(crc, reinterpret_cast<const Bytef*>(data), chunk);
        data += chunk;
        size -= chunk;
    }
    return static_cast<std::uint32_t>(crc);
}

}  // namespace formats

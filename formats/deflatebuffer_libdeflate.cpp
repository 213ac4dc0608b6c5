#include <libdeflate.h>

#include "deflatebuffer.h"

namespace formats {

DeflateBuffer::DeflateBuffer() = default;

DeflateBuffer::~DeflateBuffer() {
    libdeflate_free_compressor(static_cast<libdeflate_compressor*>(compressor_));
    libdeflate_free_decompressor(static_cast<libdeflate_decompressor*>(decompressor_));
}

bool DeflateBuffer::available() {
    return true;
}

bool DeflateBuffer::compress(const char* data, std::size_t size, std::vector<char>& out) {
    if (compressor_ == nullptr) {
        compressor_ = libdeflate_alloc_compressor(6);
        if (compressor_ == nullptr) {
            return false;
        }
    }
    auto* compressor = static_cast<libdeflate_compressor*>(compressor_);
    out.resize(libdeflate_deflate_compress_bound(compressor, size));
    const std::size_t written =
        libdeflate_deflate_compress(compressor, data, size, out.data(), out.size());
    out.resize(written);
    return written > 0;
}

bool DeflateBuffer::decompress(const char* data, std::size_t dataSize, char* out,
                               std::size_t size) {
    if (decompressor_ == nullptr) {
        decompressor_ = libdeflate_alloc_decompressor();
        if (decompressor_ == nullptr) {
            return false;
        }
    }
    // With no actual-size pointer, anything but exactly size bytes is an error.
    return libdeflate_deflate_decompress(static_cast<libdeflate_decompressor*>(decompressor_), data,
                                         dataSize, out, size, nullptr) == LIBDEFLATE_SUCCESS;
}

std::uint32_t DeflateBuffer::crc32(const char* data, std::size_t size) {
    return libdeflate_crc32(0, data, size);
}

}  // namespace formats

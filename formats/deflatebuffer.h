#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Deflate of whole buffers in memory, about three times as fast as zlib's streams at the same
// level and twice as fast to inflate, where libdeflate is there (the native build); the zip
// component streams through zlib for larger entries and where it is not.
namespace formats {

class DeflateBuffer {
public:
    // Up to this size an entry goes through memory: two buffers of it keep the component well
    // within its memory bound.
    static constexpr std::size_t kMaxBytes = std::size_t(16) << 20;

    DeflateBuffer();
    ~DeflateBuffer();
    DeflateBuffer(const DeflateBuffer&) = delete;
    DeflateBuffer& operator=(const DeflateBuffer&) = delete;

    static bool available();

    // A raw deflate stream of data at level 6 into out.
    bool compress(const char* data, std::size_t size, std::vector<char>& out);
    // True only when data inflates to exactly size bytes.
    bool decompress(const char* data, std::size_t dataSize, char* out, std::size_t size);
    static std::uint32_t crc32(const char* data, std::size_t size);

private:
    void* compressor_ = nullptr;
    void* decompressor_ = nullptr;
};

}  // namespace formats

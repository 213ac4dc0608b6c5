#include "bodydecoder.h"

#include <zlib.h>

namespace Service {

bool BodyDecoder::looksCompressed(const std::string& data) {
    if (data.size() < 2) {
        return false;
    }
    const auto b0 = static_cast<unsigned char>(data[0]);
    const auto b1 = static_cast<unsigned char>(data[1]);
    if (b0 == 0x1f && b1 == 0x8b) {
        return true;
    }
    return (b0 & 0x0f) == 8 && (b0 >> 4) <= 7 && ((b0 << 8) | b1) % 31 == 0;
}

BodyDecoder::Result BodyDecoder::inflate(const std::string& data, std::size_t limit,
                                         std::string& out) {
    out.clear();
    z_stream stream{};
    // 15 + 32: zlib or gzip header, detected from the stream itself.
    if (inflateInit2(&stream, 15 + 32) != Z_OK) {
        return Result::Malformed;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    char buffer[16384];
    int status = Z_OK;
    Result result = Result::Ok;
    while (status != Z_STREAM_END) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        status = ::inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END) {
            result = Result::Malformed;
            break;
        }
        const std::size_t produced = sizeof buffer - stream.avail_out;
        if (out.size() + produced > limit) {
            result = Result::TooLarge;
            break;
        }
        out.append(buffer, produced);
        if (status == Z_OK && stream.avail_in == 0 && produced == 0) {
            result = Result::Malformed;
            break;
        }
    }
    if (result == Result::Ok && stream.avail_in != 0) {
        result = Result::Malformed;
    }
    inflateEnd(&stream);
    if (result != Result::Ok) {
        out.clear();
    }
    return result;
}

bool BodyDecoder::withinDepth(const std::string& text, int limit) {
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > limit) {
                return false;
            }
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return true;
}

}  // namespace Service

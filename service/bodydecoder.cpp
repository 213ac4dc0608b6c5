#include "bodydecoder.h"

#include <zlib.h>

namespace Service {

namespace {

using nlohmann::json;

// The library's own document builder, stopped by the bounds before each step.
class BoundedBuilder : public nlohmann::detail::json_sax_dom_parser<json> {
public:
    BoundedBuilder(json& document, int depthLimit, std::size_t elementLimit)
        : json_sax_dom_parser(document, false),
          depthLimit_(depthLimit),
          elementLimit_(elementLimit) {}

    bool null() { return count() && json_sax_dom_parser::null(); }
    bool boolean(bool value) { return count() && json_sax_dom_parser::boolean(value); }
    bool number_integer(number_integer_t value) {
        return count() && json_sax_dom_parser::number_integer(value);
    }
    bool number_unsigned(number_unsigned_t value) {
        return count() && json_sax_dom_parser::number_unsigned(value);
    }
    bool number_float(number_float_t value, const string_t& text) {
        return count() && json_sax_dom_parser::number_float(value, text);
    }
    bool string(string_t& value) { return count() && json_sax_dom_parser::string(value); }
    bool binary(binary_t& value) { return count() && json_sax_dom_parser::binary(value); }
    bool key(string_t& value) { return count() && json_sax_dom_parser::key(value); }
    bool start_object(std::size_t size) {
        return count() && enter() && json_sax_dom_parser::start_object(size);
    }
    bool end_object() {
        --depth_;
        return json_sax_dom_parser::end_object();
    }
    bool start_array(std::size_t size) {
        return count() && enter() && json_sax_dom_parser::start_array(size);
    }
    bool end_array() {
        --depth_;
        return json_sax_dom_parser::end_array();
    }

    BodyDecoder::Parse verdict() const { return verdict_; }

private:
    bool count() {
        if (++elements_ > elementLimit_) {
            verdict_ = BodyDecoder::Parse::TooManyElements;
            return false;
        }
        return true;
    }
    bool enter() {
        if (++depth_ > depthLimit_) {
            verdict_ = BodyDecoder::Parse::TooDeep;
            return false;
        }
        return true;
    }

    int depthLimit_;
    std::size_t elementLimit_;
    int depth_ = 0;
    std::size_t elements_ = 0;
    BodyDecoder::Parse verdict_ = BodyDecoder::Parse::Ok;
};

}  // namespace

BodyDecoder::Parse BodyDecoder::parse(const std::string& text, int depthLimit,
                                      std::size_t elementLimit, json& document) {
    document = json();
    // nlohmann ends its input at a NUL and ignores the rest; JSON text never holds one.
    if (text.find('\0') != std::string::npos) {
        return Parse::NotJson;
    }
    BoundedBuilder builder(document, depthLimit, elementLimit);
    const bool parsed = json::sax_parse(text, &builder, json::input_format_t::json, true, false);
    if (builder.verdict() != Parse::Ok) {
        document = json();
        return builder.verdict();
    }
    if (!parsed || builder.is_errored()) {
        document = json();
        return Parse::NotJson;
    }
    return Parse::Ok;
}

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

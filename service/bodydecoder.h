#pragma once

#include <cstddef>
#include <string>

#include <nlohmann/json.hpp>

namespace Service {

// Turns raw request bytes into the JSON text they carry, within fixed bounds.
class BodyDecoder {
public:
    enum class Result { Ok, Malformed, TooLarge };

    // True when data starts with a gzip or zlib header.
    static bool looksCompressed(const std::string& data);

    // Inflates a complete gzip or zlib stream; anything short of its end is malformed.
    static Result inflate(const std::string& data, std::size_t limit, std::string& out);

    // True when no array or object in text nests deeper than limit.
    static bool withinDepth(const std::string& text, int limit);

    enum class Parse { Ok, NotJson, TooDeep, TooManyElements };
    // Parses JSON text, stopping as soon as it nests deeper than depthLimit or holds more
    // than elementLimit values and keys, so the document never grows past its bounds.
    static Parse parse(const std::string& text, int depthLimit, std::size_t elementLimit,
                       nlohmann::json& document);
};

}  // namespace Service

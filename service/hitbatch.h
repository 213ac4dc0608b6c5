#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Service {

// A batch of analytics hits: one URL-encoded hit per line.
class HitBatch {
public:
    struct Limits {
        std::size_t maxHits = 20;
        std::size_t maxHitBytes = 8192;
    };

    // Splits body into hits; false with the reason in error when a line is not a hit.
    bool parse(const std::string& body, const Limits& limits, std::string& error);

    const std::vector<std::string>& hits() const { return hits_; }

    // True when line is key=value pairs joined by "&" with valid escapes and
    // carries the protocol version "v" and the hit type "t".
    static bool validHit(const std::string& line);

private:
    std::vector<std::string> hits_;
};

}  // namespace Service

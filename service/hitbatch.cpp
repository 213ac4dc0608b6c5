#include "hitbatch.h"

#include <cctype>

namespace Service {

bool HitBatch::validHit(const std::string& line) {
    bool hasVersion = false;
    bool hasType = false;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find('&', start);
        if (end == std::string::npos) {
            end = line.size();
        }
        const std::string pair = line.substr(start, end - start);
        const std::size_t equals = pair.find('=');
        if (equals == 0 || equals == std::string::npos) {
            return false;
        }
        for (std::size_t i = 0; i < pair.size(); ++i) {
            const auto c = static_cast<unsigned char>(pair[i]);
            if (c <= 0x20 || c >= 0x7f) {
                return false;
            }
            if (c == '%') {
                if (i + 2 >= pair.size() ||
                    !std::isxdigit(static_cast<unsigned char>(pair[i + 1])) ||
                    !std::isxdigit(static_cast<unsigned char>(pair[i + 2]))) {
                    return false;
                }
            }
        }
        const std::string key = pair.substr(0, equals);
        hasVersion = hasVersion || key == "v";
        hasType = hasType || key == "t";
        start = end + 1;
    }
    return hasVersion && hasType;
}

bool HitBatch::parse(const std::string& body, const Limits& limits, std::string& error) {
    hits_.clear();
    std::size_t start = 0;
    std::size_t number = 0;
    while (start < body.size()) {
        std::size_t end = body.find('\n', start);
        if (end == std::string::npos) {
            end = body.size();
        }
        std::string line = body.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        if (line.size() > limits.maxHitBytes) {
            error = "hit on line " + std::to_string(number) + " is longer than " +
                    std::to_string(limits.maxHitBytes) + " bytes";
            return false;
        }
        if (!validHit(line)) {
            error = "line " + std::to_string(number) + " is not a hit";
            return false;
        }
        if (hits_.size() == limits.maxHits) {
            error = "more than " + std::to_string(limits.maxHits) + " hits in one batch";
            return false;
        }
        hits_.push_back(std::move(line));
    }
    if (hits_.empty()) {
        error = "the batch holds no hit";
        return false;
    }
    return true;
}

}  // namespace Service

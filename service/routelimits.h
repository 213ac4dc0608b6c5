#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <utility>

namespace Service {

// What one request may carry, so that no request costs more than a few times its own limit.
struct BodyLimit {
    std::size_t bytes = 0;
    // Values, arrays, objects and keys a JSON body may hold.
    std::size_t jsonElements = 0;
};

// The body limit of every route, looked up before the body is read and again while it is
// parsed. A handler that reads a body registers its limit here next to its route.
class RouteLimits {
public:
    explicit RouteLimits(BodyLimit fallback = {}) : fallback_(fallback) {}

    void set(const std::string& method, const std::string& path, BodyLimit limit);
    // A route without its own limit gets the fallback for methods that carry a body
    // and nothing for the others.
    BodyLimit find(const std::string& method, const std::string& path) const;
    void setFallback(BodyLimit fallback) { fallback_ = fallback; }

    static bool carriesBody(const std::string& method);

private:
    BodyLimit fallback_;
    std::map<std::pair<std::string, std::string>, BodyLimit> routes_;
};

}  // namespace Service

#include "routelimits.h"

namespace Service {

void RouteLimits::set(const std::string& method, const std::string& path, BodyLimit limit) {
    routes_[{method, path}] = limit;
}

BodyLimit RouteLimits::find(const std::string& method, const std::string& path) const {
    const auto it = routes_.find({method, path});
    if (it != routes_.end()) {
        return it->second;
    }
    return carriesBody(method) ? fallback_ : BodyLimit{};
}

bool RouteLimits::carriesBody(const std::string& method) {
    return method == "POST" || method == "PUT" || method == "PATCH";
}

}  // namespace Service

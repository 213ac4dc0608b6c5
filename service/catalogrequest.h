#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace Service {

// One device of an "updates_find" request, as far as the search needs it.
struct SearchDevice {
    std::string className;
    std::vector<std::string> hardwareIds;  // in the order sent
    std::vector<std::string> compatibleIds;
    bool hasDriver = false;
    std::string driverDate;  // "yyyy-mm-dd", may be empty
    std::string driverVersion;
    std::uint32_t driverRank = 0;
};

// The "devices" request body, checked field by field.
struct CatalogRequest {
    static constexpr std::size_t kMaxDevices = 2000;
    static constexpr std::size_t kMaxIds = 64;
    static constexpr std::size_t kMaxTextBytes = 1024;

    std::vector<SearchDevice> devices;

    // False with the HTTP status (400 malformed, 413 over a limit) and the reason.
    bool parse(const nlohmann::json& document, int& status, std::string& error);
};

}  // namespace Service

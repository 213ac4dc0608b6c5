#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace Service {

// The record a client sends to be authorised.
struct AuthRecord {
    std::string product;
    std::string version;
    std::string localeOs;
    std::string locale;
    std::string os;
    std::string arch;
    std::string appid;
    std::string hwid;

    // Fills the record from document; false with the reason in error when a field is missing,
    // of the wrong type or out of bounds.
    bool parse(const nlohmann::json& document, std::string& error);

    static constexpr std::size_t kMaxFieldSize = 256;
};

}  // namespace Service

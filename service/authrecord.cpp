#include "authrecord.h"

namespace Service {

namespace {

bool printable(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            return false;
        }
    }
    return true;
}

bool field(const nlohmann::json& document, const char* key, bool allowEmpty, std::string& out,
           std::string& error) {
    const auto it = document.find(key);
    if (it == document.end()) {
        error = std::string("\"") + key + "\" is missing";
        return false;
    }
    if (!it->is_string()) {
        error = std::string("\"") + key + "\" must be a string";
        return false;
    }
    out = it->get<std::string>();
    if (out.size() > AuthRecord::kMaxFieldSize || !printable(out)) {
        error = std::string("\"") + key + "\" is too long or holds control characters";
        return false;
    }
    if (!allowEmpty && out.empty()) {
        error = std::string("\"") + key + "\" is empty";
        return false;
    }
    return true;
}

}  // namespace

bool AuthRecord::parse(const nlohmann::json& document, std::string& error) {
    if (!document.is_object()) {
        error = "the authorisation record must be a JSON object";
        return false;
    }
    // "os" is empty when the client could not read its OS version; the locales may be empty
    // on systems without one.
    if (!field(document, "product", false, product, error) ||
        !field(document, "version", false, version, error) ||
        !field(document, "locale_os", true, localeOs, error) ||
        !field(document, "locale", true, locale, error) ||
        !field(document, "os", true, os, error) || !field(document, "arch", false, arch, error) ||
        !field(document, "appid", false, appid, error) ||
        !field(document, "hwid", false, hwid, error)) {
        return false;
    }
    if (product != "pro") {
        error = "unknown product \"" + product + "\"";
        return false;
    }
    if (arch != "x64" && arch != "x86") {
        error = "\"arch\" must be \"x64\" or \"x86\"";
        return false;
    }
    return true;
}

}  // namespace Service

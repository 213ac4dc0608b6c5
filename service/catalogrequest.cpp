#include "catalogrequest.h"

namespace Service {

namespace {

using nlohmann::json;

bool isDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return false;
    }
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (k != 4 && k != 7 && (text[k] < '0' || text[k] > '9')) {
            return false;
        }
    }
    return true;
}

// An optional string member; false when present with another type or too long.
bool optionalText(const json& object, const char* key, std::string& out, std::string& error,
                  const std::string& where) {
    const auto found = object.find(key);
    if (found == object.end() || found->is_null()) {
        return true;
    }
    if (!found->is_string() ||
        found->get_ref<const std::string&>().size() > CatalogRequest::kMaxTextBytes) {
        error = where + "\"" + key + "\" must be a string of at most " +
                std::to_string(CatalogRequest::kMaxTextBytes) + " bytes";
        return false;
    }
    out = found->get<std::string>();
    return true;
}

bool optionalUnsigned(const json& object, const char* key, std::uint32_t& out, std::string& error,
                      const std::string& where) {
    const auto found = object.find(key);
    if (found == object.end() || found->is_null()) {
        return true;
    }
    if (!found->is_number_integer() || found->get<std::int64_t>() < 0 ||
        found->get<std::int64_t>() > 0xFFFFFFFFll) {
        error = where + "\"" + key + "\" must be an unsigned 32-bit integer";
        return false;
    }
    out = static_cast<std::uint32_t>(found->get<std::int64_t>());
    return true;
}

}  // namespace

bool CatalogRequest::parse(const json& document, int& status, std::string& error) {
    status = 400;
    devices.clear();
    if (!document.is_object() || !document.contains("devices") || !document["devices"].is_array()) {
        error = "the body must be an object with a \"devices\" array";
        return false;
    }
    const json& list = document["devices"];
    if (list.size() > kMaxDevices) {
        status = 413;
        error = "more than " + std::to_string(kMaxDevices) + " devices";
        return false;
    }
    devices.reserve(list.size());
    for (std::size_t index = 0; index < list.size(); ++index) {
        const json& item = list[index];
        const std::string where = "devices[" + std::to_string(index) + "]: ";
        if (!item.is_object()) {
            error = where + "not an object";
            return false;
        }
        SearchDevice device;
        std::string ignored;
        if (!optionalText(item, "manufacturer", ignored, error, where) ||
            !optionalText(item, "description", ignored, error, where) ||
            !optionalText(item, "lowerlogoversion", ignored, error, where)) {
            return false;
        }
        if (item.contains("connected") && !item["connected"].is_boolean()) {
            error = where + "\"connected\" must be a boolean";
            return false;
        }
        if (item.contains("class")) {
            const json& cls = item["class"];
            if (!cls.is_object() || !optionalText(cls, "name", device.className, error, where) ||
                !optionalText(cls, "guid", ignored, error, where)) {
                if (error.empty()) {
                    error = where + "\"class\" must be an object";
                }
                return false;
            }
        }
        const auto hids = item.find("hids");
        if (hids == item.end() || !hids->is_array()) {
            error = where + "\"hids\" must be an array";
            return false;
        }
        if (hids->size() > kMaxIds) {
            status = 413;
            error = where + "more than " + std::to_string(kMaxIds) + " ids";
            return false;
        }
        for (const json& hid : *hids) {
            const auto name = hid.is_object() ? hid.find("name") : hid.end();
            const auto compatible = hid.is_object() ? hid.find("compatible") : hid.end();
            if (!hid.is_object() || name == hid.end() || !name->is_string() ||
                name->get_ref<const std::string&>().empty() ||
                name->get_ref<const std::string&>().size() > kMaxTextBytes ||
                (compatible != hid.end() && !compatible->is_boolean())) {
                error = where +
                        "each of \"hids\" must be {\"name\": non-empty string, "
                        "\"compatible\": bool}";
                return false;
            }
            const bool isCompatible = compatible != hid.end() && compatible->get<bool>();
            (isCompatible ? device.compatibleIds : device.hardwareIds)
                .push_back(name->get<std::string>());
        }
        if (item.contains("driver") && !item["driver"].is_null()) {
            const json& driver = item["driver"];
            std::uint32_t type = 0;
            if (!driver.is_object()) {
                error = where + "\"driver\" must be an object";
                return false;
            }
            if (!optionalText(driver, "provider", ignored, error, where) ||
                !optionalText(driver, "version", device.driverVersion, error, where) ||
                !optionalText(driver, "date", device.driverDate, error, where) ||
                !optionalUnsigned(driver, "type", type, error, where) ||
                !optionalUnsigned(driver, "rank", device.driverRank, error, where)) {
                return false;
            }
            if (!device.driverDate.empty() && !isDate(device.driverDate)) {
                error = where + "\"driver\".\"date\" must be yyyy-MM-dd";
                return false;
            }
            if (!driver.contains("rank")) {
                error = where + "\"driver\" needs a \"rank\"";
                return false;
            }
            device.hasDriver = true;
        }
        devices.push_back(std::move(device));
    }
    return true;
}

}  // namespace Service

#include "serviceconfig.h"

#include <fcntl.h>
#include <unistd.h>

#include <set>

#include "datafile.h"

namespace Service {

namespace {

using nlohmann::json;

constexpr std::size_t kMaxConfigSize = 1 << 20;

const std::set<std::string> kApiKeys = {"app_auth",     "app_settings", "app_update",
                                        "updates_find", "upload_check", "upload_upload"};

bool readInteger(const json& document, const char* key, std::int64_t minimum, std::int64_t maximum,
                 std::int64_t& out, std::string& error) {
    const auto it = document.find(key);
    if (it == document.end()) {
        return true;
    }
    if (!it->is_number_integer()) {
        error = std::string("\"") + key + "\" must be an integer";
        return false;
    }
    const std::int64_t value = it->get<std::int64_t>();
    if (value < minimum || value > maximum) {
        error = std::string("\"") + key + "\" must be between " + std::to_string(minimum) +
                " and " + std::to_string(maximum);
        return false;
    }
    out = value;
    return true;
}

template <typename T>
bool readBounded(const json& document, const char* key, std::int64_t minimum, std::int64_t maximum,
                 T& out, std::string& error) {
    std::int64_t value = static_cast<std::int64_t>(out);
    if (!readInteger(document, key, minimum, maximum, value, error)) {
        return false;
    }
    out = static_cast<T>(value);
    return true;
}

bool readString(const json& document, const char* key, std::string& out, std::string& error) {
    const auto it = document.find(key);
    if (it == document.end()) {
        return true;
    }
    if (!it->is_string()) {
        error = std::string("\"") + key + "\" must be a string";
        return false;
    }
    out = it->get<std::string>();
    return true;
}

bool readForcedError(const json& document, const char* key, ForcedError& out, std::string& error) {
    const auto it = document.find(key);
    if (it == document.end() || it->is_null()) {
        return true;
    }
    const std::string name = std::string("\"") + key + "\"";
    if (!it->is_object()) {
        error = name + " must be an object or null";
        return false;
    }
    ForcedError forced;
    forced.enabled = true;
    std::int64_t status = forced.status;
    std::int64_t code = 1;
    if (!readInteger(*it, "status", 200, 599, status, error) ||
        !readInteger(*it, "code", -2147483647, 2147483647, code, error) ||
        !readString(*it, "message", forced.message, error)) {
        error = name + ": " + error;
        return false;
    }
    forced.status = static_cast<int>(status);
    forced.code = static_cast<int>(code);
    out = forced;
    return true;
}

}  // namespace

ServiceConfig::ServiceConfig()
    : publicUrls({{"privacy_policy", "https://quillon.example/privacy"},
                  {"refund_policy", "https://quillon.example/refund"},
                  {"how_to_delete", "https://quillon.example/uninstall"},
                  {"support", "https://quillon.example/support"},
                  {"site", "https://quillon.example/"}}) {}

bool ServiceConfig::load(const std::string& path, std::string& error) {
    const int fd = DataFile::open(path, O_RDONLY, error);
    if (fd < 0) {
        return false;
    }
    std::string text;
    char buffer[16384];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0 && text.size() < kMaxConfigSize) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (n < 0 || text.size() >= kMaxConfigSize) {
        error = n < 0 ? "cannot read " + path : path + " is larger than 1 MiB";
        return false;
    }
    const json document = json::parse(text, nullptr, false);
    if (document.is_discarded()) {
        error = path + " is not valid JSON";
        return false;
    }
    return apply(document, error);
}

bool ServiceConfig::apply(const json& document, std::string& error) {
    static const std::set<std::string> known = {
        "token_ttl",      "body_limit",       "json_depth_limit",      "threads",
        "read_timeout",   "access_log",       "public_base_url",       "api",
        "public_urls",    "user_drivers",     "drivers_updated_at",    "ga_id",
        "update",         "user_country",     "contact_email",         "auth_error",
        "settings_error", "collect_max_hits", "collect_max_hit_bytes", "collect_max_batch_bytes",
        "collect_keep",   "upload_limit",     "store_connections"};
    // The bounds of connections and requests.
    static const std::set<std::string> connection = {
        "keep_alive_max_count", "keep_alive_timeout", "request_deadline",  "min_body_rate",
        "listen_backlog",       "header_count_limit", "header_bytes_limit"};
    if (!document.is_object()) {
        error = "the configuration must be a JSON object";
        return false;
    }
    for (const auto& item : document.items()) {
        if (known.count(item.key()) == 0 && connection.count(item.key()) == 0) {
            error = "unknown configuration key \"" + item.key() + "\"";
            return false;
        }
    }
    constexpr std::int64_t kMaxBody = std::int64_t(1) << 30;
    if (!readInteger(document, "token_ttl", 0, std::int64_t(10) * 365 * 24 * 3600, tokenTtl,
                     error) ||
        !readBounded(document, "body_limit", 1024, kMaxBody, bodyLimit, error) ||
        !readBounded(document, "json_depth_limit", 1, 1000, jsonDepthLimit, error) ||
        !readBounded(document, "threads", 1, 256, threads, error) ||
        !readBounded(document, "store_connections", 1, 256, storeConnections, error) ||
        !readBounded(document, "read_timeout", 1, 3600, readTimeoutSeconds, error) ||
        !readBounded(document, "keep_alive_max_count", 1, 1000000, keepAliveMaxCount, error) ||
        !readBounded(document, "keep_alive_timeout", 1, 3600, keepAliveTimeoutSeconds, error) ||
        !readBounded(document, "request_deadline", 1, 3600, requestDeadlineSeconds, error) ||
        !readBounded(document, "min_body_rate", 0, kMaxBody, minBodyRate, error) ||
        !readBounded(document, "listen_backlog", 16, 65535, listenBacklog, error) ||
        !readBounded(document, "header_count_limit", 8, 10000, headerCountLimit, error) ||
        !readBounded(document, "header_bytes_limit", 4096, 1 << 20, headerBytesLimit, error) ||
        !readString(document, "access_log", accessLog, error) ||
        !readString(document, "public_base_url", publicBaseUrl, error) ||
        !readString(document, "drivers_updated_at", driversUpdatedAt, error) ||
        !readString(document, "ga_id", gaId, error) ||
        !readString(document, "user_country", userCountry, error) ||
        !readString(document, "contact_email", contactEmail, error) ||
        !readForcedError(document, "auth_error", authError, error) ||
        !readForcedError(document, "settings_error", settingsError, error) ||
        !readBounded(document, "collect_max_hits", 1, 100000, collectMaxHits, error) ||
        !readBounded(document, "collect_max_hit_bytes", 16, kMaxBody, collectMaxHitBytes, error) ||
        !readBounded(document, "collect_max_batch_bytes", 16, kMaxBody, collectMaxBatchBytes,
                     error) ||
        !readBounded(document, "collect_keep", 0, 10000000, collectKeep, error) ||
        !readBounded(document, "upload_limit", 1024, kMaxBody, uploadLimit, error)) {
        return false;
    }
    if (accessLog.find('/') != std::string::npos || accessLog == "..") {
        error = "\"access_log\" must be a plain file name inside the data folder";
        return false;
    }

    if (const auto it = document.find("api"); it != document.end()) {
        if (it->is_null()) {
            apiOmitted = true;
        } else if (!it->is_object()) {
            error = "\"api\" must be an object or null";
            return false;
        } else {
            for (const auto& item : it->items()) {
                if (kApiKeys.count(item.key()) == 0 || !item.value().is_string()) {
                    error = "\"api\"." + item.key() + " is not an endpoint name with a string URL";
                    return false;
                }
            }
            apiOverrides = *it;
        }
    }
    if (const auto it = document.find("public_urls"); it != document.end()) {
        if (!it->is_object()) {
            error = "\"public_urls\" must be an object";
            return false;
        }
        publicUrls = *it;
    }
    if (const auto it = document.find("user_drivers"); it != document.end()) {
        if (!it->is_object()) {
            error = "\"user_drivers\" must be an object";
            return false;
        }
        if (const auto enabled = it->find("enabled"); enabled != it->end()) {
            if (!enabled->is_boolean()) {
                error = "\"user_drivers\".enabled must be a boolean";
                return false;
            }
            userDriversEnabled = enabled->get<bool>();
        }
        if (!readInteger(*it, "max_size", 0, INT64_MAX, userDriversMaxSize, error)) {
            error = "\"user_drivers\": " + error;
            return false;
        }
    }
    if (const auto it = document.find("update"); it != document.end()) {
        if (!it->is_object()) {
            error = "\"update\" must be an object";
            return false;
        }
        // The offer is sent as given, so its fields must already have the types clients read.
        const std::pair<const char*, json::value_t> fields[] = {
            {"version", json::value_t::string},
            {"file_name", json::value_t::string},
            {"file_size", json::value_t::number_unsigned},
            {"hash_sha1", json::value_t::string},
            {"force", json::value_t::boolean},
            {"file", json::value_t::string}};
        for (const auto& [key, type] : fields) {
            const auto field = it->find(key);
            if (field != it->end() && field->type() != type &&
                !(type == json::value_t::number_unsigned && field->is_number_integer() &&
                  field->get<std::int64_t>() >= 0)) {
                error = std::string("\"update\".") + key + " has the wrong type";
                return false;
            }
        }
        update = *it;
    }
    return true;
}

}  // namespace Service

#pragma once

#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

namespace Service {

// An error the service answers on purpose, so that clients can exercise their failure paths.
struct ForcedError {
    bool enabled = false;
    int status = 200;
    int code = 0;
    std::string message;
};

struct ServiceConfig {
    std::int64_t tokenTtl = 3600;
    std::size_t bodyLimit = 16u * 1024u * 1024u;
    int jsonDepthLimit = 64;
    // Every kept-alive connection holds a thread, and a client may keep several open.
    int threads = 32;
    int keepAliveMaxCount = 100;
    int keepAliveTimeoutSeconds = 5;
    int readTimeoutSeconds = 10;
    // Reading one request's line, headers and body; large bodies earn more at the rate.
    int requestDeadlineSeconds = 10;
    std::size_t minBodyRate = 16384;
    int listenBacklog = 1024;
    // Connections each instance keeps to a PostgreSQL store (SQLite uses one).
    int storeConnections = 16;
    std::size_t headerCountLimit = 100;
    std::size_t headerBytesLimit = 64 * 1024;
    std::string accessLog;
    std::string publicBaseUrl;
    nlohmann::json apiOverrides = nlohmann::json::object();
    bool apiOmitted = false;
    nlohmann::json publicUrls;
    bool userDriversEnabled = true;
    // A batch of the cloud upload holds an archive under 4 MiB and one under this size, so the
    // default leaves room for both within the default upload_limit.
    std::int64_t userDriversMaxSize = 67108864;
    std::string driversUpdatedAt = "2026-12-01T00:00:00Z";
    std::string gaId = "UA-00000000-1";
    nlohmann::json update = nlohmann::json::object();
    std::string userCountry = "US";
    std::string contactEmail = "support@quillon.example";
    ForcedError authError;
    ForcedError settingsError;
    std::size_t collectMaxHits = 20;
    std::size_t collectMaxHitBytes = 8192;
    std::size_t collectMaxBatchBytes = 16384;
    std::size_t collectKeep = 10000;
    // Largest multipart upload body; its archives are far larger than any JSON body.
    std::size_t uploadLimit = 104857600;

    ServiceConfig();

    // Reads the JSON file at path over the defaults; false with a reason in error on failure.
    bool load(const std::string& path, std::string& error);
    bool apply(const nlohmann::json& document, std::string& error);
};

}  // namespace Service

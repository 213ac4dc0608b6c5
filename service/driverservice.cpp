#include "driverservice.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <httplib.h>

#include "authrecord.h"
#include "bodydecoder.h"
#include "datafile.h"
#include "deadlinestream.h"
#include "guardedserver.h"
#include "hitbatch.h"
#include "updateoffer.h"

namespace Service {

namespace {

using nlohmann::json;

const auto kReplace = json::error_handler_t::replace;

// The authorisation record is eight short strings; this leaves room for a few more.
constexpr BodyLimit kAuthBodyLimit{16 * 1024, 256};

const char* reasonFor(int status) {
    switch (status) {
        case 400:
            return "malformed request";
        case 401:
            return "authorisation required";
        case 404:
            return "no such resource";
        case 405:
            return "method not allowed";
        case 408:
            return "the request did not arrive in time";
        case 411:
            return "length required";
        case 413:
            return "request body too large";
        case 414:
            return "request URI too long";
        case 415:
            return "unsupported content encoding";
        case 431:
            return "request header fields too large";
        default:
            return status >= 500 ? "internal error" : "request failed";
    }
}

std::string printableForLog(const std::string& text) {
    std::string out;
    for (const char c : text.substr(0, 512)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7f || c == '"' || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

bool isCompressionLabel(const std::string& encoding) {
    return encoding == "gzip" || encoding == "deflate" || encoding == "br";
}

}  // namespace

DriverService::DriverService() = default;

DriverService::~DriverService() {
    if (accessLog_ != nullptr && accessLog_ != stderr) {
        std::fclose(accessLog_);
    }
}

std::int64_t DriverService::now() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool DriverService::start(const Options& options, std::string& error) {
    options_ = options;
    if (!options.configPath.empty() && !config_.load(options.configPath, error)) {
        error = "configuration: " + error;
        return false;
    }
    if (::mkdir(options.dataDir.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot create the data folder " + options.dataDir + ": " + std::strerror(errno);
        return false;
    }
    std::int64_t adopted = 0;
    if (!store_.open(options.store.empty() ? options.dataDir + "/service.db" : options.store, error,
                     static_cast<std::size_t>(config_.storeConnections)) ||
        !store_.adoptUploads(options.dataDir + "/service.db", adopted, error) ||
        !openSigner(error) || !files_.open(options.dataDir + "/files", error) ||
        !uploads_.open(options.dataDir + "/uploads", store_, error) || !catalog_.open(error) ||
        !resolveUpdateOffer(files_.root() + "/update", config_.update, error)) {
        return false;
    }
    if (config_.accessLog.empty()) {
        accessLog_ = stderr;
    } else {
        const std::string path = options.dataDir + "/" + config_.accessLog;
        const int fd = DataFile::open(path, O_WRONLY | O_APPEND | O_CREAT, error);
        accessLog_ = fd >= 0 ? ::fdopen(fd, "a") : nullptr;
        if (accessLog_ == nullptr) {
            if (fd >= 0) {
                ::close(fd);
                error = "cannot open the access log " + path;
            }
            return false;
        }
    }

    routes_.setFallback({config_.bodyLimit, config_.bodyLimit / 16});
    GuardedServer::Guards guards;
    guards.backlog = config_.listenBacklog;
    guards.threads = static_cast<std::size_t>(config_.threads);
    guards.head = {config_.headerCountLimit, config_.headerBytesLimit};
    guards.timing.request = std::chrono::seconds(config_.requestDeadlineSeconds);
    guards.timing.noProgress = std::chrono::seconds(config_.readTimeoutSeconds);
    guards.timing.write = std::chrono::seconds(config_.readTimeoutSeconds);
    guards.timing.minBytesPerSecond = config_.minBodyRate;
    server_ = std::make_unique<GuardedServer>(guards, routes_);
    const bool tls = !options.tlsCert.empty() || !options.tlsKey.empty();
    if (tls) {
        if (options.tlsCert.empty() || options.tlsKey.empty()) {
            error = "--tls-cert and --tls-key go together";
            return false;
        }
        if (!server_->useTls(options.tlsCert, options.tlsKey, error)) {
            return false;
        }
    }
    // Every JSON route bounds its own body; only the multipart upload may be larger.
    server_->set_payload_max_length(std::max(config_.bodyLimit, config_.uploadLimit));
    server_->set_keep_alive_max_count(static_cast<std::size_t>(config_.keepAliveMaxCount));
    server_->set_keep_alive_timeout(config_.keepAliveTimeoutSeconds);
    // Answers are small; waiting to coalesce them only adds delayed-ack latency.
    server_->set_tcp_nodelay(true);
    installRoutes();

    const int port = server_->bindAndListen(options.host, options.port);
    if (port < 0) {
        error = "cannot bind " + options.host +
                (options.port == 0 ? std::string() : ":" + std::to_string(options.port));
        return false;
    }
    const std::string host =
        options.host.find(':') != std::string::npos ? "[" + options.host + "]" : options.host;
    baseUrl_ = std::string(tls ? "https" : "http") + "://" + host + ":" + std::to_string(port);
    prepareSettingsAnswer();
    writes_ = std::make_unique<WriteQueue>(
        store_, [this](const std::string& message) { logStoreError(message); });
    writes_->start();
    return true;
}

bool DriverService::openSigner(std::string& error) {
    if (!options_.tokenKey.empty()) {
        return signer_.openKeyFile(options_.tokenKey, error);
    }
    // Instances sharing a store must accept each other's tokens, so they share its key.
    if (!store_.shared()) {
        return signer_.open(options_.dataDir + "/token.key", error);
    }
    std::string secret;
    if (!store_.signingSecret(secret, error)) {
        error = "the token signing key: " + error;
        return false;
    }
    signer_.useSecret(secret);
    return true;
}

bool DriverService::run() {
    return server_->listen_after_bind();
}

void DriverService::stop() {
    if (server_) {
        server_->stop();
    }
}

void DriverService::closeStore() {
    if (writes_) {
        writes_->stop();
    }
    store_.close();
    uploads_.close();
    std::lock_guard<std::mutex> lock(logMutex_);
    std::fflush(accessLog_);
}

void DriverService::installRoutes() {
    GuardedServer& server = *server_;

    // Each route that reads a body says here how much it may carry.
    routes_.set("PUT", "/app/auth", kAuthBodyLimit);
    routes_.set("POST", "/collect/batch", {config_.collectMaxBatchBytes, 0});
    routes_.set("POST", "/upload/upload", {config_.uploadLimit, 0});
    server_->setRefusalHandler([this](const httplib::Request& request, httplib::Response& response,
                                      const std::string& message) {
        fail(response, response.status, message);
        writeAccessLog(request, response);
    });

    server.Put("/app/auth", [this](const httplib::Request& request, httplib::Response& response,
                                   const httplib::ContentReader& reader) {
        handleAuth(request, response, reader);
    });
    server.Get("/app/settings",
               [this](const httplib::Request& request, httplib::Response& response) {
                   handleSettings(request, response);
               });
    server.Post(
        "/collect/batch",
        [this](const httplib::Request& request, httplib::Response& response,
               const httplib::ContentReader& reader) { handleCollect(request, response, reader); });
    server.Put("/updates/find", [this](const httplib::Request& request, httplib::Response& response,
                                       const httplib::ContentReader& reader) {
        handleUpdatesFind(request, response, reader);
    });

    installFileRoutes();
    installReportRoutes();

    const auto notAllowed = [](const httplib::Request&, httplib::Response& response) {
        fail(response, 405, "method not allowed");
    };
    const auto notAllowedWithBody = [](const httplib::Request&, httplib::Response& response,
                                       const httplib::ContentReader&) {
        fail(response, 405, "method not allowed");
        response.set_header("Connection", "close");
    };
    server.Get("/app/auth", notAllowed);
    server.Post("/app/auth", notAllowedWithBody);
    server.Put("/app/settings", notAllowedWithBody);
    server.Post("/app/settings", notAllowedWithBody);
    server.Get("/collect/batch", notAllowed);
    server.Put("/collect/batch", notAllowedWithBody);
    server.Get("/updates/find", notAllowed);
    server.Post("/updates/find", notAllowedWithBody);

    if (options_.testHooks) {
        server.Get("/_test/counters", [this](const httplib::Request&, httplib::Response& response) {
            handleCounters(response);
        });
        server.Get("/_test/collected",
                   [this](const httplib::Request&, httplib::Response& response) {
                       handleCollected(response);
                   });
    }

    server.set_error_handler([](const httplib::Request&, httplib::Response& response) {
        // A body the library read itself fails as malformed when its time ran out.
        if (DeadlineStream::currentRequestExpired() && response.status != 408) {
            response.status = 408;
            response.body.clear();
        }
        if (response.body.empty()) {
            fail(response, response.status, reasonFor(response.status));
        }
        if (response.status == 408) {
            response.set_header("Connection", "close");
        }
    });
    server.set_exception_handler([](const httplib::Request&, httplib::Response& response,
                                    std::exception_ptr) { fail(response, 500, "internal error"); });
    server.set_logger([this](const httplib::Request& request, const httplib::Response& response) {
        writeAccessLog(request, response);
    });
}

void DriverService::answer(httplib::Response& response, int status, const json& body) {
    response.status = status;
    // Clients announce gzip yet expect plain JSON back; the library compresses only the bare
    // "application/json" type, so the charset form keeps answers uncompressed.
    response.set_content(body.dump(-1, ' ', false, kReplace), "application/json; charset=utf-8");
}

void DriverService::fail(httplib::Response& response, int status, const std::string& message) {
    answer(response, status, json{{"error", {{"code", status}, {"message", message}}}});
}

DriverService::Failure DriverService::readBody(const httplib::Request& request,
                                               httplib::Response& response,
                                               const httplib::ContentReader& reader,
                                               std::size_t limit, std::string& body) const {
    // The reader would hand a multipart body to a form parser this service does not use.
    if (request.is_multipart_form_data()) {
        return {415, "multipart bodies are not accepted here"};
    }
    bool tooLarge = false;
    const bool complete = reader([&](const char* data, std::size_t length) {
        if (body.size() + length > limit) {
            tooLarge = true;
            return false;
        }
        body.append(data, length);
        return true;
    });
    if (tooLarge) {
        return {413, "request body exceeds " + std::to_string(limit) + " bytes"};
    }
    if (!complete && DeadlineStream::currentRequestExpired()) {
        return {408, reasonFor(408)};
    }
    if (!complete) {
        const int status = response.status >= 400 && response.status < 500 ? response.status : 400;
        return {status,
                status == 400 ? "the body could not be read or decompressed" : reasonFor(status)};
    }
    return {};
}

DriverService::Failure DriverService::readJson(const httplib::Request& request,
                                               httplib::Response& response,
                                               const httplib::ContentReader& reader,
                                               json& document) const {
    const BodyLimit limit = routes_.find(request.method, request.path);
    std::string body;
    Failure failure = readBody(request, response, reader, limit.bytes, body);
    if (failure.status != 0) {
        return failure;
    }
    // A labelled body was inflated while it was read; an unlabelled one may still be a
    // compressed stream, since clients are not consistent about the label.
    const std::string encoding = request.get_header_value("Content-Encoding");
    if (!encoding.empty() && encoding != "identity" && !isCompressionLabel(encoding)) {
        return {415, "unsupported content encoding"};
    }
    if (!isCompressionLabel(encoding) && BodyDecoder::looksCompressed(body)) {
        std::string inflated;
        switch (BodyDecoder::inflate(body, limit.bytes, inflated)) {
            case BodyDecoder::Result::Ok:
                body.swap(inflated);
                break;
            case BodyDecoder::Result::TooLarge:
                return {413, "decompressed body exceeds " + std::to_string(limit.bytes) + " bytes"};
            case BodyDecoder::Result::Malformed:
                return {400, "the body is not a complete zlib or gzip stream"};
        }
    }
    if (body.empty()) {
        return {400, "the body is empty"};
    }
    switch (BodyDecoder::parse(body, config_.jsonDepthLimit, limit.jsonElements, document)) {
        case BodyDecoder::Parse::Ok:
            return {};
        case BodyDecoder::Parse::TooDeep:
            return {400, "the JSON nests deeper than " + std::to_string(config_.jsonDepthLimit)};
        case BodyDecoder::Parse::TooManyElements:
            return {413,
                    "the JSON holds more than " + std::to_string(limit.jsonElements) + " values"};
        case BodyDecoder::Parse::NotJson:
            break;
    }
    return {400, "the body is not JSON"};
}

bool DriverService::acceptJson(const httplib::Request& request, httplib::Response& response,
                               const httplib::ContentReader& reader, json& document) const {
    const Failure failure = readJson(request, response, reader, document);
    if (failure.status == 0) {
        return true;
    }
    fail(response, failure.status, failure.message);
    response.set_header("Connection", "close");
    return false;
}

void DriverService::handleAuth(const httplib::Request& request, httplib::Response& response,
                               const httplib::ContentReader& reader) {
    ++authCount_;
    json document;
    if (!acceptJson(request, response, reader, document)) {
        return;
    }
    AuthRecord record;
    std::string error;
    if (!record.parse(document, error)) {
        fail(response, 400, error);
        return;
    }
    const ForcedError& forced = config_.authError;
    if (forced.enabled) {
        answer(response, forced.status,
               json{{"error", {{"code", forced.code}, {"message", forced.message}}}});
        return;
    }
    const std::int64_t issuedAt = now();
    if (!store_.recordInstallation(record, issuedAt, error)) {
        fail(response, 500, "cannot record the installation");
        logStoreError(error);
        return;
    }
    answer(response, 200,
           json{{"token", signer_.issue(record.appid, issuedAt, config_.tokenTtl)},
                {"ttl", config_.tokenTtl},
                {"timestamp", issuedAt}});
}

void DriverService::handleSettings(const httplib::Request& request, httplib::Response& response) {
    ++settingsCount_;
    TokenSigner::Claims claims;
    if (!authorised(request, response, &claims)) {
        return;
    }
    if (!config_.settingsError.enabled) {
        writes_->push({claims.subject, request.get_param_value("ppg").substr(0, 256), now()});
    }
    response.status = settingsStatus_;
    response.set_content(settingsAnswer_, "application/json; charset=utf-8");
}

void DriverService::prepareSettingsAnswer() {
    const ForcedError& forced = config_.settingsError;
    if (forced.enabled) {
        settingsStatus_ = forced.status;
        settingsAnswer_ =
            json{{"error", {{"code", forced.code}, {"message", forced.message}}}}.dump(
                -1, ' ', false, kReplace);
        return;
    }
    json urls = {{"public", config_.publicUrls}};
    if (!config_.apiOmitted) {
        urls["api"] = endpointTable();
    }
    settingsStatus_ = 200;
    settingsAnswer_ =
        json{{"urls", urls},
             {"user_drivers",
              {{"enabled", config_.userDriversEnabled}, {"max_size", config_.userDriversMaxSize}}},
             {"drivers", {{"updated_at", config_.driversUpdatedAt}}},
             {"ga", {{"id", config_.gaId}}},
             {"update", config_.update},
             {"user_country", config_.userCountry},
             {"contact_email", config_.contactEmail}}
            .dump(-1, ' ', false, kReplace);
}

json DriverService::endpointTable() const {
    const std::string base = config_.publicBaseUrl.empty() ? baseUrl_ : config_.publicBaseUrl;
    json table = {
        {"app_auth", base + "/app/auth"},         {"app_settings", base + "/app/settings"},
        {"app_update", base + "/app/update"},     {"updates_find", base + "/updates/find"},
        {"upload_check", base + "/upload/check"}, {"upload_upload", base + "/upload/upload"}};
    for (const auto& item : config_.apiOverrides.items()) {
        table[item.key()] = item.value();
    }
    return table;
}

void DriverService::handleCollect(const httplib::Request& request, httplib::Response& response,
                                  const httplib::ContentReader& reader) {
    ++batchCount_;
    std::string body;
    const Failure failure = readBody(request, response, reader, config_.collectMaxBatchBytes, body);
    if (failure.status != 0) {
        fail(response, failure.status, failure.message);
        response.set_header("Connection", "close");
        return;
    }
    HitBatch batch;
    std::string error;
    if (!batch.parse(body, {config_.collectMaxHits, config_.collectMaxHitBytes}, error)) {
        fail(response, 400, error);
        return;
    }
    if (!store_.recordHits(batch.hits(), now(), error)) {
        fail(response, 500, "cannot store the hits");
        logStoreError(error);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(collectedMutex_);
        for (const std::string& hit : batch.hits()) {
            collected_.push_back(hit);
        }
        while (collected_.size() > config_.collectKeep) {
            collected_.pop_front();
        }
    }
    hitCount_ += batch.hits().size();
    response.status = 200;
}

void DriverService::handleCounters(httplib::Response& response) {
    answer(response, 200,
           json{{"auth", authCount_.load()},
                {"settings", settingsCount_.load()},
                {"collect_batches", batchCount_.load()},
                {"collect_hits", hitCount_.load()}});
}

void DriverService::handleCollected(httplib::Response& response) {
    json hits = json::array();
    {
        std::lock_guard<std::mutex> lock(collectedMutex_);
        for (const std::string& hit : collected_) {
            hits.push_back(hit);
        }
    }
    answer(response, 200, json{{"hits", hits}});
}

void DriverService::writeAccessLog(const httplib::Request& request,
                                   const httplib::Response& response) {
    const std::time_t seconds = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &utc);
    std::lock_guard<std::mutex> lock(logMutex_);
    std::fprintf(accessLog_, "%s %s \"%s %s\" %d %zu\n", stamp,
                 printableForLog(request.remote_addr).c_str(),
                 printableForLog(request.method).c_str(), printableForLog(request.path).c_str(),
                 response.status, response.body.size());
    std::fflush(accessLog_);
}

void DriverService::logStoreError(const std::string& error) {
    std::lock_guard<std::mutex> lock(logMutex_);
    std::fprintf(accessLog_, "store error: %s\n", printableForLog(error).c_str());
    std::fflush(accessLog_);
}

}  // namespace Service

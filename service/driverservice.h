#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

#include <nlohmann/json.hpp>

#include "catalog.h"
#include "filehosting.h"
#include "routelimits.h"
#include "serviceconfig.h"
#include "servicestore.h"
#include "tokensigner.h"
#include "uploadstore.h"
#include "writequeue.h"

namespace httplib {
struct Request;
struct Response;
class ContentReader;
}  // namespace httplib

namespace Service {

class GuardedServer;

// The reference service: authorisation, settings, file hosting, the driver search and the
// analytics collector over HTTP(S).
class DriverService {
public:
    struct Options {
        std::string dataDir;
        std::string host = "127.0.0.1";
        int port = 0;
        std::string tlsCert;
        std::string tlsKey;
        std::string configPath;
        // A postgresql:// URL shared by every instance; empty: service.db in the data folder.
        std::string store;
        // The token key shared by every instance given it; empty: the store's or token.key.
        std::string tokenKey;
        bool testHooks = false;
    };

    DriverService();
    ~DriverService();

    // Opens the data folder, loads the configuration and binds the listening socket.
    bool start(const Options& options, std::string& error);
    const std::string& baseUrl() const { return baseUrl_; }

    // Serves until stop(); false when the server could not run.
    bool run();
    void stop();
    // Closes the store and the access log; later requests fail with 500.
    void closeStore();

private:
    struct Failure {
        int status = 0;
        std::string message;
    };

    bool openSigner(std::string& error);
    void installRoutes();
    void prepareSettingsAnswer();
    void handleAuth(const httplib::Request& request, httplib::Response& response,
                    const httplib::ContentReader& reader);
    void handleSettings(const httplib::Request& request, httplib::Response& response);
    void handleCollect(const httplib::Request& request, httplib::Response& response,
                       const httplib::ContentReader& reader);
    void installFileRoutes();
    // Checks the bearer token; a 401 answer when it is not valid. Claims when asked for.
    bool authorised(const httplib::Request& request, httplib::Response& response,
                    TokenSigner::Claims* claims = nullptr) const;
    void handleFile(const httplib::Request& request, httplib::Response& response,
                    const std::string& relative);
    void handleAppUpdate(const httplib::Request& request, httplib::Response& response);
    void handleUploadCheck(const httplib::Request& request, httplib::Response& response,
                           const httplib::ContentReader& reader);
    void handleUpload(const httplib::Request& request, httplib::Response& response,
                      const httplib::ContentReader& reader);
    // Defined in catalogservice.cpp.
    void handleUpdatesFind(const httplib::Request& request, httplib::Response& response,
                           const httplib::ContentReader& reader);
    // Defined in reportroutes.cpp.
    void installReportRoutes();
    void handleInstallReport(const httplib::Request& request, httplib::Response& response,
                             const httplib::ContentReader& reader);
    void handleCounters(httplib::Response& response);
    void handleCollected(httplib::Response& response);

    Failure readBody(const httplib::Request& request, httplib::Response& response,
                     const httplib::ContentReader& reader, std::size_t limit,
                     std::string& body) const;
    Failure readJson(const httplib::Request& request, httplib::Response& response,
                     const httplib::ContentReader& reader, nlohmann::json& document) const;
    // readJson that answers a failure itself, with the error object, and closes.
    bool acceptJson(const httplib::Request& request, httplib::Response& response,
                    const httplib::ContentReader& reader, nlohmann::json& document) const;
    nlohmann::json endpointTable() const;
    void writeAccessLog(const httplib::Request& request, const httplib::Response& response);
    void logStoreError(const std::string& error);

    static void answer(httplib::Response& response, int status, const nlohmann::json& body);
    static void fail(httplib::Response& response, int status, const std::string& message);
    static std::int64_t now();

    Options options_;
    ServiceConfig config_;
    std::string baseUrl_;
    RouteLimits routes_;
    std::unique_ptr<GuardedServer> server_;
    TokenSigner signer_;
    ServiceStore store_;
    std::unique_ptr<WriteQueue> writes_;
    // The configuration is fixed once bound, and so is the settings answer.
    int settingsStatus_ = 200;
    std::string settingsAnswer_;
    FileHosting files_;
    UploadStore uploads_;
    Catalog catalog_{store_};

    std::mutex logMutex_;
    std::FILE* accessLog_ = nullptr;

    std::atomic<std::uint64_t> authCount_{0};
    std::atomic<std::uint64_t> settingsCount_{0};
    std::atomic<std::uint64_t> batchCount_{0};
    std::atomic<std::uint64_t> hitCount_{0};
    std::mutex collectedMutex_;
    std::deque<std::string> collected_;
};

}  // namespace Service

#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

#include <nlohmann/json.hpp>

#include "filehosting.h"
#include "serviceconfig.h"
#include "servicestore.h"
#include "tokensigner.h"
#include "uploadstore.h"

namespace httplib {
class Server;
struct Request;
struct Response;
class ContentReader;
}  // namespace httplib

namespace Service {

// The reference service: authorisation, settings and the analytics collector over HTTP(S).
class DriverService {
public:
    struct Options {
        std::string dataDir;
        std::string host = "127.0.0.1";
        int port = 0;
        std::string tlsCert;
        std::string tlsKey;
        std::string configPath;
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

    void installRoutes();
    void handleAuth(const httplib::Request& request, httplib::Response& response,
                    const httplib::ContentReader& reader);
    void handleSettings(const httplib::Request& request, httplib::Response& response);
    void handleCollect(const httplib::Request& request, httplib::Response& response,
                       const httplib::ContentReader& reader);
    void installFileRoutes();
    bool authorised(const httplib::Request& request, httplib::Response& response) const;
    void handleFile(const httplib::Request& request, httplib::Response& response,
                    const std::string& relative);
    void handleAppUpdate(const httplib::Request& request, httplib::Response& response);
    void handleUploadCheck(const httplib::Request& request, httplib::Response& response,
                           const httplib::ContentReader& reader);
    void handleUpload(const httplib::Request& request, httplib::Response& response,
                      const httplib::ContentReader& reader);
    void handleCounters(httplib::Response& response);
    void handleCollected(httplib::Response& response);

    Failure readBody(const httplib::Request& request, httplib::Response& response,
                     const httplib::ContentReader& reader, std::size_t limit,
                     std::string& body) const;
    Failure readJson(const httplib::Request& request, httplib::Response& response,
                     const httplib::ContentReader& reader, nlohmann::json& document) const;
    nlohmann::json endpointTable() const;
    void writeAccessLog(const httplib::Request& request, const httplib::Response& response);

    static void answer(httplib::Response& response, int status, const nlohmann::json& body);
    static void fail(httplib::Response& response, int status, const std::string& message);
    static std::int64_t now();

    Options options_;
    ServiceConfig config_;
    std::string baseUrl_;
    std::unique_ptr<httplib::Server> server_;
    TokenSigner signer_;
    ServiceStore store_;
    FileHosting files_;
    UploadStore uploads_;

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

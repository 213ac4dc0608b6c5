#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>

#include <httplib.h>

#include "deadlinestream.h"
#include "requesthead.h"
#include "routelimits.h"

using SSL_CTX = struct ssl_ctx_st;

namespace Service {

class WorkerPool;

// The HTTP server with the bounds the library lacks: a deep listen queue, a bounded request
// head, one read deadline per request, body framing checked before any handler runs, and
// kept-alive connections that give way when accepted ones wait for a worker. Plain or TLS.
class GuardedServer : public httplib::Server {
public:
    struct Guards {
        int backlog = 1024;
        std::size_t threads = 32;
        RequestHead::Limits head;
        DeadlineStream::Timing timing;
    };
    // Fills the answer to a request refused before routing; the status is set already.
    using RefusalHandler =
        std::function<void(const httplib::Request&, httplib::Response&, const std::string&)>;

    GuardedServer(const Guards& guards, const RouteLimits& routes);
    ~GuardedServer() override;

    bool useTls(const std::string& certFile, const std::string& keyFile, std::string& error);
    bool tls() const { return ctx_ != nullptr; }
    void setRefusalHandler(RefusalHandler handler) { refusal_ = std::move(handler); }
    // Binds host:port (0 for an ephemeral port) and listens with the configured backlog;
    // the bound port, or -1.
    int bindAndListen(const std::string& host, int port);

private:
    bool process_and_close_socket(int sock) override;
    void serve(DeadlineStream& stream);
    void refuse(DeadlineStream& stream, const RequestHead& head, int status,
                const std::string& message);
    bool underPressure() const;

    Guards guards_;
    const RouteLimits& routes_;
    RefusalHandler refusal_;
    SSL_CTX* ctx_ = nullptr;
    std::atomic<WorkerPool*> pool_{nullptr};
};

}  // namespace Service

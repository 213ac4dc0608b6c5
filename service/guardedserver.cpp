#include "guardedserver.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <openssl/err.h>
#include <openssl/ssl.h>

#include "workerpool.h"

namespace Service {

namespace {

const char* statusText(int status) {
    switch (status) {
        case 400:
            return "Bad Request";
        case 408:
            return "Request Timeout";
        case 411:
            return "Length Required";
        case 413:
            return "Payload Too Large";
        case 431:
            return "Request Header Fields Too Large";
        default:
            return "Error";
    }
}

std::string sslError() {
    const unsigned long code = ERR_get_error();
    char text[256] = "unknown error";
    if (code != 0) {
        ERR_error_string_n(code, text, sizeof text);
    }
    ERR_clear_error();
    return text;
}

}  // namespace

GuardedServer::GuardedServer(const Guards& guards, const RouteLimits& routes)
    : guards_(guards), routes_(routes) {
    new_task_queue = [this] {
        auto* pool = new WorkerPool(guards_.threads);
        pool_ = pool;
        return pool;
    };
}

GuardedServer::~GuardedServer() {
    SSL_CTX_free(ctx_);
}

bool GuardedServer::useTls(const std::string& certFile, const std::string& keyFile,
                           std::string& error) {
    SSL_CTX* ctx = SSL_CTX_new(TLS_server_method());
    if (ctx == nullptr) {
        error = "cannot create the TLS context: " + sslError();
        return false;
    }
    SSL_CTX_set_min_proto_version(ctx, TLS1_2_VERSION);
    SSL_CTX_set_options(ctx, SSL_OP_NO_COMPRESSION | SSL_OP_NO_SESSION_RESUMPTION_ON_RENEGOTIATION |
                                 SSL_OP_NO_RENEGOTIATION);
    SSL_CTX_set_mode(ctx, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    if (SSL_CTX_use_certificate_chain_file(ctx, certFile.c_str()) != 1) {
        error = "cannot load the TLS certificate " + certFile + ": " + sslError();
    } else if (SSL_CTX_use_PrivateKey_file(ctx, keyFile.c_str(), SSL_FILETYPE_PEM) != 1) {
        error = "cannot load the TLS key " + keyFile + ": " + sslError();
    } else if (SSL_CTX_check_private_key(ctx) != 1) {
        error = "the TLS key " + keyFile + " does not match the certificate " + certFile;
    } else {
        SSL_CTX_free(ctx_);
        ctx_ = ctx;
        return true;
    }
    SSL_CTX_free(ctx);
    return false;
}

int GuardedServer::bindAndListen(const std::string& host, int port) {
    if (port == 0) {
        port = bind_to_any_port(host);
    } else if (!bind_to_port(host, port)) {
        port = -1;
    }
    // The library listens with a queue of 5, which overflows at the first burst of clients;
    // listening again on the bound socket only deepens the queue.
    if (port >= 0 && ::listen(svr_sock_, guards_.backlog) != 0) {
        return -1;
    }
    return port;
}

bool GuardedServer::underPressure() const {
    const WorkerPool* pool = pool_;
    return pool != nullptr && pool->waiting() > 0;
}

bool GuardedServer::process_and_close_socket(int sock) {
    ::fcntl(sock, F_SETFL, ::fcntl(sock, F_GETFL) | O_NONBLOCK);
    SSL* ssl = nullptr;
    if (ctx_ != nullptr) {
        ssl = SSL_new(ctx_);
        if (ssl != nullptr) {
            SSL_set_fd(ssl, sock);
        }
    }
    if (ctx_ == nullptr || ssl != nullptr) {
        DeadlineStream stream(sock, ssl, guards_.timing);
        if (ssl == nullptr || stream.handshake()) {
            serve(stream);
        }
    }
    SSL_free(ssl);
    ::shutdown(sock, SHUT_RDWR);
    ::close(sock);
    return true;
}

void GuardedServer::serve(DeadlineStream& stream) {
    // Closing a kept-alive connection can cross a request its client is sending on it, and a
    // proxy does not resend a PUT that met the close. Proxies reuse the connection they used
    // last, so one left idle this long is spare, and only such a one gives way to waiting
    // connections; a busy one makes room by closing after its answer.
    constexpr std::chrono::milliseconds kSpareAfter(1000);
    const auto stopped = [this] { return svr_sock_ == INVALID_SOCKET; };
    const std::chrono::milliseconds idle(keep_alive_timeout_sec_ * 1000);
    for (std::size_t left = keep_alive_max_count_; left > 0 && !stopped(); --left) {
        // A new connection gets its first request in; only idle kept-alive ones give way.
        const bool first = left == keep_alive_max_count_;
        const auto wait = first ? std::chrono::milliseconds(guards_.timing.request) : idle;
        const auto spareFrom = DeadlineStream::Clock::now() + kSpareAfter;
        const auto idleGivesWay = [this, spareFrom] {
            return svr_sock_ == INVALID_SOCKET ||
                   (DeadlineStream::Clock::now() >= spareFrom && underPressure());
        };
        if (stream.waitForRequest(wait, first ? std::function<bool()>(stopped)
                                              : std::function<bool()>(idleGivesWay)) !=
            DeadlineStream::Wait::Ready) {
            return;
        }
        RequestHead head(guards_.head);
        switch (stream.readHead(head)) {
            case DeadlineStream::Head::Closed:
                return;
            case DeadlineStream::Head::TimedOut:
                refuse(stream, head, 408, "the request did not arrive in time");
                return;
            case DeadlineStream::Head::Refused:
                refuse(stream, head, head.status(), head.reason());
                return;
            case DeadlineStream::Head::Complete:
                break;
        }
        if (head.checkBody(routes_) != 0) {
            refuse(stream, head, head.status(), head.reason());
            return;
        }
        bool closed = false;
        const bool last = left == 1 || underPressure();
        if (!process_request(stream, last, closed, nullptr) || closed || last || stream.expired()) {
            return;
        }
    }
}

void GuardedServer::refuse(DeadlineStream& stream, const RequestHead& head, int status,
                           const std::string& message) {
    httplib::Request request;
    request.method = head.method();
    request.path = head.path();
    stream.get_remote_ip_and_port(request.remote_addr, request.remote_port);
    httplib::Response response;
    response.status = status;
    if (refusal_) {
        refusal_(request, response, message);
    }
    std::string out =
        "HTTP/1.1 " + std::to_string(response.status) + " " + statusText(response.status) + "\r\n";
    for (const auto& [name, value] : response.headers) {
        if (name != "Content-Length" && name != "Connection") {
            out += name + ": " + value + "\r\n";
        }
    }
    out += "Content-Length: " + std::to_string(response.body.size()) +
           "\r\nConnection: close\r\n\r\n" + response.body;
    if (stream.writeAll(out)) {
        stream.lingeringShutdown();
    }
}

}  // namespace Service

#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

#include <httplib.h>

#include "requesthead.h"

using SSL = struct ssl_st;

namespace Service {

// One connection's byte stream for the HTTP library, plain or TLS over a non-blocking
// socket. Reading a request has one deadline, set when its first byte is there and
// stretched only by body bytes at the minimum rate; a silent peer is cut sooner by the
// no-progress time-out. Nothing a peer sends resets the deadline. An answer has the same
// budget counted from its first byte, stretched by each byte the peer takes at the minimum
// rate, so a slow reader cannot hold a worker for ever either.
class DeadlineStream : public httplib::Stream {
public:
    using Clock = std::chrono::steady_clock;

    struct Timing {
        std::chrono::milliseconds request{10000};
        std::chrono::milliseconds noProgress{10000};
        std::chrono::milliseconds write{10000};
        // Body bytes per second that earn more time; 0 earns none.
        std::size_t minBytesPerSecond = 16384;
    };
    enum class Wait { Ready, Idle, Closed };
    enum class Head { Complete, Refused, TimedOut, Closed };

    DeadlineStream(int fd, SSL* ssl, const Timing& timing);
    ~DeadlineStream() override;
    DeadlineStream(const DeadlineStream&) = delete;
    DeadlineStream& operator=(const DeadlineStream&) = delete;

    // Completes the TLS handshake within the request time.
    bool handshake();
    // Waits up to idle for the next request; giveUp is asked a few times a second.
    Wait waitForRequest(std::chrono::milliseconds idle, const std::function<bool()>& giveUp);
    // Starts the next request's clock and reads its head, left unread for the library.
    Head readHead(RequestHead& head);
    // True once the current request ran out of time; it is then answered with 408.
    bool expired() const { return expired_; }
    // True when the library stopped before the end of the head it was given.
    bool headUnread() const { return headLeft_ > 0; }
    // Writes an answer of its own; false when the peer does not take it in time.
    bool writeAll(const std::string& data);
    // Lets a peer read an answer it is given before the connection closes.
    void lingeringShutdown();

    // Whether the request being handled on this thread ran out of time.
    static bool currentRequestExpired();

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* ptr, std::size_t size) override;
    ssize_t write(const char* ptr, std::size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    int socket() const override { return fd_; }

private:
    enum class Io { Data, Again, Closed, Failed };

    Clock::time_point readDeadline() const;
    Clock::time_point writeDeadline() const;
    Io receive(char* ptr, std::size_t size, ssize_t& got, short& wanted);
    bool waitFor(short events, Clock::time_point until) const;
    bool fill();

    int fd_;
    SSL* ssl_;
    Timing timing_;
    std::string buffer_;
    std::size_t offset_ = 0;
    Clock::time_point requestStart_;
    Clock::time_point lastProgress_;
    std::size_t headLeft_ = 0;
    std::size_t bodyBytes_ = 0;
    bool inBody_ = false;
    bool expired_ = false;
    Clock::time_point answerStart_;
    std::size_t answerBytes_ = 0;
};

}  // namespace Service

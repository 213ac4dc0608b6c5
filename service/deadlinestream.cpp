#include "deadlinestream.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <openssl/err.h>
#include <openssl/ssl.h>

namespace Service {

namespace {

thread_local const DeadlineStream* current = nullptr;

constexpr std::size_t kReadSize = 16 * 1024;

void addressOf(int fd, bool peer, std::string& ip, int& port) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    const int result = peer ? ::getpeername(fd, reinterpret_cast<sockaddr*>(&address), &length)
                            : ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ip.clear();
    port = 0;
    if (result != 0) {
        return;
    }
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(&address);
        ::inet_ntop(AF_INET, &v4->sin_addr, text, sizeof text);
        port = ntohs(v4->sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(&address);
        ::inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof text);
        port = ntohs(v6->sin6_port);
    }
    ip = text;
}

}  // namespace

DeadlineStream::DeadlineStream(int fd, SSL* ssl, const Timing& timing)
    : fd_(fd),
      ssl_(ssl),
      timing_(timing),
      requestStart_(Clock::now()),
      lastProgress_(requestStart_) {}

DeadlineStream::~DeadlineStream() {
    if (current == this) {
        current = nullptr;
    }
}

bool DeadlineStream::currentRequestExpired() {
    return current != nullptr && current->expired_;
}

DeadlineStream::Clock::time_point DeadlineStream::readDeadline() const {
    Clock::time_point deadline = requestStart_ + timing_.request;
    if (inBody_ && timing_.minBytesPerSecond > 0) {
        deadline += std::chrono::milliseconds(
            static_cast<std::int64_t>(bodyBytes_ * 1000 / timing_.minBytesPerSecond));
    }
    return std::min(deadline, lastProgress_ + timing_.noProgress);
}

bool DeadlineStream::waitFor(short events, Clock::time_point until) const {
    for (;;) {
        // Rounded up, so that giving up means the time has really come.
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now()).count();
        if (left <= 0) {
            return false;
        }
        pollfd entry{fd_, events, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(std::min<std::int64_t>(left, 1000)));
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

DeadlineStream::Io DeadlineStream::receive(char* ptr, std::size_t size, ssize_t& got,
                                           short& wanted) {
    wanted = POLLIN;
    if (ssl_ == nullptr) {
        for (;;) {
            got = ::recv(fd_, ptr, size, 0);
            if (got > 0) {
                return Io::Data;
            }
            if (got == 0) {
                return Io::Closed;
            }
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                return Io::Again;
            }
            if (errno != EINTR) {
                return Io::Failed;
            }
        }
    }
    ERR_clear_error();
    const int n = SSL_read(ssl_, ptr, static_cast<int>(std::min<std::size_t>(size, 1 << 30)));
    got = n;
    if (n > 0) {
        return Io::Data;
    }
    switch (SSL_get_error(ssl_, n)) {
        case SSL_ERROR_WANT_READ:
            return Io::Again;
        case SSL_ERROR_WANT_WRITE:
            wanted = POLLOUT;
            return Io::Again;
        case SSL_ERROR_ZERO_RETURN:
            return Io::Closed;
        default:
            return Io::Failed;
    }
}

bool DeadlineStream::fill() {
    char chunk[kReadSize];
    for (;;) {
        ssize_t got = 0;
        short wanted = 0;
        switch (receive(chunk, sizeof chunk, got, wanted)) {
            case Io::Data:
                buffer_.append(chunk, static_cast<std::size_t>(got));
                lastProgress_ = Clock::now();
                return true;
            case Io::Again:
                if (!waitFor(wanted, readDeadline())) {
                    expired_ = Clock::now() >= readDeadline();
                    return false;
                }
                break;
            case Io::Closed:
            case Io::Failed:
                return false;
        }
    }
}

bool DeadlineStream::handshake() {
    requestStart_ = lastProgress_ = Clock::now();
    for (;;) {
        ERR_clear_error();
        const int result = SSL_accept(ssl_);
        if (result == 1) {
            return true;
        }
        const int error = SSL_get_error(ssl_, result);
        const short wanted = error == SSL_ERROR_WANT_READ    ? POLLIN
                             : error == SSL_ERROR_WANT_WRITE ? POLLOUT
                                                             : 0;
        if (wanted == 0 || !waitFor(wanted, requestStart_ + timing_.request)) {
            return false;
        }
    }
}

DeadlineStream::Wait DeadlineStream::waitForRequest(std::chrono::milliseconds idle,
                                                    const std::function<bool()>& giveUp) {
    if (offset_ < buffer_.size() || (ssl_ != nullptr && SSL_pending(ssl_) > 0)) {
        return Wait::Ready;
    }
    const Clock::time_point until = Clock::now() + idle;
    while (Clock::now() < until) {
        const auto slice = std::min<std::int64_t>(
            100,
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count() +
                1);
        pollfd entry{fd_, POLLIN, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(slice));
        if (ready > 0) {
            return (entry.revents & POLLIN) != 0 ? Wait::Ready : Wait::Closed;
        }
        if ((ready < 0 && errno != EINTR) || giveUp()) {
            return Wait::Idle;
        }
    }
    return Wait::Idle;
}

DeadlineStream::Head DeadlineStream::readHead(RequestHead& head) {
    buffer_.erase(0, offset_);
    offset_ = 0;
    requestStart_ = lastProgress_ = Clock::now();
    inBody_ = false;
    bodyBytes_ = 0;
    expired_ = false;
    answerBytes_ = 0;
    current = this;
    for (;;) {
        switch (head.scan(buffer_.data(), buffer_.size())) {
            case RequestHead::State::Complete: {
                inBody_ = true;
                // The library reads the head again; only what follows it is body.
                bodyBytes_ = 0;
                const std::string renamed = RequestHead::kRangeHeader;
                const std::vector<std::size_t>& ranges = head.rangeHeaders();
                for (auto at = ranges.rbegin(); at != ranges.rend(); ++at) {
                    buffer_.replace(*at, std::strlen("Range"), renamed);
                }
                headLeft_ = head.size() + ranges.size() * (renamed.size() - std::strlen("Range"));
                return Head::Complete;
            }
            case RequestHead::State::Refused:
                return Head::Refused;
            case RequestHead::State::Incomplete:
                break;
        }
        if (!fill()) {
            return expired_ ? Head::TimedOut : Head::Closed;
        }
    }
}

ssize_t DeadlineStream::read(char* ptr, std::size_t size) {
    if (offset_ == buffer_.size()) {
        buffer_.clear();
        offset_ = 0;
        if (!fill()) {
            return -1;
        }
    }
    const std::size_t n = std::min(size, buffer_.size() - offset_);
    std::memcpy(ptr, buffer_.data() + offset_, n);
    offset_ += n;
    const std::size_t ofHead = std::min(n, headLeft_);
    headLeft_ -= ofHead;
    bodyBytes_ += n - ofHead;
    return static_cast<ssize_t>(n);
}

DeadlineStream::Clock::time_point DeadlineStream::writeDeadline() const {
    Clock::time_point deadline = answerStart_ + timing_.request;
    if (timing_.minBytesPerSecond > 0) {
        deadline += std::chrono::milliseconds(
            static_cast<std::int64_t>(answerBytes_ * 1000 / timing_.minBytesPerSecond));
    }
    return std::min(deadline, Clock::now() + timing_.write);
}

ssize_t DeadlineStream::write(const char* ptr, std::size_t size) {
    if (answerBytes_ == 0) {
        answerStart_ = Clock::now();
    }
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = 0;
        short wanted = POLLOUT;
        if (ssl_ == nullptr) {
            n = ::send(fd_, ptr + done, size - done, MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
                return -1;
            }
        } else {
            ERR_clear_error();
            n = SSL_write(ssl_, ptr + done,
                          static_cast<int>(std::min<std::size_t>(size - done, 1 << 30)));
            if (n <= 0) {
                const int error = SSL_get_error(ssl_, static_cast<int>(n));
                if (error == SSL_ERROR_WANT_READ) {
                    wanted = POLLIN;
                } else if (error != SSL_ERROR_WANT_WRITE) {
                    return -1;
                }
            }
        }
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            answerBytes_ += static_cast<std::size_t>(n);
        } else if (!waitFor(wanted, writeDeadline())) {
            return -1;
        }
    }
    return static_cast<ssize_t>(size);
}

bool DeadlineStream::writeAll(const std::string& data) {
    return write(data.data(), data.size()) == static_cast<ssize_t>(data.size());
}

void DeadlineStream::lingeringShutdown() {
    if (ssl_ != nullptr) {
        ERR_clear_error();
        SSL_shutdown(ssl_);
    }
    ::shutdown(fd_, SHUT_WR);
    // Closing with unread bytes resets the connection, which can destroy the answer before
    // the peer reads it; so a bounded amount is read and dropped first.
    const Clock::time_point until = Clock::now() + std::chrono::seconds(1);
    char scratch[kReadSize];
    for (std::size_t drained = 0; drained < 256 * 1024 && waitFor(POLLIN, until);) {
        const ssize_t n = ::recv(fd_, scratch, sizeof scratch, 0);
        if (n <= 0) {
            break;
        }
        drained += static_cast<std::size_t>(n);
    }
}

bool DeadlineStream::is_readable() const {
    return offset_ < buffer_.size() || (ssl_ != nullptr && SSL_pending(ssl_) > 0) ||
           waitFor(POLLIN, readDeadline());
}

bool DeadlineStream::is_writable() const {
    return waitFor(POLLOUT, Clock::now() + timing_.write);
}

void DeadlineStream::get_remote_ip_and_port(std::string& ip, int& port) const {
    addressOf(fd_, true, ip, port);
}

void DeadlineStream::get_local_ip_and_port(std::string& ip, int& port) const {
    addressOf(fd_, false, ip, port);
}

}  // namespace Service

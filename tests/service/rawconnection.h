// A plain loopback socket for requests that no well-behaved client would send.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>

class RawConnection {
public:
    explicit RawConnection(int port) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        ::inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
        connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawConnection() { ::close(fd_); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    bool connected() const { return connected_; }
    // False once the service has closed or reset the connection.
    bool send(const std::string& data) {
        return ::send(fd_, data.data(), data.size(), MSG_NOSIGNAL) ==
               static_cast<ssize_t>(data.size());
    }
    // Everything received until the service closes the connection or waitMs pass
    // without a byte.
    std::string receiveUntilClosed(int waitMs) {
        std::string answer;
        char buffer[4096];
        pollfd entry{fd_, POLLIN, 0};
        while (::poll(&entry, 1, waitMs) > 0) {
            const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
            if (n <= 0) {
                closed_ = true;
                break;
            }
            answer.append(buffer, static_cast<std::size_t>(n));
        }
        return answer;
    }
    bool closed() const { return closed_; }

private:
    int fd_ = -1;
    bool connected_ = false;
    bool closed_ = false;
};

// The status of the first answer in raw, or 0.
inline int statusOf(const std::string& raw) {
    return raw.rfind("HTTP/1.1 ", 0) == 0 ? std::atoi(raw.c_str() + 9) : 0;
}

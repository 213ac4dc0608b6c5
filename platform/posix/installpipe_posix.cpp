#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/installpipe.h"
#include "runtimedir.h"

namespace platform {

namespace {

constexpr int kPollMs = 100;
constexpr int kConnectRetryMs = 10;

std::string socketPath() {
    return posix::runtimePath("zavirepipe", ".sock");
}

bool makeAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof(address));
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Waits until fd is ready for events; false when keepWaiting gives up or poll fails.
bool waitReady(int fd, short events, const std::function<bool()>& keepWaiting,
               std::uint32_t& error) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, kPollMs);
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            error = static_cast<std::uint32_t>(errno);
            return false;
        }
        if (keepWaiting && !keepWaiting()) {
            // One last look: the peer may have written and left in the same moment.
            if (::poll(&entry, 1, 0) > 0) {
                return true;
            }
            error = ETIMEDOUT;
            return false;
        }
    }
}

bool writeAll(int fd, const void* data, size_t size, std::uint32_t& error) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t sent = ::send(fd, bytes, size, MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = static_cast<std::uint32_t>(errno);
            return false;
        }
        bytes += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

bool readAll(int fd, void* data, size_t size, const std::function<bool()>& keepWaiting,
             std::uint32_t& error) {
    char* bytes = static_cast<char*>(data);
    while (size > 0) {
        if (!waitReady(fd, POLLIN, keepWaiting, error)) {
            return false;
        }
        const ssize_t got = ::recv(fd, bytes, size, 0);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = static_cast<std::uint32_t>(errno);
            return false;
        }
        if (got == 0) {
            error = EPIPE;
            return false;
        }
        bytes += got;
        size -= static_cast<size_t>(got);
    }
    return true;
}

}  // namespace

struct InstallPipeServer::Impl {
    int listener = -1;
    int connection = -1;
    std::string path;
    std::uint32_t error = 0;
};

InstallPipeServer::InstallPipeServer() : d(std::make_unique<Impl>()) {}
InstallPipeServer::~InstallPipeServer() {
    close();
}

bool InstallPipeServer::create() {
    close();
    sockaddr_un address{};
    const std::string path = socketPath();
    if (!makeAddress(path, address)) {
        d->error = EACCES;
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        d->error = static_cast<std::uint32_t>(errno);
        return false;
    }
    // Only the first server may serve, as with a first pipe instance: a socket
    // someone still listens on is left alone, a stale one is replaced.
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0) {
        ::close(fd);
        d->error = EADDRINUSE;
        return false;
    }
    ::close(fd);
    ::unlink(path.c_str());
    d->listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (d->listener < 0 ||
        ::bind(d->listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(d->listener, 1) != 0) {
        d->error = static_cast<std::uint32_t>(errno);
        close();
        return false;
    }
    d->path = path;
    return true;
}

bool InstallPipeServer::accept(const KeepWaiting& keepWaiting) {
    if (d->listener < 0) {
        d->error = EBADF;
        return false;
    }
    if (!waitReady(d->listener, POLLIN, keepWaiting, d->error)) {
        return false;
    }
    d->connection = ::accept4(d->listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (d->connection < 0) {
        d->error = static_cast<std::uint32_t>(errno);
        return false;
    }
    return true;
}

bool InstallPipeServer::write(const void* data, size_t size) {
    return writeAll(d->connection, data, size, d->error);
}

bool InstallPipeServer::read(void* data, size_t size, const KeepWaiting& keepWaiting) {
    return readAll(d->connection, data, size, keepWaiting, d->error);
}

void InstallPipeServer::close() {
    if (d->connection >= 0) {
        ::close(d->connection);
        d->connection = -1;
    }
    if (d->listener >= 0) {
        ::close(d->listener);
        d->listener = -1;
    }
    if (!d->path.empty()) {
        ::unlink(d->path.c_str());
        d->path.clear();
    }
}

std::uint32_t InstallPipeServer::error() const {
    return d->error;
}

struct InstallPipeClient::Impl {
    int fd = -1;
    std::uint32_t error = 0;
};

InstallPipeClient::InstallPipeClient() : d(std::make_unique<Impl>()) {}

InstallPipeClient::~InstallPipeClient() {
    if (d->fd >= 0) {
        ::close(d->fd);
    }
}

InstallPipeClient::OpenResult InstallPipeClient::open() {
    sockaddr_un address{};
    if (!makeAddress(socketPath(), address)) {
        d->error = EACCES;
        return OpenResult::Failed;
    }
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kConnectWaitMs);
    for (;;) {
        d->fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (d->fd < 0) {
            d->error = static_cast<std::uint32_t>(errno);
            return OpenResult::Failed;
        }
        if (::connect(d->fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0) {
            break;
        }
        const int failed = errno;
        ::close(d->fd);
        d->fd = -1;
        // No socket yet, or the one a previous server left behind: the server may still come.
        const bool notThereYet = failed == ENOENT || failed == ECONNREFUSED;
        if (!notThereYet || std::chrono::steady_clock::now() >= deadline) {
            d->error = static_cast<std::uint32_t>(failed);
            return OpenResult::Failed;
        }
        ::usleep(kConnectRetryMs * 1000);
    }
    ucred peer{};
    socklen_t length = sizeof(peer);
    if (::getsockopt(d->fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0) {
        d->error = static_cast<std::uint32_t>(errno);
        return OpenResult::Failed;
    }
    if (peer.uid != ::getuid() || static_cast<std::uint32_t>(peer.pid) != parentProcessId()) {
        d->error = EPERM;
        return OpenResult::UntrustedServer;
    }
    return OpenResult::Opened;
}

bool InstallPipeClient::read(void* data, size_t size, const KeepWaiting& keepWaiting) {
    return readAll(d->fd, data, size, keepWaiting, d->error);
}

bool InstallPipeClient::write(const void* data, size_t size) {
    return writeAll(d->fd, data, size, d->error);
}

std::uint32_t InstallPipeClient::error() const {
    return d->error;
}

std::uint32_t parentProcessId() {
    return static_cast<std::uint32_t>(::getppid());
}

}  // namespace platform

#include "platform/activewindow.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

#include "runtimedir.h"

namespace platform {

namespace {

constexpr const char* kWordName = "quillonpro";

// The word lives in a small file mapped by every copy, so a value one copy
// stores is the value the next copy reads.
std::uint32_t* sharedWord() {
    static std::uint32_t* word = []() -> std::uint32_t* {
        const std::string path = posix::runtimePath(kWordName, ".window");
        if (path.empty()) {
            return nullptr;
        }
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            return nullptr;
        }
        struct stat info {};
        if (::fstat(fd, &info) != 0 || (info.st_size < static_cast<off_t>(sizeof(std::uint32_t)) &&
                                        ::ftruncate(fd, sizeof(std::uint32_t)) != 0)) {
            ::close(fd);
            return nullptr;
        }
        void* map =
            ::mmap(nullptr, sizeof(std::uint32_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        ::close(fd);
        return map == MAP_FAILED ? nullptr : static_cast<std::uint32_t*>(map);
    }();
    return word;
}

bool socketAddress(sockaddr_un& address) {
    const std::string path = posix::runtimePath(kWordName, ".activate");
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    std::memset(&address, 0, sizeof(address));
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

}  // namespace

std::uint32_t activeWindowHandle() {
    std::uint32_t* word = sharedWord();
    return word ? __atomic_load_n(word, __ATOMIC_SEQ_CST) : 0;
}

void setActiveWindowHandle(std::uint32_t handle) {
    if (std::uint32_t* word = sharedWord()) {
        __atomic_store_n(word, handle, __ATOMIC_SEQ_CST);
    }
}

bool activateWindow(std::uint32_t handle) {
    sockaddr_un address;
    if (handle == 0 || !socketAddress(address)) {
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    bool sent = false;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0) {
        sent = ::send(fd, &handle, sizeof(handle), MSG_NOSIGNAL) == sizeof(handle);
    }
    ::close(fd);
    return sent;
}

bool allowActivation(std::uint32_t) {
    // Only processes of this user can reach the socket; there is no filter to open.
    return true;
}

struct ActivationListener::Impl {
    int listenFd = -1;
    int stopPipe[2] = {-1, -1};
    std::thread thread;
    std::string path;

    void loop(const Handler& handler) {
        pollfd fds[2] = {{listenFd, POLLIN, 0}, {stopPipe[0], POLLIN, 0}};
        for (;;) {
            if (::poll(fds, 2, -1) < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return;
            }
            if (fds[1].revents != 0) {
                return;
            }
            const int client = ::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) {
                continue;
            }
            // A silent peer must not stall the listener.
            pollfd in = {client, POLLIN, 0};
            std::uint32_t handle = 0;
            if (::poll(&in, 1, 1000) > 0 &&
                ::recv(client, &handle, sizeof(handle), MSG_WAITALL) == sizeof(handle)) {
                handler(handle);
            }
            ::close(client);
        }
    }
};

ActivationListener::ActivationListener() : d(std::make_unique<Impl>()) {}

ActivationListener::~ActivationListener() {
    stop();
}

bool ActivationListener::start(Handler handler) {
    if (d->listenFd >= 0 || !handler) {
        return false;
    }
    sockaddr_un address;
    if (!socketAddress(address)) {
        return false;
    }
    // Only the copy holding the instance lock listens, so a socket file left
    // behind by a crashed copy is stale.
    ::unlink(address.sun_path);
    d->listenFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (d->listenFd < 0) {
        return false;
    }
    if (::bind(d->listenFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(d->listenFd, 4) != 0 || ::pipe2(d->stopPipe, O_CLOEXEC) != 0) {
        ::close(d->listenFd);
        d->listenFd = -1;
        return false;
    }
    d->path = address.sun_path;
    d->thread = std::thread([this, handler = std::move(handler)] { d->loop(handler); });
    return true;
}

void ActivationListener::stop() {
    if (d->listenFd < 0) {
        return;
    }
    const char wake = 1;
    if (::write(d->stopPipe[1], &wake, 1) != 1) {
        // The thread would never wake; closing the socket makes poll() return.
        ::shutdown(d->listenFd, SHUT_RDWR);
    }
    if (d->thread.joinable()) {
        d->thread.join();
    }
    ::close(d->listenFd);
    ::close(d->stopPipe[0]);
    ::close(d->stopPipe[1]);
    ::unlink(d->path.c_str());
    d->listenFd = -1;
    d->stopPipe[0] = d->stopPipe[1] = -1;
}

}  // namespace platform

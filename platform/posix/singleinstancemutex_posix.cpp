#include "platform/singleinstancemutex.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "runtimedir.h"

namespace platform {

struct SingleInstanceMutex::Impl {
    int fd = -1;
    bool existed = false;
    bool owned = false;
    std::uint32_t error = 0;

    bool tryLock() {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            owned = true;
            return true;
        }
        if (errno != EWOULDBLOCK) {
            error = static_cast<std::uint32_t>(errno);
        }
        return false;
    }
};

SingleInstanceMutex::SingleInstanceMutex(const std::string& name) : d(std::make_unique<Impl>()) {
    const std::string path = posix::runtimePath(name, ".lock");
    if (path.empty()) {
        d->error = EACCES;
        return;
    }
    d->fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (d->fd < 0) {
        d->error = static_cast<std::uint32_t>(errno);
        return;
    }
    // A lock held elsewhere is what a named mutex reports as already existing.
    d->existed = !d->tryLock() && d->error == 0;
}

SingleInstanceMutex::~SingleInstanceMutex() {
    release();
    if (d->fd >= 0) {
        ::close(d->fd);
    }
}

bool SingleInstanceMutex::isValid() const {
    return d->fd >= 0;
}
bool SingleInstanceMutex::alreadyExisted() const {
    return d->existed;
}
bool SingleInstanceMutex::isOwned() const {
    return d->owned;
}
std::uint32_t SingleInstanceMutex::error() const {
    return d->error;
}

SingleInstanceMutex::WaitResult SingleInstanceMutex::wait(std::uint32_t timeoutMs) {
    if (d->fd < 0) {
        return WaitResult::Failed;
    }
    if (d->owned) {
        return WaitResult::Acquired;
    }
    // flock() has no time-out of its own; the lock is free within a poll interval
    // of its holder ending, which is quick enough for a program start.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (d->tryLock()) {
            return WaitResult::Acquired;
        }
        if (d->error != 0) {
            return WaitResult::Failed;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return WaitResult::Timeout;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void SingleInstanceMutex::release() {
    if (d->owned) {
        ::flock(d->fd, LOCK_UN);
        d->owned = false;
    }
}

}  // namespace platform

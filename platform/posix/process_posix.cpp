#include "platform/process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <thread>

#include "childprocess.h"

namespace platform {

struct Process::Impl {
    pid_t pid = 0;
    bool running = false;
    int exitCode = -1;
    std::uint32_t error = 0;

    bool reap(bool block) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, block ? 0 : WNOHANG);
        if (done != pid) {
            return false;
        }
        running = false;
        exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return true;
    }
};

Process::Process() : d(std::make_unique<Impl>()) {}

Process::~Process() {
    // A child nobody waits for would stay a zombie until this program ends.
    if (d && d->running && !d->reap(false)) {
        posix::reapInBackground(d->pid);
    }
}

Process::Process(Process&&) noexcept = default;
Process& Process::operator=(Process&&) noexcept = default;

bool Process::start(const std::string& program, const std::vector<std::string>& arguments) {
    if (d->running) {
        return false;
    }
    const int result = posix::spawnProgram(program, arguments, nullptr, nullptr, d->pid);
    if (result != 0) {
        d->error = static_cast<std::uint32_t>(result);
        return false;
    }
    d->running = true;
    d->exitCode = -1;
    d->error = 0;
    return true;
}

bool Process::isRunning() const {
    return d->running && !d->reap(false);
}
std::uint32_t Process::pid() const {
    return static_cast<std::uint32_t>(d->pid);
}
std::uint32_t Process::error() const {
    return d->error;
}
int Process::exitCode() const {
    return d->exitCode;
}

bool Process::waitForExit(std::uint32_t timeoutMs) {
    if (!d->running) {
        return d->pid != 0;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!d->reap(false)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        // Fine steps: a child that has just answered ends within a millisecond or two, and
        // the install round trip waits for that.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void Process::kill() {
    if (d->running) {
        ::kill(d->pid, SIGKILL);
        d->reap(true);
    }
}

std::uint32_t currentProcessId() {
    return static_cast<std::uint32_t>(::getpid());
}

std::string currentExecutablePath() {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

void sleepMs(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace platform

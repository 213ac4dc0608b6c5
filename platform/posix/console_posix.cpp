#include "platform/console.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <thread>

namespace platform {

namespace {

int g_wakeWrite = -1;

void onSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds an interruption not yet handled.
    [[maybe_unused]] const ssize_t written = write(g_wakeWrite, &byte, 1);
    errno = saved;
}

}  // namespace

bool isTerminal(StandardStream stream) {
    const int fd = stream == StandardStream::Input    ? STDIN_FILENO
                   : stream == StandardStream::Output ? STDOUT_FILENO
                                                      : STDERR_FILENO;
    return isatty(fd) == 1;
}

void setInterruptHandler(std::function<void()> handler) {
    int fds[2];
    if (g_wakeWrite >= 0 || pipe(fds) != 0) {
        return;
    }
    g_wakeWrite = fds[1];
    // A signal handler may do almost nothing; the handler runs on this thread instead.
    std::thread([read = fds[0], handler = std::move(handler)] {
        char byte = 0;
        for (;;) {
            const ssize_t got = ::read(read, &byte, 1);
            if (got == 1) {
                handler();
            } else if (got < 0 && errno == EINTR) {
                continue;
            } else {
                return;
            }
        }
    }).detach();
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace platform

// The console services of the command-line program: whether output goes to a terminal, and
// interruptions delivered to a handler on a thread of its own instead of ending the process.
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <thread>

#include "check.h"
#include "platform/console.h"

namespace {

struct Interruptions {
    std::mutex mutex;
    std::condition_variable changed;
    int count = 0;
    bool onOwnThread = true;
};

}  // namespace

TEST_CASE("redirected output is no terminal") {
    // CTest reads both streams through pipes.
    CHECK(!platform::isTerminal(platform::StandardStream::Output));
    CHECK(!platform::isTerminal(platform::StandardStream::Error));
}

TEST_CASE("interruptions reach the handler, not the default action") {
    static Interruptions seen;
    const std::thread::id main = std::this_thread::get_id();
    platform::setInterruptHandler([main] {
        std::lock_guard<std::mutex> lock(seen.mutex);
        ++seen.count;
        seen.onOwnThread = seen.onOwnThread && std::this_thread::get_id() != main;
        seen.changed.notify_all();
    });
#ifdef _WIN32
    // Wine delivers no console control event to a process without a console; the handler's
    // registration is what can be proven here.
    CHECK(seen.count == 0);
#else
    for (const int signal : {SIGINT, SIGTERM}) {
        CHECK(std::raise(signal) == 0);
    }
    std::unique_lock<std::mutex> lock(seen.mutex);
    CHECK(seen.changed.wait_for(lock, std::chrono::seconds(20), [] { return seen.count == 2; }));
    CHECK(seen.onOwnThread);
#endif
}

CHECK_MAIN

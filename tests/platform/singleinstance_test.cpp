// The single-instance lock, the shared window word and the activation message,
// each seen from a second process as a second copy of the program would.
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "check.h"
#include "platform/activewindow.h"
#include "platform/process.h"
#include "platform/singleinstancemutex.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <atomic>
#endif

using platform::SingleInstanceMutex;

namespace {

std::string uniqueName(const char* what) {
    return std::string("QUILLON_TEST-") + what + "-" + std::to_string(platform::currentProcessId());
}

int runChild(const std::vector<std::string>& arguments, std::uint32_t timeoutMs = 20000) {
    platform::Process child;
    if (!child.start(platform::currentExecutablePath(), arguments)) {
        return -1;
    }
    if (!child.waitForExit(timeoutMs)) {
        child.kill();
        return -2;
    }
    return child.exitCode();
}

bool waitForWord(std::uint32_t expected, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += 10) {
        if (platform::activeWindowHandle() == expected) {
            return true;
        }
        platform::sleepMs(10);
    }
    return false;
}

// Roles of the second process. Exit codes say which expectation failed.
int childWait(const std::string& name, std::uint32_t word) {
    SingleInstanceMutex mutex(name);
    if (!mutex.isValid() || !mutex.alreadyExisted() || mutex.isOwned()) {
        return 2;
    }
    if (platform::activeWindowHandle() != word) {
        return 3;
    }
    // Tells the first process it may release the lock now.
    platform::setActiveWindowHandle(word + 1);
    return mutex.wait(10000) == SingleInstanceMutex::WaitResult::Acquired ? 0 : 4;
}

int childTimeout(const std::string& name) {
    SingleInstanceMutex mutex(name);
    if (!mutex.alreadyExisted()) {
        return 2;
    }
    return mutex.wait(200) == SingleInstanceMutex::WaitResult::Timeout ? 0 : 3;
}

int childActivate(std::uint32_t handle) {
    return platform::activateWindow(handle) ? 0 : 2;
}

#ifdef _WIN32
LONG received = 0;

LRESULT CALLBACK countingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == platform::kActivationMessage) {
        ::InterlockedIncrement(&received);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}
#endif

}  // namespace

TEST_CASE(
    "mutex: the first copy owns it, a second finds it existing and acquires it after release") {
    const std::string name = uniqueName("wait");
    platform::Process child;
    {
        SingleInstanceMutex first(name);
        REQUIRE(first.isValid());
        CHECK(!first.alreadyExisted());
        CHECK(first.isOwned());
        platform::setActiveWindowHandle(0x1234);

        REQUIRE(child.start(platform::currentExecutablePath(), {"child-wait", name, "4660"}));
        // The child publishes 0x1235 once it has seen the lock taken and read 0x1234.
        const bool handshake = waitForWord(0x1235, 15000);
        CHECK(handshake);
        if (!handshake) {
            child.kill();
            return;
        }
        first.release();
        CHECK(!first.isOwned());
        REQUIRE(child.waitForExit(15000));
    }
    CHECK_EQ(child.exitCode(), 0);
}

TEST_CASE("mutex: a waiting copy gives up after its time-out while the first holds it") {
    const std::string name = uniqueName("timeout");
    SingleInstanceMutex first(name);
    REQUIRE(first.isOwned());
    CHECK_EQ(runChild({"child-timeout", name}), 0);
    CHECK(first.isOwned());
}

TEST_CASE("mutex: released by a copy that ends, so the next copy owns it at once") {
    const std::string name = uniqueName("ended");
    { SingleInstanceMutex first(name); }
    SingleInstanceMutex second(name);
    CHECK(second.isOwned());
    CHECK(!second.alreadyExisted());
    CHECK(second.wait(0) == SingleInstanceMutex::WaitResult::Acquired);
}

TEST_CASE("activation: a second process reaches the running copy's window") {
#ifdef _WIN32
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = countingWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuillonActivationTest";
    REQUIRE(::RegisterClassW(&windowClass) != 0);
    HWND window = ::CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, windowClass.hInstance, nullptr);
    REQUIRE(window != nullptr);
    const auto handle = static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(window));
    CHECK(platform::allowActivation(handle));
    CHECK_EQ(runChild({"child-activate", std::to_string(handle)}), 0);
    MSG message;
    for (int i = 0; i < 200 && received == 0; ++i) {
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
        ::Sleep(10);
    }
    CHECK_EQ(received, 1L);
    ::DestroyWindow(window);
#else
    std::atomic<std::uint32_t> received{0};
    platform::ActivationListener listener;
    REQUIRE(listener.start([&](std::uint32_t handle) { received = handle; }));
    CHECK_EQ(runChild({"child-activate", "77"}), 0);
    for (int i = 0; i < 500 && received == 0; ++i) {
        platform::sleepMs(10);
    }
    CHECK_EQ(received.load(), 77u);
    listener.stop();
    // Nobody listens any more: the second copy learns that nothing was reached.
    CHECK_EQ(runChild({"child-activate", "77"}), 2);
#endif
}

TEST_CASE("activation: no published window means nothing to activate") {
    CHECK(!platform::activateWindow(0));
}

int main(int argc, char** argv) {
    if (argc > 1) {
        const std::string role = argv[1];
        if (role == "child-wait" && argc == 4) {
            return childWait(argv[2],
                             static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10)));
        }
        if (role == "child-timeout" && argc == 3) {
            return childTimeout(argv[2]);
        }
        if (role == "child-activate" && argc == 3) {
            return childActivate(static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)));
        }
    }
    return check::run(argc, argv);
}

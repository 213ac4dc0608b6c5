#include "platform/activewindow.h"

#include "winutil.h"

// One word in a section every process started from this executable image shares.
__attribute__((section(".shared"), shared)) volatile LONG g_activeWindowHandle = 0;

namespace platform {

namespace {

HWND toWindow(std::uint32_t handle) {
    return reinterpret_cast<HWND>(static_cast<ULONG_PTR>(handle));
}

}  // namespace

std::uint32_t activeWindowHandle() {
    return static_cast<std::uint32_t>(::InterlockedCompareExchange(&g_activeWindowHandle, 0, 0));
}

void setActiveWindowHandle(std::uint32_t handle) {
    ::InterlockedExchange(&g_activeWindowHandle, static_cast<LONG>(handle));
}

bool activateWindow(std::uint32_t handle) {
    if (handle == 0) {
        return false;
    }
    HWND window = toWindow(handle);
    ::SetForegroundWindow(window);
    return ::PostMessageW(window, kActivationMessage, 0, 0) != FALSE;
}

bool allowActivation(std::uint32_t handle) {
    return ::ChangeWindowMessageFilterEx(toWindow(handle), kActivationMessage, MSGFLT_ALLOW,
                                         nullptr) != FALSE;
}

struct ActivationListener::Impl {};

ActivationListener::ActivationListener() : d(std::make_unique<Impl>()) {}
ActivationListener::~ActivationListener() = default;

// The window procedure receives the message itself.
bool ActivationListener::start(Handler) {
    return true;
}
void ActivationListener::stop() {}

}  // namespace platform

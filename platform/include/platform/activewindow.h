#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

// The message a second copy of the program sends to the running copy's window.
constexpr std::uint32_t kActivationMessage = 0x437;  // WM_USER + 0x37

// One word shared by every running copy of the program: the native handle of
// the window that copy shows, or 0.
std::uint32_t activeWindowHandle();
void setActiveWindowHandle(std::uint32_t handle);

// Brings the window to the front and sends it the activation message.
bool activateWindow(std::uint32_t handle);

// Lets the activation message through to the window even from a process at a
// lower integrity level.
bool allowActivation(std::uint32_t handle);

// Receives activation messages meant for this process's windows. On Windows the
// message goes straight to the window procedure, so there is nothing to listen
// to; on POSIX it arrives over a local socket and the handler runs on the
// listener's own thread.
class ActivationListener {
public:
    using Handler = std::function<void(std::uint32_t handle)>;

    ActivationListener();
    ~ActivationListener();
    ActivationListener(const ActivationListener&) = delete;
    ActivationListener& operator=(const ActivationListener&) = delete;

    bool start(Handler handler);
    void stop();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace platform

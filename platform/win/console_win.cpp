#include "platform/console.h"

#include <windows.h>

namespace platform {

namespace {

std::function<void()>& interruptHandler() {
    static std::function<void()> handler;
    return handler;
}

// Windows calls this on a thread of its own.
BOOL WINAPI onConsoleControl(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) {
        return FALSE;
    }
    interruptHandler()();
    return TRUE;
}

}  // namespace

bool isTerminal(StandardStream stream) {
    const DWORD which = stream == StandardStream::Input    ? STD_INPUT_HANDLE
                        : stream == StandardStream::Output ? STD_OUTPUT_HANDLE
                                                           : STD_ERROR_HANDLE;
    const HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode) != FALSE;
}

void setInterruptHandler(std::function<void()> handler) {
    if (interruptHandler()) {
        return;
    }
    interruptHandler() = std::move(handler);
    SetConsoleCtrlHandler(onConsoleControl, TRUE);
}

}  // namespace platform

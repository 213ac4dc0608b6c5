#include "platform/desktop.h"

#include <windows.h>

#include <dwmapi.h>

namespace platform {

bool desktopComposited() {
    // Always on from Windows 8; on Windows 7 the user may turn it off.
    BOOL enabled = FALSE;
    return SUCCEEDED(DwmIsCompositionEnabled(&enabled)) && enabled;
}

}  // namespace platform

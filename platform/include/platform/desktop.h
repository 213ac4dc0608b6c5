#pragma once

namespace platform {

// Whether the desktop blends a window's transparent pixels with what lies
// beneath it. Without that (X without a compositing manager, Windows 7 with
// desktop composition off) they show black.
bool desktopComposited();

}  // namespace platform

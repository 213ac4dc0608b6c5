#pragma once

class QQuickWindow;

namespace Sarvik {

// Development aids read from the environment: QUILLON_SCREENSHOTS=DIR saves the
// window as DIR/sarvik.png and quits; QUILLON_SARVIK_PRESS=NAME presses the
// button of that object name once the window shows, as a user would.
class DevHooks {
public:
    static void apply(QQuickWindow* window);
};

}  // namespace Sarvik

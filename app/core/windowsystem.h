#pragma once

#include <QObject>

namespace Qln {

// What the views need to know about the window system they draw on.
class WindowSystem : public QObject {
    Q_OBJECT
    // Whether a window's transparent pixels show what lies beneath it; where
    // they would show black, the dialogs draw without their glow.
    Q_PROPERTY(bool translucentWindows READ translucentWindows CONSTANT)

public:
    explicit WindowSystem(QObject* parent = nullptr);

    bool translucentWindows() const { return m_translucentWindows; }

    // Makes the singleton `WindowSystem` of `import Quillon 1.0` known to QML;
    // every view engine needs it before it loads a view. Safe to call again.
    static void registerForViews();

private:
    static bool detectTranslucentWindows();

    bool m_translucentWindows;
};

}  // namespace Qln

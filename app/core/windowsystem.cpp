#include "core/windowsystem.h"

#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickWindow>

#include "platform/desktop.h"

namespace Qln {

namespace {

// Asked once: the dialogs' alpha channel is decided for the whole run.
bool& translucent() {
    static bool value = false;
    return value;
}

}  // namespace

WindowSystem::WindowSystem(QObject* parent)
    : QObject(parent), m_translucentWindows(translucent()) {}

bool WindowSystem::detectTranslucentWindows() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform == QLatin1String("windows")) {
        return platform::desktopComposited();
    }
    // Single-surface platforms have nothing beneath a window to blend with.
    return platform != QLatin1String("minimal") && platform != QLatin1String("linuxfb") &&
           platform != QLatin1String("eglfs") && platform != QLatin1String("vnc");
}

void WindowSystem::registerForViews() {
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    translucent() = detectTranslucentWindows();
    // The dialogs are windows that QML creates; they can be translucent only with alpha.
    QQuickWindow::setDefaultAlphaBuffer(translucent());
    // One instance per engine: every window has an engine of its own.
    qmlRegisterSingletonType<WindowSystem>(
        "Quillon", 1, 0, "WindowSystem",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new WindowSystem; });
}

}  // namespace Qln

#pragma once

#include <QGuiApplication>
#include <QObject>
#include <QStringList>
#include <memory>

#include "base/argumentmap.h"
#include "core/startobserver.h"

namespace platform {
class ActivationListener;
class SingleInstanceMutex;
}  // namespace platform

namespace Qln {

class Launcher;
class WindowController;

// Owns the GUI application, the parsed command line and the launcher for the whole run.
class Application : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kMutexName = "QUILLON_PRO-6C3A7A0A-62CB-4B4D-86C3-546B4D40FE5D";
    static constexpr const char* kVersion = "1.2.0.2134";
    static constexpr int kWaitForFirstCopyMs = 60000;

    Application(int& argc, char** argv);
    ~Application() override;

    // Whether this copy may run. A second copy activates the first one's window
    // and leaves, unless `-wait` asks it to wait until the first one has ended.
    static bool claimInstance(platform::SingleInstanceMutex& mutex, const ArgumentMap& arguments,
                              int waitMs = kWaitForFirstCopyMs);

    // Development aids watch start-up through this; set before start().
    void setStartObserverFactory(StartObserverFactory factory) {
        m_observerFactory = std::move(factory);
    }
    void start();
    // Ends the run: after it the settings are written and the analytics sent, so the
    // single-instance mutex may go.
    void stop();
    int exec();

    const ArgumentMap& arguments() const { return m_arguments; }
    WindowController* windowController() const { return m_windows.get(); }

    // Starts the program again once this copy has ended, keeping its arguments.
    static void restart();
    static QStringList restartArguments(QStringList arguments);

signals:
    // A second copy asked for this one's window with that native handle.
    void activationRequested(quint32 handle);

private:
    std::unique_ptr<QGuiApplication> m_gui;
    std::unique_ptr<WindowController> m_windows;
    std::unique_ptr<Launcher> m_launcher;
    ArgumentMap m_arguments;
    std::unique_ptr<platform::ActivationListener> m_activation;
    StartObserverFactory m_observerFactory;
};

}  // namespace Qln

#pragma once

#include <QObject>
#include <memory>

#include "base/shared.h"
#include "core/analytics.h"

namespace Qln {

class AppUpdateWindow;
class ConnectErrorWindow;
class InitWindow;
class MainWindow;
class ModuleList;
class AppUpdateTask;
class Task;
class Window;

// Owns the four windows for the whole run and keeps one of them on screen.
class WindowController : public QObject {
    Q_OBJECT

public:
    enum State { None = 0, Init = 1, Main = 2, Error = 3, Update = 4 };
    Q_ENUM(State)

    explicit WindowController(QObject* parent = nullptr);
    ~WindowController() override;

    static QString stateName(State state);
    State state() const { return m_state; }

    void setInitTask(Task* task);
    void setUpdateTask(std::unique_ptr<AppUpdateTask> task, Flow::Shared<Analytics> analytics);
    void setModules(const ModuleList& modules);
    // Publishes the analytics object to every window's view.
    void setTracker(QObject* tracker);

    InitWindow* initWindow() const { return m_initWindow.get(); }
    MainWindow* mainWindow() const { return m_mainWindow.get(); }
    ConnectErrorWindow* errorWindow() const { return m_errorWindow.get(); }
    AppUpdateWindow* updateWindow() const { return m_updateWindow.get(); }
    Window* window(State state) const;

public slots:
    void ShowInitWindow();
    void ShowErrorWindow(bool serverError);
    void ShowUpdateWindow();
    void ShowMainWindow();
    void Exit();
    void ActiveWindowOnTop();
    // A second copy asked for the window with this native handle.
    void Activate(quint32 handle);

signals:
    void stateChanged(Qln::WindowController::State state);

private:
    void showWindow(State target);

    std::unique_ptr<InitWindow> m_initWindow;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<ConnectErrorWindow> m_errorWindow;
    std::unique_ptr<AppUpdateWindow> m_updateWindow;
    State m_state = None;
};

}  // namespace Qln

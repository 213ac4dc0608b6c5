#include "core/windowcontroller.h"

#include <QDebug>
#include <QQmlContext>

#include "core/appupdatewindow.h"
#include "core/connecterrorwindow.h"
#include "core/initwindow.h"
#include "core/mainwindow.h"
#include "platform/activewindow.h"

namespace Qln {

WindowController::WindowController(QObject* parent)
    : QObject(parent),
      m_initWindow(std::make_unique<InitWindow>()),
      m_mainWindow(std::make_unique<MainWindow>()),
      m_errorWindow(std::make_unique<ConnectErrorWindow>()),
      m_updateWindow(std::make_unique<AppUpdateWindow>()) {
    connect(m_errorWindow.get(), &ConnectErrorWindow::retry, this,
            &WindowController::ShowInitWindow);
    connect(m_updateWindow.get(), &AppUpdateWindow::showMainWindow, this,
            &WindowController::ShowMainWindow);
}

WindowController::~WindowController() = default;

QString WindowController::stateName(State state) {
    switch (state) {
        case Init:
            return QStringLiteral("Init");
        case Main:
            return QStringLiteral("Main");
        case Error:
            return QStringLiteral("Error");
        case Update:
            return QStringLiteral("Update");
        case None:
            break;
    }
    return QStringLiteral("None");
}

Window* WindowController::window(State state) const {
    switch (state) {
        case Init:
            return m_initWindow.get();
        case Main:
            return m_mainWindow.get();
        case Error:
            return m_errorWindow.get();
        case Update:
            return m_updateWindow.get();
        case None:
            break;
    }
    return nullptr;
}

void WindowController::setInitTask(Task* task) {
    m_initWindow->setTask(task);
}

void WindowController::setUpdateTask(std::unique_ptr<AppUpdateTask> task,
                                     Flow::Shared<Analytics> analytics) {
    m_updateWindow->setTask(std::move(task), std::move(analytics));
}

void WindowController::setModules(const ModuleList& modules) {
    m_mainWindow->setModules(modules);
}

void WindowController::setTracker(QObject* tracker) {
    for (State state : {Init, Main, Error, Update}) {
        window(state)->rootContext()->setContextProperty(QStringLiteral("tracker"), tracker);
    }
}

void WindowController::ShowInitWindow() {
    showWindow(Init);
}

void WindowController::ShowErrorWindow(bool serverError) {
    m_errorWindow->setServerError(serverError);
    showWindow(Error);
}

void WindowController::ShowUpdateWindow() {
    showWindow(Update);
}

void WindowController::ShowMainWindow() {
    showWindow(Main);
}

void WindowController::showWindow(State target) {
    Window* next = window(target);
    next->show();
    if (target == Init) {
        // A second copy started while the program initialises has nothing to bring up.
        platform::setActiveWindowHandle(0);
    } else {
        const quint32 handle = next->nativeHandle();
        platform::setActiveWindowHandle(handle);
        platform::allowActivation(handle);
    }
    qDebug().noquote() << stateName(target) << "window showed";
    const State previous = m_state;
    if (previous != None && previous != target) {
        window(previous)->close();
    }
    qDebug().noquote() << stateName(previous) << "window closed";
    m_state = target;
    emit stateChanged(target);
}

void WindowController::Exit() {
    qDebug() << "WindowController exit";
    platform::setActiveWindowHandle(0);
}

void WindowController::ActiveWindowOnTop() {
    if (const std::uint32_t handle = platform::activeWindowHandle()) {
        platform::activateWindow(handle);
    }
}

void WindowController::Activate(quint32 handle) {
    for (State state : {Init, Main, Error, Update}) {
        Window* candidate = window(state);
        if (candidate->isVisible() && candidate->nativeHandle() == handle) {
            candidate->bringToFront();
            return;
        }
    }
}

}  // namespace Qln

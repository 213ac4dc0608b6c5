#include "core/appupdatewindow.h"

#include <QQmlContext>

namespace Qln {

AppUpdateWindow::AppUpdateWindow(QWindow* parent)
    : Window(QStringLiteral("qrc:///View/AppUpdateView.qml"), parent) {}

AppUpdateWindow::~AppUpdateWindow() {
    rootContext()->setContextProperty(QStringLiteral("task"), nullptr);
}

void AppUpdateWindow::setTask(std::unique_ptr<AppUpdateTask> task,
                              Flow::Shared<Analytics> analytics) {
    rootContext()->setContextProperty(QStringLiteral("task"), task.get());
    m_task = std::move(task);
    m_analytics = std::move(analytics);
    rootContext()->setContextProperty(QStringLiteral("tracker"), m_analytics.get());
    if (m_task) {
        connect(m_task.get(), &AppUpdateTask::close, this, &AppUpdateWindow::closeWindow);
    }
}

void AppUpdateWindow::update() {
    if (m_task && !m_task->isRunning()) {
        m_task->start();
    }
}

void AppUpdateWindow::updateAbort() {
    if (m_task) {
        m_task->abort();
    }
}

void AppUpdateWindow::closeWindow() {
    close();
}

void AppUpdateWindow::onBeforeShow() {
    rootContext()->setContextProperty(QStringLiteral("task"), m_task.get());
}

}  // namespace Qln

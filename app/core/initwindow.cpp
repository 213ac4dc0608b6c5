#include "core/initwindow.h"

#include <QQmlContext>

#include "core/application.h"

namespace Qln {

InitWindow::InitWindow(QWindow* parent)
    : Window(QStringLiteral("qrc:///View/InitView.qml"), parent) {
    QSurfaceFormat surface = format();
    surface.setAlphaBufferSize(8);
    setFormat(surface);
    setColor(Qt::transparent);
}

InitWindow::~InitWindow() {
    // The view may still hold the task; let go of it before the task goes.
    rootContext()->setContextProperty(QStringLiteral("task"), nullptr);
}

QString InitWindow::version() const {
    return QString::fromLatin1(Application::kVersion);
}

void InitWindow::setTask(Task* task) {
    rootContext()->setContextProperty(QStringLiteral("task"), task);
    m_task.reset(task);
}

void InitWindow::onBeforeShow() {
    rootContext()->setContextProperty(QStringLiteral("task"), m_task.get());
}

void InitWindow::onAfterShow() {
    if (m_task && !m_task->isRunning()) {
        m_task->start();
    }
}

}  // namespace Qln

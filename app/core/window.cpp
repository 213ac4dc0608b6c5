#include "core/window.h"

#include <QCursor>
#include <QDebug>
#include <QQmlContext>
#include <QQmlEngine>

#include "core/windowsystem.h"
#include "platform/activewindow.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace Qln {

Window::Window(const QString& sourceUrl, QWindow* parent)
    : QQuickView(parent), m_sourceUrl(sourceUrl) {
    WindowSystem::registerForViews();
    setFlags(flags() | Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
}

Window::~Window() = default;

void Window::show() {
    qDebug() << "Window show";
    if (m_loaded) {
        setSource(QUrl());
        engine()->clearComponentCache();
    }
    onBeforeShow();
    rootContext()->setContextProperty(QStringLiteral("window"), this);
    setSource(QUrl(m_sourceUrl));
    m_loaded = true;
    if (!isVisible()) {
        QQuickView::show();
    }
    onAfterShow();
}

bool Window::close() {
    qDebug() << "Window close";
    if (isVisible()) {
        return QQuickView::close();
    }
    return true;
}

void Window::startMove() {
    m_dragAnchor = QCursor::pos();
}

void Window::moveWindow() {
    const QPoint cursor = QCursor::pos();
    setPosition(position() + (cursor - m_dragAnchor));
    m_dragAnchor = cursor;
}

quint32 Window::nativeHandle() const {
    // Window handles fit in 32 bits on every Windows, which lets one shared word carry them.
    return static_cast<quint32>(winId());
}

void Window::bringToFront() {
    qDebug() << "User opened another app again";
    if (windowState() & Qt::WindowMinimized) {
        showNormal();
    } else if (!isVisible()) {
        QQuickView::show();
    }
    raise();
    requestActivate();
}

void Window::onBeforeShow() {}

void Window::onAfterShow() {}

bool Window::nativeEvent(const QByteArray& eventType, void* message, long* result) {
#ifdef Q_OS_WIN
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message == platform::kActivationMessage) {
        bringToFront();
        *result = 0;
        return true;
    }
#endif
    return QQuickView::nativeEvent(eventType, message, result);
}

}  // namespace Qln

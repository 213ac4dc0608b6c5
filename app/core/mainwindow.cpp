#include "core/mainwindow.h"

#include <QCursor>
#include <QDebug>
#include <QQmlContext>

#include "core/modulelist.h"
#include "hardware/installer.h"
#include "hardware/systemactions.h"

namespace Qln {

MainWindow::MainWindow(QWindow* parent)
    : Window(QStringLiteral("qrc:///View/MainView.qml"), parent) {
    setResizeMode(QQuickView::SizeRootObjectToView);
    setMinimumSize(QSize(kMinimumWidth, kMinimumHeight));
    resize(1020, 700);
    setServiceFacts(false, QString(), QVariantMap());
    rootContext()->setContextProperty(QStringLiteral("moduleList"),
                                      QVariant::fromValue(QList<QObject*>()));
    rootContext()->setContextProperty(QStringLiteral("startModuleIndex"), 0);
}

void MainWindow::setModules(const ModuleList& modules) {
    QQmlContext* context = rootContext();
    context->setContextProperty(QStringLiteral("moduleList"),
                                QVariant::fromValue(modules.modules()));
    context->setContextProperty(QStringLiteral("startModuleIndex"), modules.startModuleIndex());
    context->setContextProperty(QStringLiteral("tracker"),
                                modules.configuration()->analytics.get());
    // The installer client may finish on a pool thread; the dialog opens on this one.
    if (const Flow::Shared<Installer>& installer = modules.configuration()->installer) {
        connect(installer.get(), &Installer::ShowNeedRebootMessage, this, &MainWindow::offerReboot,
                Qt::UniqueConnection);
    }
}

void MainWindow::setServiceFacts(bool available, const QString& dbUpdatedAt,
                                 const QVariantMap& publicUrls) {
    QQmlContext* context = rootContext();
    context->setContextProperty(QStringLiteral("isAvailableServer"), available);
    context->setContextProperty(QStringLiteral("dbUpdatedAt"), dbUpdatedAt);
    context->setContextProperty(QStringLiteral("publicUrls"), publicUrls);
}

void MainWindow::offerReboot() {
    emit showNeedRebootDialog();
}

void MainWindow::exit() {
    close();
}

void MainWindow::reboot() {
    qDebug() << "Rebooot accepted";
    System::rebootComputer();
}

QRect MainWindow::resizedGeometry(const QRect& geometry, QPoint& anchor, const QPoint& cursor,
                                  bool left, bool top, bool right, bool bottom) {
    const int dx = cursor.x() - anchor.x();
    const int dy = cursor.y() - anchor.y();
    QRect result = geometry;
    if (dx == 0 && dy == 0) {
        return result;
    }
    if (left) {
        result.setLeft(result.left() + dx);
    }
    if (top) {
        result.setTop(result.top() + dy);
    }
    if (right) {
        result.setRight(result.right() + dx);
    }
    if (bottom) {
        result.setBottom(result.bottom() + dy);
    }
    // The edge stops at the minimum size with the opposite edge where it was.
    if (result.width() < kMinimumWidth) {
        if (left) {
            result.setLeft(result.right() - kMinimumWidth + 1);
        } else {
            result.setWidth(kMinimumWidth);
        }
    }
    if (result.height() < kMinimumHeight) {
        if (top) {
            result.setTop(result.bottom() - kMinimumHeight + 1);
        } else {
            result.setHeight(kMinimumHeight);
        }
    }
    if (left) {
        anchor.rx() += result.left() - geometry.left();
    } else if (right) {
        anchor.rx() += result.right() - geometry.right();
    } else {
        anchor.setX(cursor.x());
    }
    if (top) {
        anchor.ry() += result.top() - geometry.top();
    } else if (bottom) {
        anchor.ry() += result.bottom() - geometry.bottom();
    } else {
        anchor.setY(cursor.y());
    }
    return result;
}

void MainWindow::resizeWindow(bool left, bool top, bool right, bool bottom) {
    const QRect current = geometry();
    const QRect next =
        resizedGeometry(current, m_dragAnchor, QCursor::pos(), left, top, right, bottom);
    if (next != current) {
        setGeometry(next);
    }
}

}  // namespace Qln

#include "sarvik/devhooks.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

namespace Sarvik {

namespace {
// Time for the images and the font to appear before a picture is taken.
constexpr int kSettleMs = 900;
}  // namespace

void DevHooks::apply(QQuickWindow* window) {
    const QString folder = qEnvironmentVariable("QUILLON_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QTimer::singleShot(kSettleMs, window, [window, folder] {
            QDir().mkpath(folder);
            const QString path = QDir(folder).filePath(QStringLiteral("sarvik.png"));
            if (!window->grabWindow().save(path)) {
                qWarning().noquote() << "Screenshot not saved:" << path;
            }
            QCoreApplication::quit();
        });
    }
    const QString press = qEnvironmentVariable("QUILLON_SARVIK_PRESS");
    if (!press.isEmpty()) {
        QTimer::singleShot(0, window, [window, press] {
            // Items declared in a Window belong to it; those made later to its content item.
            QObject* button = window->findChild<QObject*>(press);
            if (!button) {
                button = window->contentItem()->findChild<QObject*>(press);
            }
            if (!button || !QMetaObject::invokeMethod(button, "clicked")) {
                qWarning().noquote() << "No button to press:" << press;
                QCoreApplication::exit(1);
            }
        });
    }
}

}  // namespace Sarvik

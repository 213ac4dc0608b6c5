#include "devtools/screenshottour.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlPropertyMap>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <utility>

#include "core/appupdatewindow.h"
#include "core/connecterrorwindow.h"
#include "core/initwindow.h"
#include "core/mainwindow.h"

namespace Qln {

namespace {

// Time for incubated pages and images to appear before a picture is taken.
constexpr int kSettleMs = 900;

const QStringList kPages = {QStringLiteral("utility"), QStringLiteral("autorun"),
                            QStringLiteral("settings"), QStringLiteral("about")};

}  // namespace

ScreenshotTour* ScreenshotTour::startFromEnvironment(WindowController* windows, QObject* parent) {
    const QString folder = qEnvironmentVariable("QUILLON_SCREENSHOTS");
    if (folder.isEmpty()) {
        return nullptr;
    }
    return new ScreenshotTour(windows, folder, parent);
}

ScreenshotTour::ScreenshotTour(WindowController* windows, const QString& folder, QObject* parent)
    : QObject(parent), m_windows(windows), m_folder(folder) {
    QDir().mkpath(folder);
    connect(windows, &WindowController::stateChanged, this, &ScreenshotTour::onStateChanged);
}

void ScreenshotTour::onStateChanged(WindowController::State state) {
    if (state == WindowController::Init) {
        QTimer::singleShot(kSettleMs / 2, this, [this] {
            save(m_windows->initWindow(), "init");
            m_initSaved = true;
            if (auto then = std::exchange(m_afterInit, nullptr)) {
                then();
            }
        });
    } else if (state == WindowController::Main && !m_mainDone) {
        m_mainDone = true;
        tourMainWindow();
    } else if (state == WindowController::Error && !m_mainDone) {
        // Start-up could not reach the service: nothing more to walk through.
        m_mainDone = true;
        step(kSettleMs, [this] { save(m_windows->errorWindow(), "error-startup"); });
        step(0, [this] {
            qWarning().noquote() << "Start-up failed; screenshots saved in"
                                 << QDir(m_folder).absolutePath();
            QCoreApplication::exit(1);
        });
        next();
    }
}

void ScreenshotTour::whenInitDone(std::function<void()> then) {
    if (m_initSaved) {
        then();
    } else {
        m_afterInit = std::move(then);
    }
}

void ScreenshotTour::tourMainWindow() {
    MainWindow* main = m_windows->mainWindow();
    step(kSettleMs, [this, main] { save(main, "main"); });
    for (const QString& page : kPages) {
        step(0, [main, page] {
            QMetaObject::invokeMethod(main->rootObject(), "showModule",
                                      Q_ARG(QVariant, QVariant(page)));
        });
        step(kSettleMs, [this, main, page] { save(main, "page-" + page); });
    }
    tourDriversPages(main);
    tourBackupPages(main);
    tourChangesPages(main);
    step(0, [main] {
        QMetaObject::invokeMethod(main->rootObject(), "showModule", Q_ARG(QVariant, "settings"));
        if (auto* dialog = main->rootObject()->findChild<QQuickItem*>("restartDialog")) {
            QMetaObject::invokeMethod(dialog, "open");
        }
    });
    step(kSettleMs, [this, main] { saveDialog(main, "dialog-restart"); });
    step(0, [main] {
        if (auto* dialog = main->rootObject()->findChild<QQuickItem*>("restartDialog")) {
            QMetaObject::invokeMethod(dialog, "close");
        }
        main->offerReboot();
    });
    step(kSettleMs, [this, main] { saveDialog(main, "dialog-reboot"); });
    step(0, [this] { m_windows->ShowErrorWindow(false); });
    step(kSettleMs, [this] { save(m_windows->errorWindow(), "error-connection"); });
    step(0, [this] { m_windows->ShowErrorWindow(true); });
    step(kSettleMs, [this] { save(m_windows->errorWindow(), "error-server"); });
    step(0, [this] { m_windows->ShowUpdateWindow(); });
    step(kSettleMs, [this] { save(m_windows->updateWindow(), "update"); });
    step(0, [this] { showUpdateDownloadMidway(); });
    step(kSettleMs, [this] { save(m_windows->updateWindow(), "update-download"); });
    step(0, [this] {
        qInfo().noquote() << "Screenshots saved in" << QDir(m_folder).absolutePath();
        QCoreApplication::quit();
    });
    next();
}

void ScreenshotTour::tourDriversPages(MainWindow* main) {
    const auto driversPage = [main] {
        return main->rootObject()->findChild<QQuickItem*>(QStringLiteral("driversPage"));
    };
    step(0, [main] {
        QMetaObject::invokeMethod(main->rootObject(), "showModule", Q_ARG(QVariant, "drivers"));
    });
    step(kSettleMs, [this, main] { save(main, "page-drivers"); });
    step(0, [driversPage] {
        if (QQuickItem* page = driversPage()) {
            QMetaObject::invokeMethod(page, "scan");
        }
    });
    // A real scan and search against the service: wait for the select page.
    waitUntil(60000, [driversPage] {
        QQuickItem* page = driversPage();
        return !page || page->state() != QLatin1String("SCAN");
    });
    // The scan page as the finished scan left it: its last message and full progress.
    step(0, [driversPage] {
        if (QQuickItem* page = driversPage()) {
            page->setState(QStringLiteral("SCAN"));
        }
    });
    step(kSettleMs, [this, main] { save(main, "drivers-scan"); });
    step(0, [driversPage] {
        if (QQuickItem* page = driversPage()) {
            page->setState(QStringLiteral("SELECT"));
            if (auto* select = page->findChild<QQuickItem*>(QStringLiteral("selectPage"))) {
                QMetaObject::invokeMethod(select, "showAlternatives");
            }
        }
    });
    step(kSettleMs, [driversPage] {
        if (QQuickItem* page = driversPage()) {
            if (auto* select = page->findChild<QQuickItem*>(QStringLiteral("selectPage"))) {
                QMetaObject::invokeMethod(select, "expandAll");
            }
        }
    });
    step(kSettleMs, [this, main] { save(main, "drivers-select"); });
    step(0, [driversPage] {
        if (QQuickItem* page = driversPage()) {
            if (auto* select = page->findChild<QQuickItem*>(QStringLiteral("selectPage"))) {
                QMetaObject::invokeMethod(select, "load", Q_ARG(QVariant, QVariant()));
            }
        }
    });
    step(kSettleMs, [this, main] { save(main, "drivers-search-complete"); });
}

void ScreenshotTour::tourBackupPages(MainWindow* main) {
    const auto backupPage = [main] {
        return main->rootObject()->findChild<QQuickItem*>(QStringLiteral("backupPage"));
    };
    const auto module = [backupPage]() -> QObject* {
        QQuickItem* page = backupPage();
        return page ? page->property("module").value<QObject*>() : nullptr;
    };
    step(0, [main] {
        QMetaObject::invokeMethod(main->rootObject(), "showModule", Q_ARG(QVariant, "backup"));
    });
    // A real backup of the machine, kept beside the pictures rather than in the user's files.
    step(kSettleMs, [this, module] {
        if (QObject* backup = module()) {
            backup->setProperty("path", QDir(m_folder).absoluteFilePath("drivers.qlb"));
        }
    });
    step(kSettleMs, [this, main] { save(main, "page-backup"); });
    step(0, [backupPage, module] {
        QQuickItem* page = backupPage();
        QObject* backup = module();
        if (page && backup) {
            page->setState(QStringLiteral("CREATE"));
            QMetaObject::invokeMethod(backup, "beginCreate");
        }
    });
    waitUntil(120000, [backupPage] {
        QQuickItem* page = backupPage();
        return !page || page->state() != QLatin1String("CREATE");
    });
    step(kSettleMs, [this, main] { save(main, "backup-created"); });
    step(0, [backupPage, module] {
        QQuickItem* page = backupPage();
        QObject* backup = module();
        if (page && backup) {
            page->setState(QStringLiteral("SELECT"));
            QMetaObject::invokeMethod(backup, "beginRead");
        }
    });
    step(kSettleMs, [this, main] { save(main, "backup-read"); });
    waitUntil(120000, [backupPage] {
        QQuickItem* page = backupPage();
        auto* select =
            page ? page->findChild<QQuickItem*>(QStringLiteral("backupSelectPage")) : nullptr;
        return !select || select->state() != QLatin1String("SCAN");
    });
    // A backup just made matches the machine: the page that says so.
    step(kSettleMs, [this, main] { save(main, "backup-select"); });
    step(0, [backupPage] {
        if (QQuickItem* page = backupPage()) {
            page->setState(QStringLiteral("INSTALLED"));
        }
    });
    step(kSettleMs, [this, main] { save(main, "backup-installed"); });
    step(0, [backupPage] {
        if (QQuickItem* page = backupPage()) {
            page->setState(QStringLiteral("START"));
        }
    });
}

void ScreenshotTour::tourChangesPages(MainWindow* main) {
    for (const QString& page : {QStringLiteral("recovery"), QStringLiteral("history")}) {
        step(0, [main, page] {
            QMetaObject::invokeMethod(main->rootObject(), "showModule",
                                      Q_ARG(QVariant, QVariant(page)));
        });
        step(kSettleMs, [this, main, page] { save(main, "page-" + page); });
    }
    step(0, [main] {
        QMetaObject::invokeMethod(main->rootObject(), "showModule", Q_ARG(QVariant, "recovery"));
        if (auto* page = main->rootObject()->findChild<QQuickItem*>("recoveryPage")) {
            QMetaObject::invokeMethod(page, "expandAll");
        }
    });
    step(kSettleMs, [this, main] { save(main, "recovery-expanded"); });
}

void ScreenshotTour::waitUntil(int timeoutMs, std::function<bool()> done) {
    step(0, [this, timeoutMs, done = std::move(done)] { pollUntil(timeoutMs, done); });
}

void ScreenshotTour::pollUntil(int remainingMs, const std::function<bool()>& done) {
    constexpr int kPollMs = 100;
    if (done() || remainingMs <= 0) {
        return;
    }
    m_steps.prepend(qMakePair(kPollMs, std::function<void()>([this, remainingMs, done] {
                                  pollUntil(remainingMs - kPollMs, done);
                              })));
}

void ScreenshotTour::showUpdateDownloadMidway() {
    // Stands in for a task that is part way through, so that no real download is needed.
    AppUpdateWindow* window = m_windows->updateWindow();
    auto* progress = new QQmlPropertyMap(this);
    progress->insert(QStringLiteral("percent"), 42);
    progress->insert(QStringLiteral("downSize"), 12902);
    progress->insert(QStringLiteral("fileSize"), 30720);
    window->rootContext()->setContextProperty(QStringLiteral("task"), progress);
    if (QQuickItem* root = window->rootObject()) {
        root->setProperty("downloading", true);
    }
}

void ScreenshotTour::step(int delayMs, std::function<void()> action) {
    m_steps.append(qMakePair(delayMs, std::move(action)));
}

void ScreenshotTour::next() {
    if (m_steps.isEmpty()) {
        return;
    }
    const auto current = m_steps.takeFirst();
    QTimer::singleShot(current.first, this, [this, action = current.second] {
        action();
        next();
    });
}

void ScreenshotTour::saveDialog(QWindow* owner, const QString& name) {
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window != owner && window->isVisible() && window->transientParent() == owner) {
            save(window, name);
        }
    }
}

void ScreenshotTour::save(QWindow* window, const QString& name) {
    auto* quick = qobject_cast<QQuickWindow*>(window);
    if (!quick) {
        return;
    }
    const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
    if (!quick->grabWindow().save(path)) {
        qWarning().noquote() << "Screenshot not saved:" << path;
    }
}

}  // namespace Qln

#include "devtools/screenshottour.h"

#include <algorithm>

#include <QCoreApplication>
#include <QCursor>
#include <QDebug>
#include <QDir>
#include <QPixmap>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlPropertyMap>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
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

const QString kDialogsFolder = QStringLiteral(":/View/Dialogs");

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
    // The pointer away from the windows, so that no button shows as hovered.
    if (QScreen* screen = main->screen()) {
        QCursor::setPos(screen, screen->geometry().bottomRight());
    }
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
    // Every page has been created by now, and with it every dialog a page holds.
    step(0, [this, main] { tourDialogs(main); });
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
    tourInstall(main);
    step(0, [driversPage] {
        if (QQuickItem* page = driversPage()) {
            page->setState(QStringLiteral("SELECT"));
            if (auto* select = page->findChild<QQuickItem*>(QStringLiteral("selectPage"))) {
                QMetaObject::invokeMethod(select, "load", Q_ARG(QVariant, QVariant()));
            }
        }
    });
    step(kSettleMs, [this, main] { save(main, "drivers-search-complete"); });
}

void ScreenshotTour::tourDialogs(MainWindow* main) {
    const auto isDialog = [](const QQuickItem* item) {
        const QMetaObject* type = item->metaObject();
        return type->indexOfMethod("open()") >= 0 && type->indexOfProperty("layoutItem") >= 0;
    };
    QList<QPair<int, std::function<void()>>> steps;
    QSet<QQuickItem*> found;
    // A page's dialog shows over its own page, as a user meets it.
    const QList<QObject*> entries =
        main->rootContext()->contextProperty(QStringLiteral("moduleList")).value<QList<QObject*>>();
    for (QObject* entry : entries) {
        QObject* page = entry->property("viewObject").value<QObject*>();
        if (!page) {
            continue;
        }
        const QVariant name = entry->property("name");
        for (QQuickItem* item : page->findChildren<QQuickItem*>()) {
            if (!isDialog(item)) {
                continue;
            }
            found.insert(item);
            steps.append(qMakePair(0, std::function<void()>([main, name] {
                                       QMetaObject::invokeMethod(main->rootObject(), "showModule",
                                                                 Q_ARG(QVariant, name));
                                   })));
            steps += showDialog(main, item);
        }
    }
    for (QQuickItem* item : main->rootObject()->findChildren<QQuickItem*>()) {
        if (isDialog(item) && !found.contains(item)) {
            steps += showDialog(main, item);
        }
    }
    steps.append(qMakePair(0, std::function<void()>([this, main] { tourOtherBodies(main); })));
    m_steps = steps + m_steps;
}

void ScreenshotTour::tourOtherBodies(MainWindow* main) {
    // A body that no page holds (yet) still shows, in a dialog of its own over the main window.
    QStringList files = QDir(kDialogsFolder).entryList({QStringLiteral("*Layout.qml")});
    files.removeOne(QStringLiteral("DialogLayout.qml"));
    QList<QPair<int, std::function<void()>>> steps;
    for (const QString& file : files) {
        const QString body = file.chopped(4);
        if (m_shownBodies.contains(body)) {
            continue;
        }
        QQmlComponent component(main->engine());
        component.setData("import QtQuick 2.15\nimport \"qrc" + kDialogsFolder.toUtf8() +
                              "\"\nDialog { layout: Component { " + body.toUtf8() + " {} } }",
                          QUrl(QStringLiteral("qrc") + kDialogsFolder + "/Tour.qml"));
        auto* dialog = qobject_cast<QQuickItem*>(component.create(main->rootContext()));
        if (!dialog) {
            qWarning().noquote() << "Dialog" << body << "not shown:" << component.errorString();
            continue;
        }
        dialog->setParent(main->rootObject());
        dialog->setParentItem(main->rootObject());
        steps += showDialog(main, dialog);
        steps.append(qMakePair(0, std::function<void()>([dialog] { dialog->deleteLater(); })));
    }
    m_steps = steps + m_steps;
}

QList<QPair<int, std::function<void()>>> ScreenshotTour::showDialog(MainWindow* main,
                                                                    QQuickItem* dialog) {
    const QPointer<QQuickItem> guarded(dialog);
    QList<QPair<int, std::function<void()>>> steps;
    steps.append(qMakePair(0, std::function<void()>([guarded] {
                               if (guarded) {
                                   QMetaObject::invokeMethod(guarded, "open");
                               }
                           })));
    steps.append(qMakePair(kSettleMs, std::function<void()>([this, main, guarded] {
                               if (guarded) {
                                   saveDialog(main, guarded);
                                   QMetaObject::invokeMethod(guarded, "close");
                               }
                           })));
    return steps;
}

void ScreenshotTour::tourInstall(MainWindow* main) {
    const auto driversPage = [main] {
        return main->rootObject()->findChild<QQuickItem*>(QStringLiteral("driversPage"));
    };
    // The statuses of the install list, read the way the page reads them.
    const auto statuses = [driversPage] {
        QList<int> found;
        QQuickItem* page = driversPage();
        QObject* module = page ? page->property("module").value<QObject*>() : nullptr;
        if (!module) {
            return found;
        }
        for (QObject* item : module->property("installList").value<QList<QObject*>>()) {
            const QObject* state = item->property("state").value<QObject*>();
            found.append(state ? state->property("status").toInt() : -1);
        }
        return found;
    };
    // A real installation of every offer, as a user who keeps the whole selection would.
    step(0, [driversPage] {
        if (QQuickItem* page = driversPage()) {
            if (auto* select = page->findChild<QQuickItem*>(QStringLiteral("selectPage"))) {
                QMetaObject::invokeMethod(select, "startInstall");
            }
        }
    });
    // Some packages done, one on its way (Download, Unpacking or Installation).
    waitUntil(120000, [statuses] {
        const QList<int> found = statuses();
        return found.isEmpty() ||
               (found.contains(5) && std::any_of(found.begin(), found.end(), [](int status) {
                    return status >= 2 && status <= 4;
                }));
    });
    step(kSettleMs / 3, [this, main] { save(main, "drivers-install"); });
    waitUntil(600000, [driversPage] {
        QQuickItem* page = driversPage();
        auto* install =
            page ? page->findChild<QQuickItem*>(QStringLiteral("installPage")) : nullptr;
        return !install || install->state() == QLatin1String("COMPLETE");
    });
    step(kSettleMs, [this, main] { save(main, "drivers-install-complete"); });
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

void ScreenshotTour::saveDialog(QWindow* host, QQuickItem* dialog) {
    auto* frame = qobject_cast<QWindow*>(dialog->property("item").value<QObject*>());
    const QObject* layout = dialog->property("layoutItem").value<QObject*>();
    if (!frame || !layout) {
        return;
    }
    // A QML type's class name is its file's name, then "_QML" and more.
    QString body = QString::fromLatin1(layout->metaObject()->className());
    body.truncate(body.indexOf(QLatin1String("_QML")));
    m_shownBodies.insert(body);
    QString name = body;
    if (name.endsWith(QLatin1String("Layout"))) {
        name.chop(6);
    }
    // The dialog as it stands over its window.
    save(frame, "dialog-" + name.toLower(), frame->frameGeometry().united(host->frameGeometry()));
}

void ScreenshotTour::save(QWindow* window, const QString& name) {
    save(window, name, window->frameGeometry());
}

void ScreenshotTour::save(QWindow* window, const QString& name, const QRect& area) {
    const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
    // What the screen shows there, as a user sees it: a window's own rendering would hide
    // what the window system makes of it (its size, its transparent pixels).
    QPixmap shot;
    if (QScreen* screen = window->screen()) {
        const QRect onScreen = area.translated(-screen->geometry().topLeft());
        shot =
            screen->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height());
    }
    if (shot.isNull()) {
        auto* quick = qobject_cast<QQuickWindow*>(window);
        if (!quick) {
            qWarning().noquote() << "Screenshot not taken:" << path;
            return;
        }
        qWarning().noquote() << "The screen cannot be read; saving the window's own picture:"
                             << path;
        shot = QPixmap::fromImage(quick->grabWindow());
    }
    if (!shot.save(path)) {
        qWarning().noquote() << "Screenshot not saved:" << path;
    }
}

}  // namespace Qln

#include <QDir>
#include <QQuickItem>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTranslator>
#include <QtTest>

#include <algorithm>
#include <memory>
#include "testenvironment.h"

#include "backup/recoverymanager.h"
#include "core/appupdatewindow.h"
#include "core/connecterrorwindow.h"
#include "core/environment.h"
#include "core/initwindow.h"
#include "core/mainwindow.h"
#include "core/modulelist.h"
#include "core/modulelistmodel.h"
#include "core/windowcontroller.h"
#include "hardware/driveroffer.h"
#include "hardware/hardware.h"
#include "logcapture.h"
#include "trackerstub.h"

using Qln::WindowController;

// Loads every window's view and opens every finished page and dialog; any QML
// warning on the way fails the test.
class ViewsSmokeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rootViewsLoad_data();
    void rootViewsLoad();
    void everyPageOpens_data();
    void everyPageOpens();
    void pageIsCreatedOnceAndReportsEachSelection();
    void rebootDialogOpensOnRequest();
    void maximisedWindowHasNoGripsAndRestoresOnDoubleClick();
    void settingsSaveOffersTheRestart();
    void languageListShowsTheModulesRow();
    void autorunPageTurnsTheMonthlyReminderOn();
    void recoveryAndHistoryPagesFollowTheManager();

private:
    QObject* openPage(const QString& name);
    // Late binding and loader warnings come at the latest with the next frame.
    void waitForFrame(QQuickWindow* window);
    void verifyNoWarnings();

    std::unique_ptr<LogCapture> m_log;
    Flow::Shared<Qln::TrackerStub> m_tracker;
    std::unique_ptr<Qln::ModuleList> m_modules;
    std::unique_ptr<WindowController> m_controller;
};

void ViewsSmokeTest::initTestCase() {
    isolateUserFolders();
}

void ViewsSmokeTest::init() {
    QDir(Qln::Environment::appDataDir()).removeRecursively();
    auto configuration = std::make_shared<Qln::Configuration>();
    configuration->environment = std::make_shared<Qln::Environment>();
    const Qln::Environment& environment = *configuration->environment;
    // No Installer: a rollback started here fails at once.
    configuration->recoveryManager = std::make_shared<Qln::RecoveryManager>(
        Qln::RecoveryManager::Folders{Qln::Environment::appDataDir(), environment.backupsDir(),
                                      environment.unpackDir(), environment.downloadDir()},
        nullptr);
    m_tracker = std::make_shared<Qln::TrackerStub>();
    m_modules = std::make_unique<Qln::ModuleList>(configuration, QString(), "about");
    m_controller = std::make_unique<WindowController>();
    m_controller->setModules(*m_modules);
    // The views report to the test instead of the configuration's analytics.
    m_controller->setTracker(m_tracker.get());
    m_controller->mainWindow()->setServiceFacts(
        true, "2026-11-30",
        QVariantMap{{"privacy_policy", "https://example.invalid/privacy"},
                    {"contacts", "https://example.invalid/contacts"}});
    // Start-up messages of the environment are not the views' concern.
    m_log = std::make_unique<LogCapture>();
}

void ViewsSmokeTest::cleanup() {
    m_log.reset();
    m_controller.reset();
    m_modules.reset();
    m_tracker.reset();
}

void ViewsSmokeTest::verifyNoWarnings() {
    QStringList warnings = m_log->warnings();
    // Which scripts the machine's fonts cover is not the views' concern: the
    // language list names each language in its own script.
    warnings.erase(std::remove_if(warnings.begin(), warnings.end(),
                                  [](const QString& line) {
                                      return line.trimmed().startsWith("OpenType support missing");
                                  }),
                   warnings.end());
    if (!warnings.isEmpty()) {
        QFAIL(qPrintable("QML warnings:\n" + warnings.join('\n')));
    }
}

void ViewsSmokeTest::waitForFrame(QQuickWindow* window) {
    QSignalSpy swapped(window, &QQuickWindow::frameSwapped);
    window->update();
    QVERIFY(swapped.wait());
}

QObject* ViewsSmokeTest::openPage(const QString& name) {
    QQuickItem* root = m_controller->mainWindow()->rootObject();
    QVariant entryValue;
    QMetaObject::invokeMethod(root, "showModule", Q_RETURN_ARG(QVariant, entryValue),
                              Q_ARG(QVariant, name));
    auto* entry = qobject_cast<Qln::ModuleListModel*>(entryValue.value<QObject*>());
    if (!entry) {
        return nullptr;
    }
    if (!QTest::qWaitFor([entry] { return entry->viewObject() != nullptr; }, 5000)) {
        return nullptr;
    }
    return entry->viewObject();
}

void ViewsSmokeTest::rootViewsLoad_data() {
    QTest::addColumn<int>("state");
    QTest::newRow("init") << int(WindowController::Init);
    QTest::newRow("main") << int(WindowController::Main);
    QTest::newRow("connection error") << int(WindowController::Error);
    QTest::newRow("update") << int(WindowController::Update);
}

void ViewsSmokeTest::rootViewsLoad() {
    QFETCH(int, state);
    switch (state) {
        case WindowController::Init:
            m_controller->ShowInitWindow();
            break;
        case WindowController::Main:
            m_controller->ShowMainWindow();
            break;
        case WindowController::Error:
            m_controller->ShowErrorWindow(true);
            break;
        case WindowController::Update:
            m_controller->ShowUpdateWindow();
            break;
    }
    Qln::Window* window = m_controller->window(WindowController::State(state));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->status(), QQuickView::Ready);
    QVERIFY(window->rootObject());
    QVERIFY(window->rootObject()->width() > 0);
    waitForFrame(window);
    verifyNoWarnings();
}

void ViewsSmokeTest::everyPageOpens_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("screen");
    QTest::newRow("drivers") << "drivers"
                             << "Drivers-start-scan-screen";
    QTest::newRow("useful programs") << "utility"
                                     << "Useful-programs-screen";
    QTest::newRow("settings") << "settings"
                              << "Settings-screen";
    QTest::newRow("about") << "about"
                           << "About-screen";
    QTest::newRow("autorun") << "autorun"
                             << "Autorun-screen";
    QTest::newRow("recovery") << "recovery"
                              << "Recovery-screen";
    QTest::newRow("history") << "history"
                             << "Installation-history-screen";
}

void ViewsSmokeTest::everyPageOpens() {
    QFETCH(QString, name);
    QFETCH(QString, screen);
    m_controller->ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_controller->mainWindow()));
    QSignalSpy views(m_tracker.get(), &Qln::TrackerStub::appViewSent);
    QObject* page = openPage(name);
    QVERIFY(page);
    QCOMPARE(page->property("show").toBool(), true);
    QTRY_VERIFY(views.count() >= 1);
    QCOMPARE(views.last().at(0).toString(), screen);
    waitForFrame(m_controller->mainWindow());
    verifyNoWarnings();
}

void ViewsSmokeTest::pageIsCreatedOnceAndReportsEachSelection() {
    m_controller->ShowMainWindow();
    QObject* first = openPage("settings");
    QVERIFY(first);
    QVERIFY(openPage("utility"));
    QCOMPARE(first->property("show").toBool(), false);
    QSignalSpy views(m_tracker.get(), &Qln::TrackerStub::appViewSent);
    QCOMPARE(openPage("settings"), first);
    QCOMPARE(first->property("show").toBool(), true);
    QCOMPARE(views.count(), 1);
    QCOMPARE(views.at(0).at(0).toString(), QStringLiteral("Settings-screen"));
    verifyNoWarnings();
}

void ViewsSmokeTest::rebootDialogOpensOnRequest() {
    m_controller->ShowMainWindow();
    QObject* dialog =
        m_controller->mainWindow()->rootObject()->findChild<QObject*>("needRebootDialog");
    QVERIFY(dialog);
    QCOMPARE(dialog->property("opened").toBool(), false);
    QSignalSpy views(m_tracker.get(), &Qln::TrackerStub::appViewSent);
    m_controller->mainWindow()->offerReboot();
    QTRY_VERIFY(dialog->property("opened").toBool());
    QCOMPARE(views.count(), 1);
    QCOMPARE(views.at(0).at(0).toString(), QStringLiteral("Reboot-screen"));
    QMetaObject::invokeMethod(dialog, "close");
    QTRY_VERIFY(!dialog->property("opened").toBool());
    verifyNoWarnings();
}

void ViewsSmokeTest::maximisedWindowHasNoGripsAndRestoresOnDoubleClick() {
    m_controller->ShowMainWindow();
    Qln::MainWindow* main = m_controller->mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    auto* grips = main->rootObject()->findChild<QQuickItem*>("resizeGrips");
    QVERIFY(grips);
    QVERIFY(grips->isVisible());
    QSignalSpy events(m_tracker.get(), &Qln::TrackerStub::eventSent);

    main->showMaximized();
    QTRY_COMPARE(main->visibility(), QWindow::Maximized);
    QVERIFY(!grips->isVisible());

    // The title bar: beside the logo, clear of the window buttons.
    const QPoint titleBar(main->width() / 2, 20);
    QTest::mouseDClick(main, Qt::LeftButton, Qt::NoModifier, titleBar);
    QTRY_COMPARE(main->visibility(), QWindow::Windowed);
    QVERIFY(grips->isVisible());
    QVERIFY(!events.isEmpty());
    QCOMPARE(events.last().at(2).toString(), QStringLiteral("Normalize"));
    verifyNoWarnings();
}

void ViewsSmokeTest::settingsSaveOffersTheRestart() {
    m_controller->ShowMainWindow();
    Qln::MainWindow* main = m_controller->mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QObject* page = openPage("settings");
    QVERIFY(page);
    QObject* module = m_modules->module("settings");
    const Flow::Shared<Qln::Environment> environment = m_modules->configuration()->environment;
    QVERIFY(environment->checkUpdates());
    module->setProperty("checkUpdates", false);
    QObject* dialog = page->findChild<QObject*>("restartDialog");
    QVERIFY(dialog);
    auto* save = page->findChild<QQuickItem*>("saveButton");
    QVERIFY(save);
    QTRY_VERIFY(save->isVisible() && save->width() > 0);
    QSignalSpy views(m_tracker.get(), &Qln::TrackerStub::appViewSent);
    const QPointF centre = save->mapToScene(QPointF(save->width() / 2, save->height() / 2));
    QTest::mouseClick(main, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    QTRY_VERIFY(dialog->property("opened").toBool());
    QVERIFY(!environment->checkUpdates());
    QCOMPARE(views.last().at(0).toString(), QStringLiteral("Restart-screen"));
    QMetaObject::invokeMethod(dialog, "close");
    verifyNoWarnings();
}

void ViewsSmokeTest::languageListShowsTheModulesRow() {
    QObject* module = m_modules->module("settings");
    module->setProperty("index", 6);
    m_controller->ShowMainWindow();
    QObject* page = openPage("settings");
    QVERIFY(page);
    QObject* list = page->findChild<QObject*>("languageList");
    QVERIFY(list);
    QTRY_COMPARE(list->property("currentIndex").toInt(), 6);

    // A choice made in the list reaches the module.
    QObject* languages = page->findChild<QObject*>("languages");
    QVERIFY(languages);
    QMetaObject::invokeMethod(languages, "chosen", Q_ARG(int, 2));
    QCOMPARE(module->property("index").toInt(), 2);
    QCOMPARE(list->property("currentIndex").toInt(), 2);

    // A reset from the module moves the list away from the unsaved choice.
    QMetaObject::invokeMethod(module, "resetSettings");
    QVERIFY(module->property("index").toInt() != 2);
    QCOMPARE(list->property("currentIndex").toInt(), module->property("index").toInt());
    verifyNoWarnings();
}

// What the drivers page's "ToAutorunButton" does, then what the user does on the page.
void ViewsSmokeTest::autorunPageTurnsTheMonthlyReminderOn() {
    QTranslator english;
    QVERIFY(english.load(":/Lang/QuillonPro_en.qm"));
    QCoreApplication::installTranslator(&english);
    m_controller->ShowMainWindow();
    Qln::MainWindow* main = m_controller->mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QObject* module = m_modules->module("autorun");
    QVERIFY(module);
    QMetaObject::invokeMethod(main->rootObject(), "sendCommand", Q_ARG(QVariant, "autorun"),
                              Q_ARG(QVariant, "launchInMonth"));
    QObject* page = nullptr;
    QTRY_VERIFY((page = m_modules->module("autorun")->entry()->viewObject()));
    auto* monthly = page->findChild<QQuickItem*>("monthlySelect");
    QVERIFY(monthly);
    QTRY_VERIFY(monthly->property("checked").toBool());
    QCOMPARE(module->property("taskType").toInt(), 1);

    auto* nextRun = page->findChild<QQuickItem*>("nextRun");
    QVERIFY(nextRun);
    QVERIFY(!nextRun->isVisible());
    auto* save = page->findChild<QQuickItem*>("saveButton");
    QVERIFY(save);
    QSignalSpy enabled(module, SIGNAL(enabledChanged()));
    QTest::mouseClick(main, Qt::LeftButton, Qt::NoModifier,
                      save->mapToScene(QPointF(save->width() / 2, save->height() / 2)).toPoint());
    QVERIFY(enabled.count() == 1 || enabled.wait(5000));
    QVERIFY(module->property("enabled").toBool());
    QTRY_VERIFY(nextRun->isVisible());
    const QString shown = page->findChild<QQuickItem*>("nextRunText")->property("text").toString();
    QVERIFY2(shown.contains("<b>" + module->property("nextDate").toString() + "</b>"),
             qPrintable(shown));
    QVERIFY(shown.contains("<b>" + module->property("nextTime").toString() + "</b>"));
    QCoreApplication::removeTranslator(&english);
    verifyNoWarnings();
}

namespace {

// Items a view makes for its rows are its children as items only.
QQuickItem* findItem(QObject* root, const QString& name) {
    auto* item = qobject_cast<QQuickItem*>(root);
    if (!item) {
        return nullptr;
    }
    if (item->objectName() == name) {
        return item;
    }
    for (QQuickItem* child : item->childItems()) {
        if (QQuickItem* found = findItem(child, name)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

// Points and entries arrive while the pages are open; a rollback fails and is reported.
void ViewsSmokeTest::recoveryAndHistoryPagesFollowTheManager() {
    m_controller->ShowMainWindow();
    Qln::MainWindow* main = m_controller->mainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    Qln::RecoveryManager& manager = *m_modules->configuration()->recoveryManager;
    QObject* page = openPage("recovery");
    QVERIFY(page);
    QCOMPARE(page->property("state").toString(), QStringLiteral("Empty"));

    Hrdw::Hardware audio;
    audio.id = QStringLiteral("HDAUDIO\\FUNC_01&VEN_10EC&DEV_1220");
    audio.name = QStringLiteral("Speakers, front");
    audio.driver = std::make_shared<Hrdw::Driver>();
    audio.driver->provider = QStringLiteral("Realtek");
    audio.driver->version = QStringLiteral("6.0.1.1");
    const Qln::DriverPackage missing{QString(40, QLatin1Char('a')), QStringLiteral("a.inf"),
                                     manager.archiveFolder() + "/missing.zip", true};
    QVERIFY(manager.addRecoveryPoint(audio, QStringLiteral("MEDIA"), missing));
    QTRY_COMPARE(page->property("state").toString(), QStringLiteral("HasElement"));
    QQuickItem* button = nullptr;
    QTRY_VERIFY((button = findItem(page, "recoveryButton")));
    QTRY_VERIFY(button->isVisible() && button->width() > 0);
    QSignalSpy events(m_tracker.get(), &Qln::TrackerStub::eventSent);
    QTest::mouseClick(
        main, Qt::LeftButton, Qt::NoModifier,
        button->mapToScene(QPointF(button->width() / 2, button->height() / 2)).toPoint());
    QTRY_COMPARE(events.size(), 2);
    QCOMPARE(events.at(0).at(2).toString(), QStringLiteral("Recovery-button"));
    QCOMPARE(events.at(1).at(1).toString(), QStringLiteral("Not-recovered"));
    QVERIFY(!button->isVisible());
    // The one line the failed rollback logs is the program's, not a view's.
    QCOMPARE(m_log->warnings().size(), 1);
    QVERIFY(m_log->warnings().first().startsWith("Recovery unpack error:"));
    m_log->clear();
    QQuickItem* status = findItem(page, "recoveryStatus");
    QVERIFY(status && status->isVisible());
    QCOMPARE(status->property("text").toString(),
             QCoreApplication::translate("RecoveryModule", "InstallBackupError"));
    QQuickItem* row = findItem(page, "changeRow");
    QVERIFY(row);
    QMetaObject::invokeMethod(row, "toggle");
    QCOMPARE(events.last().at(2).toString(), QStringLiteral("Expand-recovery"));
    QTRY_VERIFY(findItem(page, "changeFacts")->isVisible());

    QObject* history = openPage("history");
    QVERIFY(history);
    QCOMPARE(history->property("state").toString(), QStringLiteral("Empty"));
    manager.addHistoryEntry(audio, QStringLiteral("MEDIA"), Qln::DriverOffer());
    QTRY_COMPARE(history->property("state").toString(), QStringLiteral("HasElement"));
    QQuickItem* list = findItem(history, "changeList");
    QVERIFY(list);
    QTRY_COMPARE(list->property("count").toInt(), 1);
    verifyNoWarnings();
}

QTEST_MAIN(ViewsSmokeTest)
#include "views_smoke_test.moc"

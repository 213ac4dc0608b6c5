#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QQmlContext>
#include <QQuickItem>
#include <QSettings>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThreadPool>
#include <QUrlQuery>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "autorun/autorunmodule.h"
#include "backup/recoverymanager.h"
#include "base/task.h"
#include "core/application.h"
#include "core/appupdatewindow.h"
#include "core/connecterrorwindow.h"
#include "core/initwindow.h"
#include "core/launcher.h"
#include "core/mainwindow.h"
#include "core/modulelist.h"
#include "core/windowcontroller.h"
#include "hardware/installer.h"
#include "logcapture.h"
#include "net/manager.h"
#include "net/serviceclient.h"
#include "net/settingsdata.h"
#include "ostask/remindertask.h"
#include "ostask/taskscheduler.h"
#include "servicerunner.h"
#include "testenvironment.h"

using Qln::Launcher;
using Qln::WindowController;

namespace {

constexpr int kStartUpMs = 60000;

// One quillon-service on loopback with its own data folder and configuration.
class Service {
public:
    bool start(const QJsonObject& config, const QString& listen = QString(),
               const std::string& data = std::string()) {
        if (!data.empty()) {
            m_data = data;
        }
        if (m_data.empty()) {
            m_data = ServiceRunner::makeTempDir("launcher");
        }
        const std::string configPath = m_data + "/config.json";
        ServiceRunner::writeFile(configPath, QJsonDocument(config).toJson().toStdString());
        std::vector<std::string> extra = {"--config", configPath, "--test-hooks"};
        if (!listen.isEmpty()) {
            extra.push_back("--listen");
            extra.push_back(listen.toStdString());
        }
        m_runner = std::make_unique<ServiceRunner>();
        return m_runner->start(m_data, extra, m_data + "/service.log");
    }

    void stop() {
        // Kept-alive connections would hold the service's workers until they time out.
        Net::Manager::instance()->dropIdleConnections();
        if (m_runner) {
            m_runner->stop();
        }
    }

    QString url() const { return QString::fromStdString(m_runner->url()); }
    QString error() const { return QString::fromStdString(m_runner->error()); }
    int port() const { return m_runner->port(); }

    QJsonObject hook(const QString& path) const {
        QNetworkAccessManager access;
        QNetworkReply* reply = access.get(QNetworkRequest(QUrl(url() + path)));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        if (!reply->isFinished()) {
            finished.wait(10000);
        }
        const QJsonObject answer = QJsonDocument::fromJson(reply->readAll()).object();
        reply->deleteLater();
        return answer;
    }

    ~Service() { stop(); }

private:
    std::string m_data;
    std::unique_ptr<ServiceRunner> m_runner;
};

// A loopback port with nothing listening on it.
int closedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

QJsonObject updateOffer(bool force) {
    return {{"version", "1.3.0.0"},
            {"file_name", "QuillonProSetup.exe"},
            {"file_size", 31457280},
            {"hash_sha1", "0123456789abcdef0123456789abcdef01234567"},
            {"force", force}};
}

}  // namespace

class LauncherTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstWindow_data();
    void firstWindow();
    void retryRunsTheTaskAgainAndRebuildsTheInitView();
    void migrationSteps_data();
    void migrationSteps();
    void versionChangeIsReportedOnce_data();
    void versionChangeIsReportedOnce();
    void startWithoutWindowsShowsNothing();
    void quitDuringStartUpAgainstASilentService();
    void updateJourney_data();
    void updateJourney();

private:
    // A launcher on a fresh window controller, as the application makes it.
    Launcher* makeLauncher(const QString& host);
    bool waitForState(WindowController::State state);

    std::unique_ptr<LogCapture> m_log;
    std::unique_ptr<WindowController> m_windows;
    Qln::ArgumentMap m_arguments;
    std::unique_ptr<Launcher> m_launcher;
};

void LauncherTest::init() {
    m_log = std::make_unique<LogCapture>();
    m_windows = std::make_unique<WindowController>();
}

void LauncherTest::cleanup() {
    m_windows.reset();
    m_launcher.reset();
    m_log.reset();
    qunsetenv("QUILLON_ANALYTICS_URL");
}

Launcher* LauncherTest::makeLauncher(const QString& host) {
    m_arguments = {
        {"0", QStringLiteral("QuillonPro")}, {"host", host}, {"tab", QStringLiteral("about")}};
    m_launcher = std::make_unique<Launcher>(&m_arguments, QCoreApplication::applicationDirPath());
    m_launcher->setWindowController(m_windows.get());
    return m_launcher.get();
}

bool LauncherTest::waitForState(WindowController::State state) {
    return QTest::qWaitFor([&] { return m_windows->state() == state; }, kStartUpMs);
}

void LauncherTest::firstWindow_data() {
    QTest::addColumn<bool>("serviceUp");
    QTest::addColumn<QJsonObject>("config");
    QTest::addColumn<bool>("checkUpdates");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("serverError");
    QTest::addColumn<QString>("logLine");

    const int main = WindowController::Main;
    const int error = WindowController::Error;
    const int update = WindowController::Update;
    QTest::newRow("service answers") << true << QJsonObject() << true << main << false << QString();
    QTest::newRow("no service") << false << QJsonObject() << true << error << false
                                << "Authorization error (http): 0";
    QTest::newRow("authorisation refused")
        << true
        << QJsonObject{{"auth_error", QJsonObject{{"status", 403}, {"code", 9}, {"message", "no"}}}}
        << true << error << false << "Authorization error (http): 403";
    QTest::newRow("settings with an error code")
        << true
        << QJsonObject{{"settings_error",
                        QJsonObject{{"status", 200}, {"code", 7}, {"message", "maintenance"}}}}
        << true << error << true << "Settings init error (http/server): 200/7";
    QTest::newRow("settings refused without an error code")
        << true
        << QJsonObject{{"settings_error",
                        QJsonObject{{"status", 503}, {"code", 0}, {"message", "busy"}}}}
        << true << error << false << "Settings init error (http/server): 503/0";
    QTest::newRow("offer with checkupdate on")
        << true << QJsonObject{{"update", updateOffer(false)}} << true << update << false
        << QString();
    QTest::newRow("offer with checkupdate off")
        << true << QJsonObject{{"update", updateOffer(false)}} << false << main << false
        << QString();
    QTest::newRow("forced offer with checkupdate off")
        << true << QJsonObject{{"update", updateOffer(true)}} << false << update << false
        << QString();
    QTest::newRow("offer without a version")
        << true << QJsonObject{{"update", QJsonObject{{"file_name", "QuillonProSetup.exe"}}}}
        << true << main << false << QString();
}

void LauncherTest::firstWindow() {
    QFETCH(bool, serviceUp);
    QFETCH(QJsonObject, config);
    QFETCH(bool, checkUpdates);
    QFETCH(int, expected);
    QFETCH(bool, serverError);
    QFETCH(QString, logLine);

    Service service;
    QString host = QStringLiteral("http://127.0.0.1:%1").arg(closedPort());
    if (serviceUp) {
        QVERIFY2(service.start(config), qPrintable(service.error()));
        host = service.url();
    }
    Launcher* launcher = makeLauncher(host);
    launcher->configuration()->environment->setCheckUpdates(checkUpdates);
    launcher->start();
    QCOMPARE(m_windows->state(), WindowController::Init);
    QVERIFY(waitForState(WindowController::State(expected)));

    const Qln::Configuration& configuration = *launcher->configuration();
    QVERIFY(configuration.serviceClient && configuration.osInfo && configuration.systemInfo);
    QVERIFY(configuration.settingsData && configuration.installer);
    QVERIFY(configuration.recoveryManager);
    QVERIFY(launcher->moduleList());
    if (!logLine.isEmpty()) {
        QVERIFY2(m_log->warnings().contains(logLine), qPrintable(m_log->warnings().join('\n')));
    }
    if (expected == WindowController::Error) {
        QCOMPARE(m_windows->errorWindow()->isServerError(), serverError);
        return;
    }
    QVERIFY(configuration.serviceClient->hasEndpoints());
    QCOMPARE(configuration.serviceClient->endpoints().updatesFind, host + "/updates/find");

    // What the main view reads about the service and its modules.
    Qln::MainWindow* main = m_windows->mainWindow();
    QQmlContext* context = main->rootContext();
    QCOMPARE(context->contextProperty("isAvailableServer").toBool(), true);
    QCOMPARE(context->contextProperty("dbUpdatedAt").toString(), "2026-12-01T00:00:00Z");
    QVERIFY(!context->contextProperty("publicUrls").toMap().isEmpty());
    QCOMPARE(qvariant_cast<QList<QObject*>>(context->contextProperty("moduleList")).size(), 8);
    QCOMPARE(context->contextProperty("startModuleIndex").toInt(), 7);

    QSignalSpy rebootOffer(main, &Qln::MainWindow::showNeedRebootDialog);
    emit configuration.installer->ShowNeedRebootMessage();
    QCOMPARE(rebootOffer.count(), 1);
}

void LauncherTest::retryRunsTheTaskAgainAndRebuildsTheInitView() {
    Service service;
    const QJsonObject refusing{
        {"auth_error", QJsonObject{{"status", 503}, {"code", 1}, {"message", "down"}}}};
    QVERIFY2(service.start(refusing), qPrintable(service.error()));
    Launcher* launcher = makeLauncher(service.url());
    launcher->start();
    QVERIFY(waitForState(WindowController::Error));
    QVERIFY(!m_windows->errorWindow()->isServerError());
    QCOMPARE(service.hook("/_test/counters").value("auth").toInt(), 1);
    Qln::Task* task = m_windows->initWindow()->task();
    QSignalSpy runs(task, &Qln::Task::finished);
    QQuickItem* firstView = m_windows->initWindow()->rootObject();
    QVERIFY(firstView);
    firstView->setProperty("seenBefore", true);
    const Qln::ModuleList* firstModules = launcher->moduleList();

    // The same address now answers: the retried run gets through.
    const QString listen = QStringLiteral("127.0.0.1:%1").arg(service.port());
    service.stop();
    QVERIFY2(service.start(QJsonObject(), listen), qPrintable(service.error()));
    emit m_windows->errorWindow()->retry();
    QCOMPARE(m_windows->state(), WindowController::Init);
    QQuickItem* secondView = m_windows->initWindow()->rootObject();
    QVERIFY(secondView);
    QVERIFY(!secondView->property("seenBefore").isValid());
    QVERIFY(waitForState(WindowController::Main));
    QCOMPARE(runs.count(), 1);
    QCOMPARE(m_windows->initWindow()->task(), task);
    QVERIFY(launcher->moduleList() != firstModules);
    QVERIFY(launcher->configuration()->serviceClient->hasEndpoints());
    const QJsonObject counters = service.hook("/_test/counters");
    QCOMPARE(counters.value("auth").toInt(), 1);
    QCOMPARE(counters.value("settings").toInt(), 1);
}

void LauncherTest::migrationSteps_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("steps");  // f: FirstRun, d: default task, r: re-point, l: legacy

    QTest::newRow("first start") << ""
                                 << "1.2.0.2134"
                                 << "fd";
    QTest::newRow("from 1.0.0") << "1.0.0"
                                << "1.2.0.2134"
                                << "fdrl";
    QTest::newRow("from 1.0.3") << "1.0.3"
                                << "1.2.0.2134"
                                << "frl";
    QTest::newRow("from 1.0.4") << "1.0.4"
                                << "1.2.0.2134"
                                << "fl";
    QTest::newRow("from 1.1.0") << "1.1.0"
                                << "1.2.0.2134"
                                << "fl";
    QTest::newRow("from 1.2.0") << "1.2.0"
                                << "1.2.0.2134"
                                << "f";
    QTest::newRow("from 1.2.0.2000") << "1.2.0.2000"
                                     << "1.2.0.2134"
                                     << "f";
    QTest::newRow("same version") << "1.2.0.2134"
                                  << "1.2.0.2134"
                                  << "";
    QTest::newRow("newer version stored") << "1.3.0"
                                          << "1.2.0.2134"
                                          << "";
}

void LauncherTest::migrationSteps() {
    QFETCH(QString, stored);
    QFETCH(QString, current);
    QFETCH(QString, steps);

    const Launcher::MigrationSteps chosen = Launcher::migrationSteps(
        stored.isEmpty() ? QVersionNumber() : QVersionNumber::fromString(stored),
        QVersionNumber::fromString(current));
    QString taken;
    taken += chosen.firstRun ? "f" : "";
    taken += chosen.makeDefaultTask ? "d" : "";
    taken += chosen.repointTask ? "r" : "";
    taken += chosen.migrateLegacy ? "l" : "";
    QCOMPARE(taken, steps);
}

void LauncherTest::versionChangeIsReportedOnce_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("steps");

    QTest::newRow("first start") << ""
                                 << "fd";
    QTest::newRow("from 1.0.3") << "1.0.3"
                                << "frl";
    QTest::newRow("from 1.1.0") << "1.1.0"
                                << "fl";
    QTest::newRow("from 1.2.0.2000") << "1.2.0.2000"
                                     << "f";
}

void LauncherTest::versionChangeIsReportedOnce() {
    QFETCH(QString, stored);
    QFETCH(QString, steps);

    Service service;
    QVERIFY2(service.start(QJsonObject()), qPrintable(service.error()));
    qputenv("QUILLON_ANALYTICS_URL", (service.url() + "/collect/batch").toUtf8());
    Launcher* launcher = makeLauncher(service.url());
    const Flow::Shared<Qln::Environment> environment = launcher->configuration()->environment;
    environment->setVersion(QVersionNumber::fromString(stored));
    // An earlier install's reminder, where there was one, names the old folder.
    const QString reminder = System::OSTask::ReminderTask::name();
    System::OSTask::remove(reminder);
    if (!stored.isEmpty()) {
        QVERIFY(Qln::AutorunModule::makeDefaultTask("/old"));
    }

    // A recovery record of a version before 1.2.0, beside its archive.
    const QString legacy = environment->backupsDir() + "/record";
    QDir().mkpath(environment->backupsDir());
    {
        QSettings record(legacy, QSettings::IniFormat);
        record.setValue("inf", "oem4.inf");
        record.setValue("hid", "PCI\\VEN_8086&DEV_15BC");
        record.setValue("desc", "Ethernet");
        record.setValue("cdate", QDate(2019, 6, 1));
    }
    QFile archive(legacy + ".zip");
    QVERIFY(archive.open(QIODevice::WriteOnly));
    archive.close();

    const Launcher::MigrationSteps chosen = launcher->migrate();
    QCOMPARE(QFile::exists(legacy), !steps.contains('l'));
    const bool pointedHere = steps.contains('d') || steps.contains('r');
    const QString command = System::OSTask::ReminderTask::command(
        pointedHere ? launcher->applicationDir() : QStringLiteral("/old"));
    QVERIFY(System::OSTask::xml(reminder).contains(">" + command + "<"));
    QVERIFY(System::OSTask::nextRunTime(reminder).isValid());
    QCOMPARE(chosen.firstRun, steps.contains('f'));
    QCOMPARE(chosen.makeDefaultTask, steps.contains('d'));
    QCOMPARE(chosen.repointTask, steps.contains('r'));
    QCOMPARE(chosen.migrateLegacy, steps.contains('l'));
    QCOMPARE(environment->version(), QVersionNumber::fromString(Qln::Application::kVersion));

    // The event waits for the tracking id that the service settings bring.
    launcher->start();
    QVERIFY(waitForState(WindowController::Main));
    QCOMPARE(launcher->configuration()->recoveryManager->recoveryPoints().size(),
             steps.contains('l') ? 1 : 0);
    QFile::remove(legacy);
    QFile::remove(Qln::Environment::appDataDir() + "/recovery");
    launcher->configuration()->analytics->sendAll();
    QList<QUrlQuery> firstRuns;
    for (const QJsonValue hit : service.hook("/_test/collected").value("hits").toArray()) {
        const QUrlQuery query(hit.toString());
        if (query.queryItemValue("ec") == "FirstRun") {
            firstRuns.append(query);
        }
    }
    QCOMPARE(firstRuns.size(), 1);
    QCOMPARE(firstRuns[0].queryItemValue("ea"), QString::fromLatin1(Qln::Application::kVersion));
    QCOMPARE(firstRuns[0].hasQueryItem("el"), !stored.isEmpty());
    QCOMPARE(firstRuns[0].queryItemValue("el"), stored);
    QVERIFY(!firstRuns[0].hasQueryItem("ev"));

    // The next start of the same version changes nothing and reports nothing.
    m_windows = std::make_unique<WindowController>();
    launcher = makeLauncher(service.url());
    const Launcher::MigrationSteps again = launcher->migrate();
    QVERIFY(!again.firstRun && !again.makeDefaultTask && !again.repointTask &&
            !again.migrateLegacy);
    QCOMPARE(launcher->configuration()->analytics->queueSize(), 0);
}

void LauncherTest::startWithoutWindowsShowsNothing() {
    Launcher* launcher = makeLauncher(QString());
    m_windows.reset();
    launcher->start();
    QVERIFY(m_log->warnings().contains("Windows controller is not define"));
}

void LauncherTest::quitDuringStartUpAgainstASilentService() {
    // Takes every connection and never answers.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
    QList<QTcpSocket*> held;
    connect(&silent, &QTcpServer::newConnection, this, [&] {
        while (QTcpSocket* socket = silent.nextPendingConnection()) {
            held << socket;
        }
    });
    Launcher* launcher =
        makeLauncher(QStringLiteral("http://127.0.0.1:%1").arg(silent.serverPort()));
    launcher->migrate();
    launcher->start();
    QTRY_VERIFY_WITH_TIMEOUT(!held.isEmpty() && held.first()->bytesAvailable() > 0, kStartUpMs);
    QCOMPARE(m_windows->state(), WindowController::Init);

    // What quitting does: stop, write everything out, tear down.
    m_windows->Exit();
    launcher->shutDown();
    m_windows.reset();
    m_launcher.reset();
    // The init task's call ends on the abort alone; this thread runs no events meanwhile.
    // The bound is far below the call's own deadline.
    QVERIFY(QThreadPool::globalInstance()->waitForDone(30000));
}

void LauncherTest::updateJourney_data() {
    QTest::addColumn<bool>("crossWhileDownloading");
    QTest::newRow("accept: the setup runs once and the window closes") << false;
    QTest::newRow("close cross while downloading aborts first") << true;
}

void LauncherTest::updateJourney() {
    QFETCH(bool, crossWhileDownloading);
    const std::string data = ServiceRunner::makeTempDir("update-journey");
    const QString marker = QString::fromStdString(data) + "/setup-ran.log";
    QVERIFY(QDir().mkpath(QString::fromStdString(data) + "/files/update"));
    const std::string setup = "#!/bin/sh\necho ran >>'" + marker.toStdString() + "'\n";
    QVERIFY(ServiceRunner::writeFile(data + "/files/update/setup.sh", setup));
    Service service;
    const QJsonObject offer{{"version", "1.3.0.0"}, {"file", "setup.sh"}, {"force", true}};
    QVERIFY2(service.start(QJsonObject{{"update", offer}}, QString(), data),
             qPrintable(service.error()));
    Launcher* launcher = makeLauncher(service.url());
    launcher->configuration()->environment->setCheckUpdates(false);
    launcher->start();
    QVERIFY(waitForState(WindowController::Update));
    Qln::AppUpdateWindow* window = m_windows->updateWindow();
    QTRY_VERIFY(window->rootObject());
    auto* yes = window->rootObject()->findChild<QQuickItem*>("yesButton");
    auto* cross = window->rootObject()->findChild<QQuickItem*>("closeButton");
    QVERIFY(yes && cross && window->task());
    QSignalSpy failed(window->task(), &Qln::AppUpdateTask::downloadError);
    QVERIFY(QMetaObject::invokeMethod(yes, "clicked"));
    QVERIFY(window->task()->isRunning());
    if (crossWhileDownloading) {
        QVERIFY(QMetaObject::invokeMethod(cross, "clicked"));
        QVERIFY(!window->isVisible());
        QTRY_COMPARE(failed.count(), 1);
        QVERIFY(!QFile::exists(window->task()->outputPath()));
        QVERIFY(!QFile::exists(marker));
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), kStartUpMs);
    QCOMPARE(failed.count(), 0);
    QTRY_VERIFY(QFile::exists(marker));
    QFile ran(marker);
    QVERIFY(ran.open(QIODevice::ReadOnly));
    QCOMPARE(ran.readAll(), QByteArray("ran\n"));
}

int main(int argc, char** argv) {
    // A copy of the machine, whose Tasks/ folder the version steps write to.
    const QByteArray base = isolateUserFolders();
    const QString machine = QString::fromLocal8Bit(base) + QStringLiteral("/machine");
    std::filesystem::copy(qEnvironmentVariable("QUILLON_MACHINE").toStdString(),
                          machine.toStdString(), std::filesystem::copy_options::recursive);
    qputenv("QUILLON_MACHINE", machine.toLocal8Bit());
    QCoreApplication::setApplicationName(QStringLiteral("QuillonPro"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Qln::Application::kVersion));
    QGuiApplication app(argc, argv);
    LauncherTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "launcher_test.moc"

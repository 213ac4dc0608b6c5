// The update pipeline end to end: a copy of the sample PC scanned and searched against the real
// service holding the sample catalogue, packages downloaded, checked, unpacked and installed by
// the real Installer, recorded for recovery and reported.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <memory>

#include "backup/recoveryfiles.h"
#include "backup/recoverymanager.h"
#include "filetree.h"
#include "formats/zipreader.h"
#include "hardware/deviceselectviewmodel.h"
#include "hardware/driversupdatemodel.h"
#include "hardware/findupdatetask.h"
#include "hardware/installer.h"
#include "hardware/installreporter.h"
#include "hardware/installupdate.h"
#include "hardware/installupdatestask.h"
#include "hardware/updateswrapper.h"
#include "net/ganalytics.h"
#include "net/manager.h"
#include "net/multidownloader.h"
#include "platform/machinemodel.h"
#include "scriptedserver.h"
#include "serviceclientsetup.h"
#include "servicerunner.h"
#include "servicetesting.h"
#include "signalwait.h"

using Qln::InstallState;
using Qln::InstallUpdate;

namespace {

constexpr int kWaitMs = 120000;
const QString kAudio = QStringLiteral("Realtek High Definition Audio");
const QString kWebcam = QStringLiteral("Logitech Webcam C925e");

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(kWaitMs) || process.exitCode() != 0) {
        return program + " failed: " + QString::fromLocal8Bit(process.readAll());
    }
    return QString();
}

// The installed driver record of the first device whose name is `name`.
platform::machine::DriverRecord driverOf(const QString& machine, const QString& name) {
    platform::machine::Model model;
    std::string error;
    platform::machine::load(machine.toStdString(), model, error);
    for (const platform::machine::Device& device : model.devices) {
        if (QString::fromStdString(device.name) == name && device.driver) {
            return *device.driver;
        }
    }
    return {};
}

}  // namespace

class UpdatePipelineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void updateIsInstalledRecordedAndReported();
    void refusedPackagesInstallNothing_data();
    void refusedPackagesInstallNothing();
    void abortDuringDownloadStartsNothingMore();
    void killedMidPipelineLeavesReadableFiles();
    void reportsLeaveOutResultsAboutNoDriver_data();
    void reportsLeaveOutResultsAboutNoDriver();

private:
    // Scans the machine copy; the rows of the search answer by device name.
    QMap<QString, Qln::DeviceSelectViewModel*> scan();
    Flow::Shared<InstallUpdate> updateFor(Qln::DeviceSelectViewModel* row);
    // Runs the pipeline over the updates; false when it did not end in time.
    bool install(const QList<Flow::Shared<InstallUpdate>>& updates, bool abortOnDownload = false);
    QStringList collectedActions();
    QString reports();

    QTemporaryDir m_scratch;
    QString m_packages;
    QString m_machine;
    QString m_appData;
    std::string m_data;
    std::unique_ptr<ServiceRunner> m_service;
    std::unique_ptr<Qln::ServiceClient> m_client;
    Flow::Shared<Qln::Installer> m_installer;
    Flow::Shared<Qln::RecoveryManager> m_recovery;
    Flow::Shared<Qln::InstallReporter> m_reporter;
    Flow::Shared<Utils::GAnalytics> m_analytics;
    std::unique_ptr<Qln::FindUpdateTask> m_finder;
    std::unique_ptr<Qln::DriversUpdateModel> m_model;
    QMap<InstallUpdate*, QStringList> m_statuses;
    int m_run = 0;
};

void UpdatePipelineTest::initTestCase() {
    Net::Manager::instance()->configure(QString(), 10000, true);
    m_packages = m_scratch.filePath("packages");
    const QString failure = run("python3", {QLN_CATALOGUE_SCRIPT, "--out", m_packages});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void UpdatePipelineTest::init() {
    const QString root = m_scratch.filePath(QString::number(++m_run));
    m_machine = root + "/machine";
    m_appData = root + "/appdata";
    m_data = (root + "/service").toStdString();
    QVERIFY(copyTree(QLN_SAMPLE_MACHINE, m_machine));
    qputenv("QUILLON_MACHINE", m_machine.toUtf8());
    qputenv("QUILLON_RUNTIME_DIR", (root + "/runtime").toUtf8());
    const QString failure =
        run(QString::fromStdString(ServiceRunner::binary()),
            {"index", "--data", QString::fromStdString(m_data), "--packages", m_packages});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    m_service = std::make_unique<ServiceRunner>();
    QVERIFY(m_service->start(m_data, {"--test-hooks"}, m_data + "/service.log"));

    m_client =
        std::make_unique<Qln::ServiceClient>(QString::fromStdString(m_service->url()),
                                             testPcAuth("{6c5b3f1e-0000-4000-8000-000000000042}"));
    QCOMPARE(takeServiceEndpoints(*m_client), 200);

    m_installer = std::make_shared<Qln::Installer>(Qln::ArgumentMap(), true);
    m_installer->setInstallerPath(QLN_INSTALLER_PATH);
    Qln::RecoveryManager::Folders folders;
    folders.appData = m_appData;
    folders.archives = m_appData + "/Backups";
    folders.unpack = m_appData + "/Unpack";
    folders.downloads = m_appData + "/Drivers";
    m_recovery = std::make_shared<Qln::RecoveryManager>(folders, m_installer);
    m_reporter = std::make_shared<Qln::InstallReporter>(m_client->reportMethod());
    m_analytics = std::make_shared<Utils::GAnalytics>(
        "QuillonPro", "1.2.0.2134",
        QUrl(QString::fromStdString(m_service->url()) + "/collect/batch"));
    m_analytics->setTrackingId("UA-42-1");
}

void UpdatePipelineTest::cleanup() {
    m_model.reset();
    m_finder.reset();
    m_statuses.clear();
    m_reporter.reset();
    m_recovery.reset();
    m_installer.reset();
    m_analytics.reset();
    m_client.reset();
    Net::Manager::instance()->dropIdleConnections();
    if (m_service) {
        m_service->stop();
    }
    m_service.reset();
}

QMap<QString, Qln::DeviceSelectViewModel*> UpdatePipelineTest::scan() {
    m_finder = std::make_unique<Qln::FindUpdateTask>(true, m_client->findUpdatesMethod());
    QSignalSpy finished(m_finder.get(), &Qln::Task::finished);
    m_finder->start();
    QMap<QString, Qln::DeviceSelectViewModel*> rows;
    if (!signalArrived(finished, kWaitMs)) {
        return rows;
    }
    m_model.reset(m_finder->takeResult());
    for (Qln::DeviceSelectViewModel* row : m_model->rows()) {
        rows.insert(row->name(), row);
    }
    return rows;
}

Flow::Shared<InstallUpdate> UpdatePipelineTest::updateFor(Qln::DeviceSelectViewModel* row) {
    auto update = std::make_shared<InstallUpdate>(row->hardware(), row->className(), row->offers(),
                                                  row->selectDriverIndex());
    update->setRecording(m_recovery, m_reporter);
    InstallUpdate* raw = update.get();
    connect(update->state(), &InstallState::statusChanged, this,
            [this, raw] { m_statuses[raw] << raw->state()->statusText(); });
    return update;
}

bool UpdatePipelineTest::install(const QList<Flow::Shared<InstallUpdate>>& updates,
                                 bool abortOnDownload) {
    Flow::Shared<Net::IDownloader> downloader(m_client->createDownloader());
    Qln::InstallUpdatesTask task(m_appData + "/Unpack", downloader, m_installer, m_analytics,
                                 m_recovery);
    QSignalSpy finished(&task, &Qln::Task::finished);
    if (abortOnDownload) {
        connect(updates.first()->state(), &InstallState::statusChanged, &task, [&] {
            if (updates.first()->state()->status() == InstallState::Download) {
                task.abort();
            }
        });
    }
    task.start(std::make_shared<Qln::UpdatesWrapper>(updates));
    return signalArrived(finished, kWaitMs) && finished.first().first().toBool() == abortOnDownload;
}

QStringList UpdatePipelineTest::collectedActions() {
    m_analytics->sendAll();
    httplib::Client client(m_service->url());
    QStringList actions;
    const nlohmann::json hits = servicetesting::parse(client.Get("/_test/collected"))["hits"];
    for (const nlohmann::json& hit : hits) {
        const QString line = QString::fromStdString(hit.get<std::string>());
        for (const QString& pair : line.split('&')) {
            if (pair.startsWith("ea=")) {
                actions << QUrl::fromPercentEncoding(pair.mid(3).toUtf8());
            }
        }
    }
    return actions;
}

QString UpdatePipelineTest::reports() {
    return QString::fromStdString(servicetesting::query(
        m_data, "SELECT inf_sha1, error_code, system_error_code FROM install_reports ORDER BY id"));
}

void UpdatePipelineTest::updateIsInstalledRecordedAndReported() {
    QMap<QString, Qln::DeviceSelectViewModel*> rows = scan();
    QVERIFY(rows.contains(kAudio));
    const Qln::DriverOffer offer = rows[kAudio]->selectedOffer();
    const platform::machine::DriverRecord before = driverOf(m_machine, kAudio);
    QVERIFY(!before.version.empty());
    QSignalSpy sent(m_reporter.get(), &Qln::InstallReporter::Sent);
    QSignalSpy history(m_recovery.get(), &Qln::RecoveryManager::historyChanged);

    const Flow::Shared<InstallUpdate> update = updateFor(rows[kAudio]);
    QVERIFY(install({update}));
    QTRY_COMPARE(m_statuses[update.get()], (QStringList{"Waiting", "Download", "Unpacking",
                                                        "Waiting", "Installation", "Complete"}));

    // Installed: the device's record names the offered driver.
    const platform::machine::DriverRecord after = driverOf(m_machine, kAudio);
    QCOMPARE(QString::fromStdString(after.version), offer.version);
    QVERIFY(after.infName != before.infName || after.version != before.version);
    // Recorded: a recovery point of the replaced driver, its archive, a history entry.
    QTRY_COMPARE(m_recovery->recoveryPoints().size(), 1);
    QVERIFY(QFile::exists(update->backup.path));
    QCOMPARE(update->backup.path, m_appData + "/Backups/" + update->backup.id + ".zip");
    QTRY_COMPARE(m_recovery->historyEntries().size(), 1);
    QCOMPARE(m_recovery->historyEntries().first()->driver()->version(), offer.version);
    QVERIFY(QFile(m_appData + "/recovery").size() > 0);
    QVERIFY(QFile(m_appData + "/history").size() > 0);
    // Reported, and stored by the service.
    QVERIFY(sent.count() == 1 || sent.wait(kWaitMs));
    QCOMPARE(reports(), offer.infSha1 + "|0|0\n");
    // Nothing half-written stays in the download folder.
    QCOMPARE(QDir(m_appData + "/Drivers").entryList(QDir::Files | QDir::Hidden),
             QStringList{offer.infSha1 + ".zip"});

    // The driver is now current: a second scan no longer offers it.
    rows = scan();
    QVERIFY(!rows.contains(kAudio));
}

void UpdatePipelineTest::refusedPackagesInstallNothing_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("action");
    QTest::newRow("wrong package SHA-1") << "wrong"
                                         << "Unpack-error";
    QTest::newRow("package SHA-1 in upper case") << "upper"
                                                 << "Unpack-error";
    QTest::newRow("device without an installed driver") << "no driver"
                                                        << "Backup-error";
}

void UpdatePipelineTest::refusedPackagesInstallNothing() {
    QFETCH(QString, fault);
    QFETCH(QString, action);
    QMap<QString, Qln::DeviceSelectViewModel*> rows = scan();
    QVERIFY(rows.contains(kWebcam));
    Qln::DeviceSelectViewModel* row = rows[kWebcam];
    QList<Qln::DriverOffer> offers = row->offers();
    Flow::Shared<Hrdw::Hardware> hardware = row->hardware();
    if (fault == "wrong") {
        QString& sha1 = offers[0].fileSha1;
        sha1[0] = sha1[0] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
    } else if (fault == "upper") {
        offers[0].fileSha1 = offers[0].fileSha1.toUpper();
    } else {
        hardware = std::make_shared<Hrdw::Hardware>(*hardware);
        hardware->driver.reset();
    }
    const platform::machine::DriverRecord before = driverOf(m_machine, kWebcam);
    auto update = std::make_shared<InstallUpdate>(hardware, row->className(), offers, 0);
    update->setRecording(m_recovery, m_reporter);
    QVERIFY(install({update}));
    QTRY_COMPARE(update->state()->status(), InstallState::Error);
    const platform::machine::DriverRecord after = driverOf(m_machine, kWebcam);
    QCOMPARE(after.version, before.version);
    QCOMPARE(after.infName, before.infName);
    QVERIFY(!QDir(m_appData + "/Unpack/" + offers[0].infSha1).exists());
    QCOMPARE(collectedActions(), QStringList{action});
    QCOMPARE(reports(), QString());
}

void UpdatePipelineTest::abortDuringDownloadStartsNothingMore() {
    QMap<QString, Qln::DeviceSelectViewModel*> rows = scan();
    QVERIFY(rows.contains(kAudio) && rows.contains(kWebcam));
    // The first package never finishes arriving.
    ScriptedServer stalled([](const ScriptedServer::Received&) {
        ScriptedServer::Answer answer;
        answer.contentType = "application/zip";
        answer.body = QByteArray(4096, 'x');
        answer.stallBody = true;
        return answer;
    });
    QList<Qln::DriverOffer> offers = rows[kAudio]->offers();
    offers[0].downloadUrl = stalled.baseUrl() + "/files/packages/stalled.zip";
    auto first = std::make_shared<InstallUpdate>(rows[kAudio]->hardware(),
                                                 rows[kAudio]->className(), offers, 0);
    const Flow::Shared<InstallUpdate> second = updateFor(rows[kWebcam]);
    const platform::machine::DriverRecord before = driverOf(m_machine, kWebcam);

    QVERIFY(install({first, second}, true));
    QTRY_COMPARE(first->state()->status(), InstallState::Error);
    QCOMPARE(second->state()->status(), InstallState::Normal);
    QVERIFY(m_statuses[second.get()].isEmpty());
    QCOMPARE(driverOf(m_machine, kWebcam).version, before.version);
    QCOMPARE(collectedActions(), QStringList{"Download-error"});
}

// What a user relies on after a crash: readable recovery and history files whose every point has
// its archive, no partial archive or download under a final name, a readable machine.
void UpdatePipelineTest::killedMidPipelineLeavesReadableFiles() {
    const QString appData = m_scratch.filePath("killed");
    bool finished = false;
    for (int round = 0; round < 8 && !finished; ++round) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // An Installer left behind by a killed round must not meet the next round's pipe.
        environment.insert("QUILLON_RUNTIME_DIR", appData + "/runtime" + QString::number(round));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QLN_PIPELINE_CHILD,
                    {QString::fromStdString(m_service->url()), appData, QLN_INSTALLER_PATH});
        QVERIFY(child.waitForStarted());
        const int moment = static_cast<int>(QRandomGenerator::global()->bounded(50, 2000));
        if (child.waitForFinished(moment)) {
            QCOMPARE(child.exitCode(), 0);
            finished = true;
        } else {
            ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(kWaitMs));
        }

        Qln::RecoveryFiles files(appData + "/recovery", appData + "/history", appData + "/Backups");
        QString error;
        const QList<Qln::InstallRecovery::Fields> points = files.readRecovery(&error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        files.readHistory(&error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (const Qln::InstallRecovery::Fields& point : points) {
            QVERIFY2(QFile::exists(point.package.path), qPrintable(point.package.path));
        }
        for (const QString& folder : {QString("/Backups"), QString("/Drivers")}) {
            for (const QFileInfo& file :
                 QDir(appData + folder).entryInfoList({"*.zip"}, QDir::Files)) {
                formats::ZipReader zip;
                std::string reason;
                QVERIFY2(zip.open(file.filePath().toStdString(), reason),
                         qPrintable(file.filePath() + ": " + QString::fromStdString(reason)));
            }
        }
        platform::machine::Model model;
        std::string reason;
        QVERIFY2(platform::machine::load(m_machine.toStdString(), model, reason), reason.c_str());
    }
}

void UpdatePipelineTest::reportsLeaveOutResultsAboutNoDriver_data() {
    QTest::addColumn<quint32>("systemErrorCode");
    QTest::addColumn<qint32>("errorCode");
    QTest::addColumn<bool>("reported");
    QTest::newRow("installed") << 0u << 0 << true;
    QTest::newRow("update call failed") << 0xE0000203u << 102 << true;
    QTest::newRow("no INF with that hash") << 0u << 100 << true;
    QTest::newRow("device not present") << 0u << 106 << false;
    QTest::newRow("disk full") << 112u << 0 << false;
    QTest::newRow("general failure") << 31u << 102 << false;
}

void UpdatePipelineTest::reportsLeaveOutResultsAboutNoDriver() {
    QFETCH(quint32, systemErrorCode);
    QFETCH(qint32, errorCode);
    QFETCH(bool, reported);
    Qln::InstallResult result;
    result.systemErrorCode = systemErrorCode;
    result.errorCode = errorCode;
    QCOMPARE(InstallUpdate::isReported(result), reported);
}

QTEST_MAIN(UpdatePipelineTest)
#include "updatepipeline_test.moc"

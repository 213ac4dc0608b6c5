// The console program end to end: `quillon` run as a process against the real service with the
// sample catalogue and the real Installer, on a copy of the sample PC, read through its JSON.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <memory>

#include "base/task.h"
#include "core/initializetask.h"
#include "core/installdriversmodule.h"
#include "core/launcher.h"
#include "filetree.h"
#include "hardware/deviceselectviewmodel.h"
#include "hardware/driversupdatemodel.h"
#include "net/manager.h"
#include "platform/machinemodel.h"
#include "servicerunner.h"
#include "signalwait.h"
#include "testenvironment.h"

namespace {

constexpr int kWaitMs = 180000;

struct Run {
    int exitCode = -1;
    QJsonObject json;
    QString out;
    QString err;
};

// Installed driver versions by device name (names repeat), as the machine records them.
QMultiMap<QString, QString> driverVersions(const QString& machine) {
    platform::machine::Model model;
    std::string error;
    platform::machine::load(machine.toStdString(), model, error);
    QMultiMap<QString, QString> versions;
    for (const platform::machine::Device& device : model.devices) {
        if (device.driver) {
            versions.insert(QString::fromStdString(device.name),
                            QString::fromStdString(device.driver->version));
        }
    }
    return versions;
}

QStringList namesOf(const QJsonArray& rows) {
    QStringList names;
    for (const QJsonValue& row : rows) {
        names.append(row[QStringLiteral("name")].toString());
    }
    return names;
}

}  // namespace

class CliTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void usageErrorsExit2_data();
    void usageErrorsExit2();
    void unreachableServiceExits3();
    void secondCopyExits4AndCtrlCExits5();
    void updatesListWhatTheDriversPageLists();
    void installHistoryAndRollback();
    void ctrlCDuringInstallLetsInstallerFinish();
    void backupCreateCheckRestore();

private:
    Run quillon(QStringList arguments, const QString& host = QString());

    QTemporaryDir m_scratch;
    std::unique_ptr<ServiceRunner> m_service;
    QString m_machine;
    int m_round = 0;
};

void CliTest::initTestCase() {
    const std::string work = ServiceRunner::makeTempDir("cli");
    const QString packages = QString::fromStdString(work) + "/packages";
    const std::string data = work + "/data";
    QProcess catalogue;
    catalogue.start("python3", {QLN_CATALOGUE_SCRIPT, "--out", packages});
    QVERIFY(catalogue.waitForFinished(kWaitMs) && catalogue.exitCode() == 0);
    QProcess index;
    index.start(QString::fromStdString(ServiceRunner::binary()),
                {"index", "--data", QString::fromStdString(data), "--packages", packages});
    QVERIFY(index.waitForFinished(kWaitMs) && index.exitCode() == 0);
    m_service = std::make_unique<ServiceRunner>();
    QVERIFY2(m_service->start(data, {}, data + "/service.log"), m_service->error().c_str());
}

void CliTest::init() {
    // Each case on its own copy of the sample PC and its own data folder: installs change both.
    const QString root = m_scratch.filePath(QString::number(++m_round));
    m_machine = root + "/machine";
    QVERIFY(copyTree(QLN_SAMPLE_MACHINE, m_machine));
    qputenv("QUILLON_MACHINE", m_machine.toUtf8());
    qputenv("XDG_DATA_HOME", (root + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (root + "/config").toUtf8());
}

void CliTest::cleanupTestCase() {
    Net::Manager::instance()->dropIdleConnections();
    if (m_service) {
        m_service->stop();
    }
}

Run CliTest::quillon(QStringList arguments, const QString& host) {
    arguments.prepend(host.isEmpty() ? QString::fromStdString(m_service->url()) : host);
    arguments.prepend("--host");
    QProcess process;
    process.start(QLN_QUILLON, arguments);
    Run run;
    if (!process.waitForFinished(kWaitMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    run.json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    return run;
}

void CliTest::usageErrorsExit2_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no command") << QStringList();
    QTest::newRow("unknown command") << QStringList{"upgrade"};
    QTest::newRow("unknown option") << QStringList{"updates", "--fast"};
    QTest::newRow("install without a choice") << QStringList{"install", "--yes"};
    QTest::newRow("install all and numbers") << QStringList{"install", "--all", "2"};
    QTest::newRow("install zero") << QStringList{"install", "0"};
    QTest::newRow("offer zero") << QStringList{"install", "--all", "--offer", "0"};
    QTest::newRow("offer on updates") << QStringList{"updates", "--offer", "2"};
    QTest::newRow("rollback two") << QStringList{"rollback", "1", "2"};
    QTest::newRow("rollback none") << QStringList{"rollback"};
    QTest::newRow("backup alone") << QStringList{"backup"};
    QTest::newRow("backup check without file") << QStringList{"backup", "check"};
    QTest::newRow("history with argument") << QStringList{"history", "3"};
    QTest::newRow("device past the list") << QStringList{"--json", "install", "999", "--yes"};
    QTest::newRow("install unasked in a script") << QStringList{"--json", "install", "--all"};
}

void CliTest::usageErrorsExit2() {
    QFETCH(QStringList, arguments);
    const Run run = quillon(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("Usage: quillon"), qPrintable(run.err));
    if (arguments.contains("--json")) {
        QCOMPARE(run.json["error"]["code"].toInt(), 2);
    }
    // Nothing was installed on the way.
    QCOMPARE(driverVersions(m_machine), driverVersions(QLN_SAMPLE_MACHINE));
}

void CliTest::unreachableServiceExits3() {
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const QString host = QString("http://127.0.0.1:%1").arg(closed.serverPort());
    closed.close();
    const Run text = quillon({"updates"}, host);
    QCOMPARE(text.exitCode, 3);
    QVERIFY2(text.err.contains("No connection to the driver service"), qPrintable(text.err));
    const Run json = quillon({"--json", "devices"}, host);
    QCOMPARE(json.exitCode, 3);
    QCOMPARE(json.json["error"]["code"].toInt(), 3);
}

void CliTest::secondCopyExits4AndCtrlCExits5() {
    // The first copy hangs in its start-up on a service that never answers.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    QProcess first;
    first.start(QLN_QUILLON,
                {"--host", QString("http://127.0.0.1:%1").arg(silent.serverPort()), "updates"});
    QVERIFY(first.waitForStarted());
    QVERIFY(silent.waitForNewConnection(kWaitMs));
    const Run second = quillon({"--json", "history"});
    QCOMPARE(second.exitCode, 4);
    QVERIFY2(second.err.contains("running"), qPrintable(second.err));
    QCOMPARE(second.json["error"]["code"].toInt(), 4);

    ::kill(static_cast<pid_t>(first.processId()), SIGINT);
    QVERIFY(first.waitForFinished(kWaitMs));
    QCOMPARE(first.exitCode(), 5);
    // The lock went with it.
    QCOMPARE(quillon({"history"}).exitCode, 0);
}

void CliTest::updatesListWhatTheDriversPageLists() {
    const Run run = quillon({"--json", "updates"});
    QCOMPARE(run.exitCode, 0);
    const QJsonArray devices = run.json["devices"].toArray();
    QVERIFY(devices.size() > 5);

    // The drivers page's own module, started the way the windows start.
    Qln::ArgumentMap arguments{{"host", QString::fromStdString(m_service->url())}};
    Flow::Shared<Qln::Configuration> configuration = Qln::Launcher::makeConfiguration(arguments);
    Qln::InitializeTask start(configuration, Qln::Launcher::serviceUrl(arguments), "1.2.0.2134");
    QSignalSpy started(&start, &Qln::InitializeTask::initializeFinished);
    start.start();
    QVERIFY(started.wait(kWaitMs));
    auto data = started.first().first().value<Flow::Shared<Qln::InitData>>();
    QVERIFY(!Qln::Launcher::adopt(*configuration, arguments, *data).failed);
    Qln::InstallDriversModule module(configuration);
    QSignalSpy scanned(module.finder(), &Qln::Task::finished);
    module.beginScan();
    QVERIFY(signalArrived(scanned, kWaitMs));
    const QList<Qln::DeviceSelectViewModel*>& rows = module.result()->rows();

    QCOMPARE(devices.size(), rows.size());
    for (int index = 0; index < rows.size(); ++index) {
        const QJsonObject device = devices.at(index).toObject();
        QCOMPARE(device["number"].toInt(), index + 1);
        QCOMPARE(device["name"].toString(), rows.at(index)->name());
        const QJsonArray offers = device["offers"].toArray();
        QCOMPARE(offers.size(), rows.at(index)->offers().size());
        for (int offer = 0; offer < offers.size(); ++offer) {
            QCOMPARE(offers.at(offer)["inf_sha1"].toString(),
                     rows.at(index)->offers().at(offer).infSha1);
            QCOMPARE(offers.at(offer)["recommended"].toBool(), offer == 0);
        }
    }
    Qln::Launcher::shutDown(*configuration);

    // Every device offered an update is among the devices with their drivers.
    const Run listed = quillon({"--json", "devices"});
    QCOMPARE(listed.exitCode, 0);
    const QStringList names = namesOf(listed.json["devices"].toArray());
    for (const QString& name : namesOf(devices)) {
        QVERIFY2(names.contains(name), qPrintable(name));
    }
}

void CliTest::installHistoryAndRollback() {
    const QMultiMap<QString, QString> before = driverVersions(m_machine);
    const QJsonArray offered = quillon({"--json", "updates"}).json["devices"].toArray();
    QVERIFY(!offered.isEmpty());

    const Run install = quillon({"--json", "install", "--all", "--yes"});
    QCOMPARE(install.exitCode, 0);
    const QJsonArray packages = install.json["packages"].toArray();
    QCOMPARE(packages.size(), offered.size());
    const QMultiMap<QString, QString> after = driverVersions(m_machine);
    for (const QJsonValue& package : packages) {
        QCOMPARE(package["status"].toString(), QString("Complete"));
        QVERIFY(after.values(package["name"].toString())
                    .contains(package["offer"]["version"].toString()));
    }

    const QJsonArray history = quillon({"--json", "history"}).json["history"].toArray();
    QCOMPARE(namesOf(history), namesOf(packages));
    const Run recovery = quillon({"--json", "recovery"});
    const QJsonArray points = recovery.json["recovery"].toArray();
    QCOMPARE(namesOf(points), namesOf(packages));

    // A rollback puts the driver of before back, and the lists follow.
    const QString name = points.at(0)["name"].toString();
    const Run rollback = quillon({"--json", "rollback", "1"});
    QCOMPARE(rollback.exitCode, 0);
    QCOMPARE(rollback.json["rollback"]["status"].toString(), QString("Complete"));
    QVERIFY(driverVersions(m_machine).values(name).contains(points.at(0)["version"].toString()));
    QCOMPARE(quillon({"--json", "recovery"}).json["recovery"].toArray().size(), points.size() - 1);
    const QJsonArray later = quillon({"--json", "history"}).json["history"].toArray();
    QCOMPARE(later.size(), history.size() + 1);
    QCOMPARE(later.last()["version"].toString(), points.at(0)["version"].toString());
    QVERIFY(before.values(name).contains(points.at(0)["version"].toString()));

    const Run gone = quillon({"rollback", QString::number(points.size())});
    QCOMPARE(gone.exitCode, 2);
}

void CliTest::ctrlCDuringInstallLetsInstallerFinish() {
    QProcess install;
    install.start(QLN_QUILLON, {"--host", QString::fromStdString(m_service->url()), "install",
                                "--all", "--yes"});
    QString text;
    while (!text.contains(": Installing") && install.waitForReadyRead(kWaitMs)) {
        text += QString::fromUtf8(install.readAllStandardOutput());
    }
    QVERIFY2(text.contains(": Installing"), qPrintable(text));
    ::kill(static_cast<pid_t>(install.processId()), SIGINT);
    QVERIFY(install.waitForFinished(kWaitMs));
    QCOMPARE(install.exitCode(), 5);
    text += QString::fromUtf8(install.readAllStandardOutput());
    QVERIFY2(!text.contains("Installation complete"), qPrintable(text));
    // The package under way was installed and says so.
    QVERIFY2(text.contains(": Installed"), qPrintable(text));
    QVERIFY(!quillon({"--json", "history"}).json["history"].toArray().isEmpty());

    // It ended only after Installer had: the lock is free, the records and archives whole.
    const Run recovery = quillon({"--json", "recovery"});
    QCOMPARE(recovery.exitCode, 0);
    const QJsonArray points = recovery.json["recovery"].toArray();
    QVERIFY(!points.isEmpty());
    for (const QJsonValue& point : points) {
        QVERIFY(QFileInfo(point["archive"].toString()).isFile());
    }
    QCOMPARE(quillon({"rollback", "1"}).exitCode, 0);
}

void CliTest::backupCreateCheckRestore() {
    const QString archive = m_scratch.filePath("drivers.qlb");
    const Run create = quillon({"--json", "backup", "create", archive});
    QCOMPARE(create.exitCode, 0);
    QVERIFY(QFileInfo(archive).isFile());
    const QJsonArray saved = create.json["backup"]["drivers"].toArray();
    QVERIFY(saved.size() > 5);

    const QMultiMap<QString, QString> before = driverVersions(m_machine);
    const Run install = quillon({"--json", "install", "1", "--yes"});
    QCOMPARE(install.exitCode, 0);
    const QString updated = install.json["packages"][0]["name"].toString();
    QVERIFY(driverVersions(m_machine) != before);

    // The updated device can be restored; the others match the backup.
    const Run check = quillon({"--json", "backup", "check", archive});
    QCOMPARE(check.exitCode, 0);
    const QJsonObject groups = check.json["check"].toObject();
    QCOMPARE(namesOf(groups["restorable"].toArray()), QStringList{updated});
    QVERIFY(!groups["unchanged"].toArray().isEmpty());
    QVERIFY(!namesOf(groups["unchanged"].toArray()).contains(updated));
    QVERIFY(groups["missing"].toArray().isEmpty());
    QVERIFY(groups["new_hardware"].toArray().isEmpty());

    const QMultiMap<QString, QString> updatedMachine = driverVersions(m_machine);
    QCOMPARE(quillon({"backup", "restore", archive, "--all"}).exitCode, 2);
    QCOMPARE(driverVersions(m_machine), updatedMachine);
    const Run restore = quillon({"--json", "backup", "restore", archive, "--all", "--yes"});
    QCOMPARE(restore.exitCode, 0);
    const QJsonArray items = restore.json["restore"]["items"].toArray();
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.at(0)["status"].toString(), QString("Complete"));
    QCOMPARE(driverVersions(m_machine), before);
    const Run again = quillon({"--json", "backup", "check", archive});
    QVERIFY(again.json["check"]["restorable"].toArray().isEmpty());
}

QLN_TEST_MAIN(CliTest)

#include "cli_test.moc"

// Recovery points and rollback against the real Installer program on a copy of the sample PC:
// the archive of the installed driver, the point and history lines, the rollback that restores
// the previous driver record, and what stays when a rollback fails or the Installer is killed.
#include <QCryptographicHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "backup/recoverymanager.h"
#include "filetree.h"
#include "formats/zipreader.h"
#include "hardware/devicecollector.h"
#include "hardware/driveroffer.h"
#include "hardware/installer.h"
#include "platform/machinemodel.h"

using Qln::DriverPackage;
using Qln::InstallRecovery;
using Qln::InstallState;
using Qln::RecoveryManager;

namespace {

const QString kAudioInstance = QStringLiteral(
    "HDAUDIO\\FUNC_01&VEN_10EC&DEV_1220&SUBSYS_10438694&REV_1000\\4&39A4AB9C&0&0001");

// A package from the outside: one INF for the audio device, with a driver file.
class UpdateSource : public Qln::InstallSource {
public:
    explicit UpdateSource(const Qln::InstallRequest& request) : m_request(request) {}
    Qln::InstallRequest installRequest() const override { return m_request; }

private:
    Qln::InstallRequest m_request;
};

Qln::InstallRequest writeUpdate(const QString& folder, const QString& hardwareId,
                                const QString& provider, const QString& driverVer,
                                bool rollback = false) {
    QDir().mkpath(folder);
    const QByteArray inf = QStringLiteral(
                               "[Version]\r\nSignature=\"$WINDOWS NT$\"\r\nClass=MEDIA\r\n"
                               "Provider=%PROVIDER%\r\nDriverVer=%1\r\n"
                               "[Manufacturer]\r\n%PROVIDER%=Models,NTamd64\r\n"
                               "[Models.NTamd64]\r\n\"Audio\"=Install, %2\r\n"
                               "[Strings]\r\nPROVIDER=\"%3\"\r\n")
                               .arg(driverVer, hardwareId, provider)
                               .toUtf8();
    QFile file(folder + "/update.inf");
    file.open(QIODevice::WriteOnly);
    file.write(inf);
    file.close();
    QFile sys(folder + "/update.sys");
    sys.open(QIODevice::WriteOnly);
    sys.write("driver " + provider.toUtf8());
    return {QString::fromLatin1(QCryptographicHash::hash(inf, QCryptographicHash::Sha1).toHex()),
            QStringLiteral("update.inf"), hardwareId, folder, rollback};
}

// Run as a child by the crash test: backs up a driver folder and records a point and a history
// line, over and over, saying after each round how many it has done.
int runWriter(const QString& folder) {
    const QString driver = folder + "/driver";
    QDir().mkpath(driver);
    QFile sys(driver + "/big.sys");
    if (!sys.open(QIODevice::WriteOnly)) {
        return 1;
    }
    // Random bytes do not deflate, so that each archive takes a while to write.
    QByteArray bytes(2 << 20, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(bytes.data()),
                                          bytes.size() / 4);
    sys.write(bytes);
    sys.close();
    Qln::RecoveryFiles files(folder + "/recovery", folder + "/history", folder + "/Backups");
    QTextStream out(stdout);
    for (int round = 0;; ++round) {
        QFile inf(driver + "/a.inf");
        if (!inf.open(QIODevice::WriteOnly)) {
            return 1;
        }
        inf.write("; round " + QByteArray::number(QRandomGenerator::global()->generate()));
        inf.close();
        DriverPackage package = DriverPackage::ofInstalledDriver("oem1.inf", driver + "/a.inf");
        if (!package.pack(folder + "/Backups")) {
            return 1;
        }
        InstallRecovery::Fields point;
        point.package = package;
        point.hardwareId = QStringLiteral("PCI\\VEN_1234");
        point.changes.driver.name = QStringLiteral("Round, %1").arg(round);
        point.changes.changesDate = QDate::currentDate();
        files.appendRecovery({point});
        files.appendHistory({point.changes});
        out << round << Qt::endl;
    }
}

}  // namespace

class RecoveryManagerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_scratch;
    QString m_machine;
    int m_runs = 0;

    platform::machine::Device device() {
        platform::machine::Model model;
        std::string error;
        if (!platform::machine::load(m_machine.toStdString(), model, error)) {
            qWarning() << "machine not read:" << QString::fromStdString(error);
            return {};
        }
        const platform::machine::Device* found = model.findDevice(kAudioInstance.toStdString());
        return found ? *found : platform::machine::Device();
    }

    // The audio hardware as a scan of the machine sees it now.
    Flow::Shared<Hrdw::Hardware> scanAudio() {
        Hrdw::Impl::DeviceEnumerator enumerator;
        Hrdw::Impl::DeviceCollector collector(enumerator);
        Hrdw::Inventory inventory;
        if (!collector.collect(inventory, true)) {
            return nullptr;
        }
        for (const Flow::Shared<Hrdw::Hardware>& hardware : inventory.hardware) {
            for (const Hrdw::Device& item : hardware->devices) {
                if (item.instanceId.compare(kAudioInstance, Qt::CaseInsensitive) == 0) {
                    return hardware;
                }
            }
        }
        return nullptr;
    }

    RecoveryManager::Folders folders() {
        const QString appData = m_scratch.filePath(QStringLiteral("app%1").arg(++m_runs));
        return {appData, appData + "/Backups", appData + "/Unpack", appData + "/Drivers"};
    }

    Flow::Shared<Qln::Installer> installer(
        const QString& path = QStringLiteral(QLN_INSTALLER_PATH)) {
        auto installer = std::make_shared<Qln::Installer>(Qln::ArgumentMap(), true);
        installer->setInstallerPath(path);
        return installer;
    }

    void install(Qln::Installer& installer, const Qln::InstallRequest& request) {
        const auto source = std::make_shared<UpdateSource>(request);
        installer.append(source);
        installer.waitForFinished();
    }

    // Waits until the point's rollback has ended: the point gone from the list, or failed.
    void rollBack(RecoveryManager& manager, const Flow::Shared<InstallRecovery>& point) {
        QSignalSpy changed(&manager, &RecoveryManager::historyChanged);
        manager.recovery(point.get());
        QTRY_VERIFY_WITH_TIMEOUT(
            changed.count() > 0 || point->state()->status() == InstallState::Error, 20000);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_scratch.isValid());
        m_machine = m_scratch.filePath("machine");
        QVERIFY(copyTree(QStringLiteral(QLN_SAMPLE_MACHINE), m_machine));
        QVERIFY(QDir().mkpath(m_scratch.filePath("runtime")));
        QFile::setPermissions(m_scratch.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("QUILLON_RUNTIME_DIR", m_scratch.filePath("runtime").toUtf8());
        qputenv("QUILLON_MACHINE", m_machine.toUtf8());
    }

    void updateThenRollBack() {
        const platform::machine::Device before = device();
        QVERIFY(before.driver.has_value());
        const Flow::Shared<Hrdw::Hardware> audio = scanAudio();
        QVERIFY(audio && audio->driver);
        const Flow::Shared<Qln::Installer> client = installer();
        const RecoveryManager::Folders where = folders();
        RecoveryManager manager(where, client);
        QSignalSpy changed(&manager, &RecoveryManager::historyChanged);

        QString error;
        const DriverPackage backup = manager.backup(*audio->driver, &error);
        QVERIFY2(backup.packed, qPrintable(error));
        // The published oemN.inf is a copy: the archive holds the INF under its own name.
        QCOMPARE(backup.inf, QStringLiteral("HDXASUSSA.inf"));
        QCOMPARE(backup.path, manager.archiveFolder() + "/" + backup.id + ".zip");
        formats::ZipReader archive;
        std::string message;
        QVERIFY(archive.open(backup.path.toStdString(), message));
        QVERIFY(archive.find("HDXASUSSA.inf") >= 0);
        archive.close();

        QVERIFY(manager.addRecoveryPoint(*audio, QStringLiteral("MEDIA"), backup));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(manager.recoveryPoints().size(), 1);
        const Flow::Shared<InstallRecovery> point = manager.recoveryPoints().first();
        QCOMPARE(point->changes()->driver()->provider(),
                 QString::fromStdString(before.driver->provider));
        QCOMPARE(point->changes()->driver()->fields().size, quint64(QFileInfo(backup.path).size()));

        install(*client, writeUpdate(m_scratch.filePath("update1"), audio->id,
                                     QStringLiteral("Quillon Audio"), "05/06/2025,6.0.9999.7"));
        QCOMPARE(QString::fromStdString(device().driver->provider),
                 QStringLiteral("Quillon Audio"));
        // The next scan sees the device through the identifier it was updated for.
        QCOMPARE(scanAudio()->id, audio->id);
        Qln::DriverOffer offer;
        offer.provider = QStringLiteral("Quillon Audio");
        offer.version = QStringLiteral("6.0.9999.7");
        offer.date = QDate(2025, 5, 6);
        offer.size = 4096;
        manager.addHistoryEntry(*audio, QStringLiteral("MEDIA"), offer);
        QCOMPARE(manager.historyEntries().size(), 1);

        // What the next start reads.
        const RecoveryManager restarted(where, client);
        QCOMPARE(restarted.recoveryPoints().size(), 1);
        QCOMPARE(restarted.historyEntries().size(), 1);

        rollBack(manager, point);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(manager.recoveryPoints().isEmpty());
        const platform::machine::Device after = device();
        QCOMPARE(after.driver->provider, before.driver->provider);
        QCOMPARE(after.driver->version, before.driver->version);
        QCOMPARE(after.driver->date, before.driver->date);
        QVERIFY(!QFile::exists(backup.path));
        QVERIFY(manager.files().readRecovery().isEmpty());
        const QList<Qln::DriverChanges::Fields> history = manager.files().readHistory();
        QCOMPARE(history.size(), 2);
        QCOMPARE(history[1].driver.provider, QString::fromStdString(before.driver->provider));
        QCOMPARE(history[1].changesDate, QDate::currentDate());
        QCOMPARE(manager.historyEntries().size(), 2);
    }

    // Two devices updated from one driver share its archive; a failed rollback changes nothing.
    void sharedArchiveAndFailedRollback() {
        const Flow::Shared<Hrdw::Hardware> audio = scanAudio();
        QVERIFY(audio && audio->driver);
        RecoveryManager manager(folders(), installer());
        const DriverPackage backup = manager.backup(*audio->driver);
        QVERIFY(backup.packed);
        Hrdw::Hardware twin = *audio;
        twin.id = QStringLiteral("HDAUDIO\\FUNC_01&VEN_10EC&DEV_0000");
        QVERIFY(manager.addRecoveryPoint(*audio, QStringLiteral("MEDIA"), backup));
        QVERIFY(manager.addRecoveryPoint(twin, QStringLiteral("MEDIA"), backup));
        const Flow::Shared<InstallRecovery> first = manager.recoveryPoints().at(0);
        const Flow::Shared<InstallRecovery> second = manager.recoveryPoints().at(1);

        rollBack(manager, first);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(manager.recoveryPoints().size(), 1);
        QCOMPARE(manager.recoveryPoints().first(), second);
        QVERIFY(QFile::exists(backup.path));
        QList<InstallRecovery::Fields> lines = manager.files().readRecovery();
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0].hardwareId, twin.id);

        // No device has the twin's id: the Installer fails, and the point stays as it was.
        rollBack(manager, second);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(second->state()->status(), InstallState::Error);
        QCOMPARE(manager.recoveryPoints().size(), 1);
        QCOMPARE(manager.files().readRecovery().size(), 1);
        QVERIFY(QFile::exists(backup.path));
        QCOMPARE(manager.historyEntries().size(), 1);

        // Without its archive the Installer is not even started; a retry is allowed.
        QVERIFY(QFile::rename(backup.path, backup.path + ".away"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Recovery unpack error:"));
        rollBack(manager, second);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(second->state()->status(), InstallState::Error);
        QCOMPARE(manager.files().readRecovery().size(), 1);
    }

    // The Installer killed at random moments of installs and rollbacks: machine.json stays
    // readable and names only INF files that exist.
    void killedInstallerLeavesTheMachineReadable() {
        const QString script = m_scratch.filePath("killed-installer");
        {
            QFile file(script);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n'" QLN_INSTALLER_PATH
                       "' & child=$!\n"
                       "sleep \"$QLN_KILL_AFTER\"\nkill -9 $child 2>/dev/null\n"
                       "wait $child\nexit 0\n");
            file.close();
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const Flow::Shared<Qln::Installer> client = installer(script);
        const Flow::Shared<Hrdw::Hardware> audio = scanAudio();
        QVERIFY(audio);
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo() << "Kill seed:" << seed;
        QRandomGenerator random(seed);
        for (int moment = 0; moment < 6; ++moment) {
            const double delay = random.bounded(250) / 1000.0;
            qputenv("QLN_KILL_AFTER", QByteArray::number(delay, 'f', 3));
            install(*client, writeUpdate(m_scratch.filePath(QStringLiteral("killed%1").arg(moment)),
                                         audio->id, QStringLiteral("Killed %1").arg(moment),
                                         QStringLiteral("01/0%1/2025,7.0.0.%1").arg(moment + 1),
                                         moment % 2 == 1));
            platform::machine::Model model;
            std::string error;
            QVERIFY2(platform::machine::load(m_machine.toStdString(), model, error), error.c_str());
            for (const platform::machine::Device& item : model.devices) {
                if (item.driver && QString::fromStdString(item.driver->infName).startsWith("oem")) {
                    QVERIFY2(
                        !platform::machine::findInf(m_machine.toStdString(), item.driver->infName)
                             .empty(),
                        item.driver->infName.c_str());
                }
            }
        }
    }

    // The program ends while the Installer rolls a point back: the files still record it.
    void rollbackOutlivesItsManager() {
        const QString script = m_scratch.filePath("slow-installer");
        {
            QFile file(script);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\nsleep 0.3\nexec '" QLN_INSTALLER_PATH "'\n");
            file.close();
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const Flow::Shared<Qln::Installer> client = installer(script);
        const Flow::Shared<Hrdw::Hardware> audio = scanAudio();
        QVERIFY(audio && audio->driver);
        const RecoveryManager::Folders where = folders();
        auto manager = std::make_unique<RecoveryManager>(where, client);
        const DriverPackage backup = manager->backup(*audio->driver);
        QVERIFY(manager->addRecoveryPoint(*audio, QStringLiteral("MEDIA"), backup));
        const Flow::Shared<InstallRecovery> point = manager->recoveryPoints().first();
        manager->recovery(point.get());
        QTRY_COMPARE_WITH_TIMEOUT(point->state()->status(), InstallState::Installation, 20000);
        manager.reset();
        client->waitForFinished();

        const RecoveryManager restarted(where, client);
        QVERIFY(restarted.recoveryPoints().isEmpty());
        QCOMPARE(restarted.historyEntries().size(), 1);
        QVERIFY(!QFile::exists(backup.path));
    }

    // The program killed while it writes archives and lines: every line whole and readable,
    // every archive under its final name whole, and every point's archive there.
    void killedWriterLeavesWholeFilesAndArchives() {
        const QString folder = m_scratch.filePath("killed-writer");
        QDir().mkpath(folder);
        for (int kill = 0; kill < 5; ++kill) {
            QProcess writer;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("QLN_RECOVERY_WRITER", folder);
            writer.setProcessEnvironment(environment);
            writer.start(QCoreApplication::applicationFilePath(), QStringList());
            QVERIFY(writer.waitForStarted());
            const int rounds = 1 + QRandomGenerator::global()->bounded(3);
            int lines = 0;
            while (lines < rounds) {
                QVERIFY(writer.waitForReadyRead(20000));
                lines += writer.readAllStandardOutput().count('\n');
            }
            ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished());

            for (const QString& name : {QStringLiteral("recovery"), QStringLiteral("history")}) {
                QFile file(folder + "/" + name);
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QByteArray content = file.readAll();
                QVERIFY(content.endsWith("\r\n"));
                for (const QByteArray& line : content.split('\n')) {
                    QVERIFY(line.isEmpty() || line.endsWith('\r'));
                    QVERIFY(
                        line.isEmpty() ||
                        Qln::RecoveryFiles::splitLine(QString::fromUtf8(line.chopped(1))).size() ==
                            (name == "recovery" ? 10 : 7));
                }
            }
            Qln::RecoveryFiles files(folder + "/recovery", folder + "/history",
                                     folder + "/Backups");
            for (const InstallRecovery::Fields& point : files.readRecovery()) {
                QVERIFY(QFile::exists(point.package.path));
            }
            for (const QString& name : QDir(folder + "/Backups").entryList({"*.zip"})) {
                formats::ZipReader archive;
                std::string error;
                QVERIFY2(archive.open((folder + "/Backups/" + name).toStdString(), error),
                         error.c_str());
                QCOMPARE(archive.entries().size(), size_t(2));
            }
        }
    }

    // Both become paths under the working folder of an elevated program.
    void unpackRefusesHostileNames_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("inf");
        const QString id(40, QLatin1Char('b'));
        QTest::newRow("id leaves the folder") << "../" + id.left(37) << "a.inf";
        QTest::newRow("absolute inf") << id << "/etc/a.inf";
        QTest::newRow("inf climbs out") << id << "sub/../../a.inf";
        QTest::newRow("empty inf") << id << "";
    }
    void unpackRefusesHostileNames() {
        QFETCH(QString, id);
        QFETCH(QString, inf);
        const QString folder = m_scratch.filePath("hostile");
        QDir().mkpath(folder + "/driver");
        QFile file(folder + "/driver/a.inf");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Version]\r\n");
        file.close();
        DriverPackage package = DriverPackage::ofInstalledDriver("a.inf", folder + "/driver/a.inf");
        QVERIFY(package.pack(folder + "/Backups"));
        package.id = id;
        package.inf = inf;
        QString error;
        QVERIFY(!package.unpack(folder + "/Unpack", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(package.packed);
        QVERIFY(!QDir(folder + "/Unpack").exists() || QDir(folder + "/Unpack").isEmpty());
    }
};

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QString writer = qEnvironmentVariable("QLN_RECOVERY_WRITER");
    if (!writer.isEmpty()) {
        return runWriter(writer);
    }
    RecoveryManagerTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "recoverymanager_test.moc"

// Backup archives: the rules on their own, then a whole backup, change and restore of a copy of
// the sample PC with the real Installer.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

#include "backup/backupchecker.h"
#include "backup/backupcheckstate.h"
#include "backup/backupinfo.h"
#include "backup/backupitemviewmodel.h"
#include "backup/backupmodel.h"
#include "core/backupmodule.h"
#include "backup/backupreader.h"
#include "backup/backupselectviewmodel.h"
#include "backup/backupviewmodel.h"
#include "backup/installbackup.h"
#include "filetree.h"
#include "hardware/installer.h"
#include "platform/machinemodel.h"
#include "zipfiles.h"

using Qln::Backup::BackupDriver;
using Qln::Backup::BackupHardware;

namespace {

const QString kId = QStringLiteral("0123456789abcdef0123456789abcdef01234567");
const std::string kAudioInstance =
    "HDAUDIO\\FUNC_01&VEN_10EC&DEV_1220&SUBSYS_10438694&REV_1000\\4&39A4AB9C&0&0001";
const std::string kNvidiaAudio =
    "HDAUDIO\\FUNC_01&VEN_10DE&DEV_0040&SUBSYS_10438681&REV_1001\\5&1A2B3C4D&0&0001";

BackupDriver savedDriver(const QString& inf, const QString& version,
                         const QStringList& hardwareIds) {
    BackupDriver driver;
    driver.id = kId;
    driver.inf = inf;
    driver.version = version;
    driver.date = QStringLiteral("2020-01-02");
    for (const QString& id : hardwareIds) {
        driver.hardware.append({id, id + QStringLiteral(" name"), QStringLiteral("MEDIA"), {}, {}});
    }
    return driver;
}

Flow::Shared<Hrdw::Hardware> hardware(const QString& id, const QString& inf,
                                      const QString& version) {
    auto made = std::make_shared<Hrdw::Hardware>();
    made->id = id;
    made->name = id;
    made->driver = std::make_shared<Hrdw::Driver>();
    made->driver->infName = inf;
    made->driver->infPath = QStringLiteral("/store/") + inf;
    made->driver->version = version;
    made->driver->date = QDate(2020, 1, 2);
    return made;
}

// A warning logged while the test runs; the reader names the fault in it.
QStringList g_warnings;
void collect(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg) {
        g_warnings.append(message);
    }
}

}  // namespace

class BackupTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_scratch;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        // The stopped restore holds the Installer's run and the restore's chain on pool threads
        // at once; a one-core machine's pool would have only one.
        QThreadPool::globalInstance()->setMaxThreadCount(
            qMax(4, QThreadPool::globalInstance()->maxThreadCount()));
        QVERIFY(m_scratch.isValid());
    }

    void pathValidity_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "drivers.qlb" << true;
        QTest::newRow("upper-case suffix") << "drivers.QLB" << false;
        QTest::newRow("suffix alone, lower case") << ".qlb" << false;
        QTest::newRow("suffix alone, upper case") << ".QLB" << false;
        QTest::newRow("another suffix") << "drivers.zip" << false;
        QTest::newRow("folder missing") << "missing/drivers.qlb" << false;
    }
    void pathValidity() {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(Qln::BackupModule::validPath(m_scratch.filePath(name)), valid);
    }

    void hostileOrDamagedArchivesAreRefused_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("logged");
        QTest::newRow("entry leaving a driver folder") << "slip"
                                                       << "";
        QTest::newRow("no info") << "noinfo"
                                 << "info";
        QTest::newRow("info not JSON") << "notjson"
                                       << "not JSON";
        QTest::newRow("an object instead of an array") << "object"
                                                       << "not an array";
        QTest::newRow("an INF name leaving the folder") << "badinf"
                                                        << "\"n\"";
        QTest::newRow("17 MiB info") << "huge"
                                     << "info";
        QTest::newRow("truncated zip") << "truncated"
                                       << "";
    }
    void hostileOrDamagedArchivesAreRefused() {
        QFETCH(QString, fault);
        QFETCH(QString, logged);
        const QString path = m_scratch.filePath(fault + QStringLiteral(".qlb"));
        const QByteArray goodInfo = Qln::Backup::BackupInfo::write(
            {savedDriver(QStringLiteral("a.inf"), QStringLiteral("1.0"), {QStringLiteral("HW")})});
        std::vector<zipfiles::File> files = {{(kId + "/a.inf").toStdString(), "[Version]"}};
        if (fault == "slip") {
            files.push_back({(kId + "/../../evil.sys").toStdString(), "x"});
            files.push_back({"info", goodInfo.toStdString()});
        } else if (fault == "notjson") {
            files.push_back({"info", "[{\"id\": "});
        } else if (fault == "object") {
            files.push_back({"info", "{\"id\": \"x\"}"});
        } else if (fault == "badinf") {
            BackupDriver driver = savedDriver(QStringLiteral("../../x.inf"), {}, {});
            files.push_back({"info", Qln::Backup::BackupInfo::write({driver}).toStdString()});
        } else if (fault == "huge") {
            files.push_back({"info", "[" + std::string(17 << 20, ' ') + "]"});
        } else if (fault != "noinfo") {
            files.push_back({"info", goodInfo.toStdString()});
        }
        QVERIFY(zipfiles::write(path.toStdString(), files));
        if (fault == "truncated") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(file.size() / 2));
        }
        auto state = std::make_shared<Qln::Backup::CheckState>();
        state->setPath(path);
        Qln::Backup::Reader reader(state);
        Flow::Shared<QObject> data;
        g_warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collect);
        const bool read = reader.work(data);
        qInstallMessageHandler(previous);
        QVERIFY(!read);
        QVERIFY(!state->model());
        QCOMPARE(g_warnings.size(), 1);
        QVERIFY2(g_warnings.first().startsWith(QStringLiteral("Backup not read:")),
                 qPrintable(g_warnings.first()));
        QVERIFY2(g_warnings.first().contains(logged), qPrintable(g_warnings.first()));
    }

    void infoRoundTripsInItsOrder() {
        BackupDriver driver = savedDriver(QStringLiteral("sub/a b.inf"), QStringLiteral("1.0"),
                                          {QStringLiteral("HW\\1"), QStringLiteral("HW\\2")});
        driver.provider = QStringLiteral("Ä, \"quoted\"");
        driver.hardware[0].devices = QStringList{QStringLiteral("HW\\1\\0"), QStringLiteral("x")};
        const QByteArray text = Qln::Backup::BackupInfo::write({driver, driver});
        QVERIFY(text.indexOf("\"id\"") < text.indexOf("\"n\"") &&
                text.indexOf("\"n\"") < text.indexOf("\"pr\"") &&
                text.indexOf("\"d\"") < text.indexOf("\"hl\""));
        QList<BackupDriver> read;
        QString error;
        QVERIFY2(Qln::Backup::BackupInfo::read(text, read, error), qPrintable(error));
        QCOMPARE(read.size(), 2);
        QCOMPARE(read.at(1).provider, driver.provider);
        QCOMPARE(read.at(0).inf, driver.inf);
        QCOMPARE(read.at(0).hardware.at(0).devices, driver.hardware.at(0).devices);
        QCOMPARE(read.at(0).hardware.at(1).id, QStringLiteral("HW\\2"));
    }

    void checkSortsEachCandidateOnce() {
        // Two saved hardware of one driver, each matched once; one changed, one gone, one new.
        Qln::Backup::BackupModel model(
            QString(), {savedDriver(QStringLiteral("a.inf"), QStringLiteral("1.0"),
                                    {QStringLiteral("HW\\A"), QStringLiteral("HW\\A"),
                                     QStringLiteral("HW\\GONE")}),
                        savedDriver(QStringLiteral("b.inf"), QStringLiteral("2.0"),
                                    {QStringLiteral("HW\\B")})});
        Hrdw::Inventory now;
        now.hardware = {hardware(QStringLiteral("HW\\A"), QStringLiteral("a.inf"), "1.0"),
                        hardware(QStringLiteral("HW\\A"), QStringLiteral("a.inf"), "1.1"),
                        hardware(QStringLiteral("HW\\A"), QStringLiteral("a.inf"), "1.0"),
                        hardware(QStringLiteral("HW\\B"), QStringLiteral("b.inf"), "2.0"),
                        hardware(QStringLiteral("HW\\NEW"), QStringLiteral("n.inf"), "9")};
        now.hardware[3]->driver->infName.clear();  // nothing installed: only gains
        const Qln::BackupArchModel arch = Qln::Backup::Checker::compare(model, now);
        using Item = Qln::BackupArchModel::Item;
        QCOMPARE(arch.unchanged, (QList<Item>{{0, 0}}));
        QCOMPARE(arch.restorable, (QList<Item>{{0, 1}, {1, 0}}));
        QCOMPARE(arch.missing, (QList<Item>{{0, 2}}));
        QCOMPARE(arch.newHardware.size(), 2);
        QCOMPARE(arch.newHardware.at(1).name, QStringLiteral("HW\\NEW"));

        Qln::BackupViewModel view;
        view.OnSetModel(
            std::make_shared<Qln::Backup::BackupModel>(QStringLiteral("x.qlb"), model.drivers()),
            arch);
        QCOMPARE(view.backup().size(), 2);
        QCOMPARE(view.others().size(), 4);
        QCOMPARE(qobject_cast<Qln::BackupItemViewModel*>(view.others().at(0))->type(),
                 QStringLiteral("DevNoChange"));
        QCOMPARE(qobject_cast<Qln::BackupItemViewModel*>(view.others().at(1))->type(),
                 QStringLiteral("DevMissing"));
        QCOMPARE(qobject_cast<Qln::BackupItemViewModel*>(view.others().at(3))->type(),
                 QStringLiteral("DevNewHardware"));
        QVERIFY(view.selectAll() && !view.noSelect());
        qobject_cast<Qln::BackupSelectViewModel*>(view.backup().at(0))->setSelect(false);
        QVERIFY(!view.selectAll() && !view.noSelect());
        QCOMPARE(view.rebuildInstallList().size(), 1);
        view.setSelectAll(false);
        QVERIFY(view.noSelect());
        QVERIFY(view.rebuildInstallList().isEmpty());
    }

    void restoreInstallsTwiceRollbackFirst() {
        Qln::InstallBackup item(savedDriver(QStringLiteral("a.inf"), "1.0", {QStringLiteral("HW")}),
                                0, QStringLiteral("x.qlb"));
        QVERIFY(item.installRequest().rollback);
        item.setResult({0, 0, false});
        QTRY_COMPARE(item.state()->status(), Qln::InstallState::Waiting);
        QVERIFY(!item.installRequest().rollback);
        item.setResult({0, 0, false});
        QTRY_COMPARE(item.state()->status(), Qln::InstallState::Complete);
    }

    // The whole journey on a copy of the sample PC: back up, change, read, restore.
    void backUpChangeAndRestoreTheSamplePc() {
        const QString machine = m_scratch.filePath(QStringLiteral("machine"));
        QVERIFY(copyTree(QStringLiteral(QLN_SAMPLE_MACHINE), machine));
        const QString runtime = m_scratch.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("QUILLON_RUNTIME_DIR", runtime.toUtf8());
        qputenv("QUILLON_MACHINE", machine.toUtf8());

        auto configuration = std::make_shared<Qln::Configuration>();
        configuration->installer = std::make_shared<Qln::Installer>(Qln::ArgumentMap(), true);
        configuration->installer->setInstallerPath(QStringLiteral(QLN_INSTALLER_PATH));
        Qln::BackupModule module(configuration);
        const QString saved = m_scratch.filePath(QStringLiteral("journey"));
        QVERIFY(QDir().mkpath(saved));
        const QString archive = saved + QStringLiteral("/drivers.qlb");
        module.setPath(archive);
        QVERIFY(module.isValidPath() && !module.isExists());

        // Counted rather than waited for: a quick run may end before a wait would begin.
        QSignalSpy created(module.creator(), &Qln::Task::finished);
        module.beginCreate();
        QTRY_COMPARE_WITH_TIMEOUT(created.count(), 1, 120000);
        // The spy counts on the worker's thread; the module hears of the end through its queue.
        QTRY_VERIFY(module.isExists());
        const int packed = module.model()->packed().size();
        QVERIFY(packed > 10);
        QFile file(archive);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray firstBackup = file.readAll();
        file.close();

        // A creation stopped at once keeps the earlier file as it was.
        module.beginCreate();
        module.stopCreate();
        QTRY_COMPARE_WITH_TIMEOUT(created.count(), 2, 120000);
        QVERIFY(created.last().at(0).toBool());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), firstBackup);
        file.close();
        QCOMPARE(QDir(saved).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("drivers.qlb")});

        // Change the machine: a newer audio driver, a device gone, a device new.
        platform::machine::Model model;
        std::string error;
        QVERIFY(platform::machine::load(machine.toStdString(), model, error));
        const platform::machine::DriverRecord original = *model.findDevice(kAudioInstance)->driver;
        platform::machine::Device added = *model.findDevice(kNvidiaAudio);
        added.instanceId = "HDAUDIO\\FUNC_01&VEN_1234&DEV_0001\\1";
        added.hardwareIds = {"HDAUDIO\\FUNC_01&VEN_1234&DEV_0001"};
        added.compatibleIds = {"HDAUDIO\\FUNC_01&VEN_1234"};
        added.driver->rank = 0;
        added.driver->matchingId = added.hardwareIds.front();
        model.devices.erase(std::remove_if(model.devices.begin(), model.devices.end(),
                                           [](const platform::machine::Device& device) {
                                               return device.instanceId == kNvidiaAudio;
                                           }),
                            model.devices.end());
        model.devices.push_back(added);
        QVERIFY(platform::machine::save(machine.toStdString(), model, error));
        installNewerAudioDriver(*configuration->installer,
                                QString::fromStdString(original.matchingId));

        QSignalSpy checked(module.initiator(), &Qln::Task::finished);
        module.beginRead();
        QTRY_COMPARE_WITH_TIMEOUT(checked.count(), 1, 120000);
        QVERIFY(!checked.last().at(0).toBool());
        QTRY_COMPARE(module.model()->backup().size(), 1);
        const QList<QObject*> restorable = module.model()->backup();
        auto* audio = qobject_cast<Qln::BackupSelectViewModel*>(restorable.first());
        QCOMPARE(audio->driver()->version(), QString::fromStdString(original.version));
        QStringList types;
        for (QObject* row : module.model()->others()) {
            types.append(qobject_cast<Qln::BackupItemViewModel*>(row)->type());
        }
        QCOMPARE(types.count(QStringLiteral("DevMissing")), 1);
        QCOMPARE(types.count(QStringLiteral("DevNewHardware")), 1);
        QCOMPARE(types.count(QStringLiteral("DevNoChange")), types.size() - 2);

        // A restore stopped while the Installer is busy with the update pipeline's packages
        // takes back only its own: both pipeline packages install, the saved driver does not.
        QSignalSpy installed(module.installer(), &Qln::Task::finished);
        auto underWay = std::make_shared<GatedSource>();
        underWay->request = newerAudioRequest(QString::fromStdString(original.matchingId));
        configuration->installer->append(underWay);
        QVERIFY(underWay->entered.tryAcquire(1, 60000));
        module.beginInstall();
        const QList<QObject*> stopped = module.model()->installList();
        QCOMPARE(stopped.size(), 1);
        auto* stoppedItem = qobject_cast<Qln::InstallBackup*>(stopped.first());
        QTRY_COMPARE(stoppedItem->state()->status(), Qln::InstallState::Waiting);
        auto queuedAfter = std::make_shared<GatedSource>();
        queuedAfter->request = underWay->request;
        queuedAfter->release.release();
        configuration->installer->append(queuedAfter);
        module.stopInstall();
        underWay->release.release();
        QTRY_COMPARE_WITH_TIMEOUT(installed.count(), 1, 120000);
        QVERIFY(installed.last().at(0).toBool());
        configuration->installer->waitForFinished();
        QTRY_COMPARE(underWay->state()->status(), Qln::InstallState::Complete);
        QTRY_COMPARE(queuedAfter->state()->status(), Qln::InstallState::Complete);
        QTRY_COMPARE(stoppedItem->state()->status(), Qln::InstallState::Normal);
        QVERIFY(platform::machine::load(machine.toStdString(), model, error));
        QCOMPARE(model.findDevice(kAudioInstance)->driver->version, std::string("9.9.9.9"));

        module.beginInstall();
        QTRY_COMPARE_WITH_TIMEOUT(installed.count(), 2, 120000);
        const QList<QObject*> list = module.model()->installList();
        QCOMPARE(list.size(), 1);
        QTRY_COMPARE(qobject_cast<Qln::InstallBackup*>(list.first())->state()->status(),
                     Qln::InstallState::Complete);
        QVERIFY(platform::machine::load(machine.toStdString(), model, error));
        const platform::machine::DriverRecord restored = *model.findDevice(kAudioInstance)->driver;
        QCOMPARE(restored.version, original.version);
        QCOMPARE(restored.provider, original.provider);
        QCOMPARE(restored.date, original.date);
    }

private:
    // A pipeline's package whose installation waits, once under way, until the test lets it go.
    class GatedSource : public Qln::InstallSource {
    public:
        Qln::InstallRequest request;
        mutable QSemaphore entered;
        mutable QSemaphore release;
        Qln::InstallRequest installRequest() const override {
            entered.release();
            release.acquire();
            return request;
        }
    };

    // A package with a newer DriverVer for the audio device, through the real Installer.
    void installNewerAudioDriver(Qln::Installer& installer, const QString& hardwareId) {
        auto source = std::make_shared<GatedSource>();
        source->request = newerAudioRequest(hardwareId);
        source->release.release();
        installer.append(source);
        installer.waitForFinished();
        QTRY_COMPARE(source->state()->status(), Qln::InstallState::Complete);
    }

    Qln::InstallRequest newerAudioRequest(const QString& hardwareId) {
        const QString folder = m_scratch.filePath(QStringLiteral("newer"));
        QDir().mkpath(folder);
        const QByteArray inf =
            QStringLiteral(
                "[Version]\r\nSignature=\"$WINDOWS NT$\"\r\nClass=MEDIA\r\n"
                "Provider=%PROVIDER%\r\nDriverVer=05/05/2024,9.9.9.9\r\n"
                "[Manufacturer]\r\n%PROVIDER%=Models,NTamd64.10.0...17763\r\n"
                "[Models.NTamd64.10.0...17763]\r\n\"Newer Audio\"=Install, %1\r\n"
                "[Strings]\r\nPROVIDER=\"Newer Inc.\"\r\n")
                .arg(hardwareId)
                .toUtf8();
        QFile file(folder + QStringLiteral("/newer.inf"));
        if (!file.open(QIODevice::WriteOnly) || file.write(inf) != inf.size()) {
            qFatal("newer.inf not written");
        }
        file.close();
        Qln::InstallRequest request;
        request.infSha1 = QCryptographicHash::hash(inf, QCryptographicHash::Sha1).toHex();
        request.infPath = QStringLiteral("newer.inf");
        request.hardwareId = hardwareId;
        request.tempDir = folder;
        return request;
    }
};

QTEST_GUILESS_MAIN(BackupTest)
#include "backup_test.moc"

// Qln::Installer against the real Installer program and a copy of the sample
// machine, and its fake mode.
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

#include "hardware/installer.h"
#include "hardware/installsource.h"
#include "platform/machinemodel.h"

using Qln::InstallRequest;
using Qln::InstallResult;
using Qln::InstallState;

namespace {

const QString kAudioId =
    QStringLiteral("HDAUDIO\\FUNC_01&VEN_10EC&DEV_1220&SUBSYS_10438694&REV_1000");
const QString kAudioInstance = QStringLiteral(
    "HDAUDIO\\FUNC_01&VEN_10EC&DEV_1220&SUBSYS_10438694&REV_1000\\4&39A4AB9C&0&0001");
const QString kAbsentId = QStringLiteral("PCI\\VEN_8086&DEV_3E98&SUBSYS_86941043&REV_02");

class TestSource : public Qln::InstallSource {
public:
    explicit TestSource(const InstallRequest& request,
                        std::shared_ptr<std::atomic<QThread*>> endedOn = nullptr)
        : m_request(request), m_endedOn(std::move(endedOn)) {}
    ~TestSource() override {
        if (m_endedOn) {
            *m_endedOn = QThread::currentThread();
        }
    }
    InstallRequest installRequest() const override { return m_request; }
    int results() const { return m_results; }
    InstallResult lastResult() const { return m_last; }

protected:
    void handleResult(const InstallResult& result) override {
        m_last = result;
        ++m_results;
    }

private:
    InstallRequest m_request;
    std::shared_ptr<std::atomic<QThread*>> m_endedOn;
    std::atomic<int> m_results{0};
    InstallResult m_last;
};

QString sha1OfFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex()
               : QString();
}

// Writes a package with one INF naming hardwareId; returns its request.
InstallRequest package(const QString& folder, const QString& hardwareId, const QString& provider,
                       const QString& driverVer, bool rollback = false) {
    QDir().mkpath(folder + "/sub");
    const QByteArray inf = QStringLiteral(
                               "[Version]\r\nSignature=\"$WINDOWS NT$\"\r\nClass=MEDIA\r\n"
                               "Provider=%PROVIDER%\r\nDriverVer=%1\r\nCatalogFile=pkg.cat\r\n"
                               "[Manufacturer]\r\n%PROVIDER%=Models,NTamd64.10.0...17763\r\n"
                               "[Models.NTamd64.10.0...17763]\r\n\"Test Audio\"=Install, %2\r\n"
                               "[Strings]\r\nPROVIDER=\"%3\"\r\n")
                               .arg(driverVer, hardwareId, provider)
                               .toUtf8();
    QFile file(folder + "/sub/pkg.inf");
    file.open(QIODevice::WriteOnly);
    file.write(inf);
    file.close();
    QFile sys(folder + "/sub/pkg.sys");
    sys.open(QIODevice::WriteOnly);
    sys.write("driver");
    InstallRequest request;
    request.infSha1 = QCryptographicHash::hash(inf, QCryptographicHash::Sha1).toHex();
    request.infPath = QStringLiteral("sub/pkg.inf");
    request.hardwareId = hardwareId;
    request.tempDir = folder;
    request.rollback = rollback;
    return request;
}

}  // namespace

class InstallerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_scratch;
    QString m_machine;

    platform::machine::Device device(const QString& instanceId) {
        platform::machine::Model model;
        std::string error;
        if (!platform::machine::load(m_machine.toStdString(), model, error)) {
            qWarning() << "machine not read:" << QString::fromStdString(error);
            return {};
        }
        const platform::machine::Device* found = model.findDevice(instanceId.toStdString());
        return found ? *found : platform::machine::Device();
    }

    Qln::Installer* realInstaller(QObject* parent) {
        auto* installer = new Qln::Installer({}, true, parent);
        installer->setInstallerPath(QStringLiteral(QLN_INSTALLER_PATH));
        return installer;
    }

    // The real Installer behind a short pause, so that a test sees an install under way
    // however fast the round trip is.
    Qln::Installer* slowInstaller(QObject* parent) {
        const QString script = m_scratch.filePath("slow-installer");
        if (!QFile::exists(script)) {
            QFile file(script);
            file.open(QIODevice::WriteOnly);
            file.write("#!/bin/sh\nsleep 0.3\nexec '" QLN_INSTALLER_PATH "' \"$@\"\n");
            file.close();
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        auto* installer = new Qln::Installer({}, true, parent);
        installer->setInstallerPath(script);
        return installer;
    }

    void installOne(const InstallRequest& request, InstallState::InstallStatus expected,
                    InstallResult& result) {
        QObject owner;
        Qln::Installer* installer = realInstaller(&owner);
        const auto source = std::make_shared<TestSource>(request);
        QSignalSpy reboot(installer, &Qln::Installer::ShowNeedRebootMessage);
        installer->append(source);
        installer->waitForFinished();
        QTRY_COMPARE(source->state()->status(), expected);
        QCOMPARE(source->results(), 1);
        // The machine model never asks for a reboot.
        QCOMPARE(reboot.count(), 0);
        result = source->lastResult();
    }

private slots:
    void initTestCase() {
        QVERIFY(m_scratch.isValid());
        m_machine = m_scratch.filePath("machine");
        QVERIFY(QDir().mkpath(m_scratch.filePath("runtime")));
        QFile::setPermissions(m_scratch.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("QUILLON_RUNTIME_DIR", m_scratch.filePath("runtime").toUtf8());
        qputenv("QUILLON_MACHINE", m_machine.toUtf8());
        platform::machine::Model model;
        std::string error;
        QVERIFY(platform::machine::load(QLN_SAMPLE_MACHINE, model, error));
        QVERIFY(QDir().mkpath(m_machine + "/Windows/INF"));
        QVERIFY(QDir().mkpath(m_machine + "/Windows/System32/DriverStore/FileRepository"));
        QVERIFY(platform::machine::save(m_machine.toStdString(), model, error));
        for (const QString& name : QDir(QLN_SAMPLE_MACHINE "/Windows/INF").entryList(QDir::Files)) {
            QFile::copy(QLN_SAMPLE_MACHINE "/Windows/INF/" + name,
                        m_machine + "/Windows/INF/" + name);
        }
    }

    void statusCrossesThreads() {
        InstallState state;
        QSignalSpy changed(&state, &InstallState::statusChanged);
        QtConcurrent::run([&state] {
            state.postStatus(InstallState::Unpacking);
        }).waitForFinished();
        QCOMPARE(state.status(), InstallState::Normal);
        QVERIFY(changed.wait());
        QCOMPARE(state.status(), InstallState::Unpacking);
        QCOMPARE(state.statusText(), QStringLiteral("Unpacking"));
    }

    void resultSetsStatus_data() {
        QTest::addColumn<quint32>("systemErrorCode");
        QTest::addColumn<qint32>("errorCode");
        QTest::addColumn<int>("status");
        QTest::newRow("success") << 0u << 0 << int(InstallState::Complete);
        QTest::newRow("own code") << 0u << 103 << int(InstallState::Error);
        QTest::newRow("exchange failed") << 2u << 1 << int(InstallState::Error);
        QTest::newRow("SetupAPI error is negative as signed")
            << 0xE000020Bu << 102 << int(InstallState::Error);
        QTest::newRow("system error alone") << 0xE0000203u << 0 << int(InstallState::Error);
    }
    void resultSetsStatus() {
        QFETCH(quint32, systemErrorCode);
        QFETCH(qint32, errorCode);
        QFETCH(int, status);
        TestSource source({});
        source.setResult({systemErrorCode, errorCode, false});
        QTRY_COMPARE(int(source.state()->status()), status);
        QCOMPARE(source.results(), 1);
    }

    void installerPathFollowsTheSystem() {
        const Qln::Installer x64({}, true);
        const Qln::Installer x86({{QStringLiteral("fi"), QString()}}, false);
        QVERIFY(x64.installerPath().startsWith(QCoreApplication::applicationDirPath() +
                                               "/x64/Installer"));
        QVERIFY(x86.installerPath().startsWith(QCoreApplication::applicationDirPath() +
                                               "/Win32/Installer"));
        QVERIFY(!x64.isFakeInstall());
        QVERIFY(x86.isFakeInstall());
    }

    void fakeErrorShare_data() {
        QTest::addColumn<quint32>("seed");
        QTest::newRow("seed 1") << 1u;
        QTest::newRow("seed 20260101") << 20260101u;
        QTest::newRow("system seed") << QRandomGenerator::system()->generate();
    }
    void fakeErrorShare() {
        QFETCH(quint32, seed);
        QRandomGenerator generator(seed);
        int failed = 0;
        QSet<int> seconds;
        for (int draw = 0; draw < 2000; ++draw) {
            const Qln::Installer::FakeOutcome outcome = Qln::Installer::drawFakeOutcome(generator);
            if (outcome.failed) {
                ++failed;
            } else {
                QVERIFY(outcome.seconds >= 1 && outcome.seconds <= 3);
                seconds.insert(outcome.seconds);
            }
        }
        QVERIFY2(failed >= 60 && failed <= 140, qPrintable(QString::number(failed)));
        QCOMPARE(seconds.size(), 3);
    }

    void fakeInstallOffersRebootOnSuccess() {
        Qln::Installer installer({{QStringLiteral("fi"), QString()}}, true);
        installer.setInstallerPath(QStringLiteral("/nonexistent/Installer"));
        const auto source = std::make_shared<TestSource>(
            package(m_scratch.filePath("fake"), kAudioId, "X", "01/01/2024,1.0"));
        QSignalSpy reboot(&installer, &Qln::Installer::ShowNeedRebootMessage);
        installer.append(source);
        installer.waitForFinished();
        QCOMPARE(source->results(), 1);
        const bool failed = source->lastResult().errorCode == 740;
        QCOMPARE(reboot.count(), failed ? 0 : 1);
        QCOMPARE(source->lastResult().needReboot, !failed);
    }

    void exchangeFailures_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("privateRuntime");
        QTest::addColumn<QString>("logged");
        QTest::addColumn<QString>("infPathTail");
        QTest::newRow("pipe not created") << QStringLiteral(QLN_INSTALLER_PATH) << false
                                          << QStringLiteral("^Pipe not created: ") << QString();
        QTest::newRow("program not there")
            << QStringLiteral("/nonexistent/Installer") << true
            << QStringLiteral("^Installer process not created: ") << QString();
        QTest::newRow("ends without connecting")
            << QStringLiteral("/bin/true") << true << QStringLiteral("^Installer not connected: ")
            << QString();
        // Installer would be sent to the other folder; nothing is started.
        QTest::newRow("line feed in the INF path")
            << QStringLiteral("/bin/true") << true
            << QStringLiteral("^Request refused, a value holds a line break: ")
            << QStringLiteral("\ntempDir=/elsewhere");
    }
    void exchangeFailures() {
        QFETCH(QString, path);
        QFETCH(bool, privateRuntime);
        QFETCH(QString, logged);
        const QString runtime = m_scratch.filePath("runtime");
        // Others may enter the folder: the socket must not be made there.
        QFile::setPermissions(
            runtime, privateRuntime ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                    : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::ExeOther);
        Qln::Installer installer({}, true);
        installer.setInstallerPath(path);
        InstallRequest request =
            package(m_scratch.filePath("silent"), kAudioId, "X", "01/01/2024,1.0");
        QFETCH(QString, infPathTail);
        request.infPath += infPathTail;
        const auto source = std::make_shared<TestSource>(request);
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(logged));
        installer.append(source);
        installer.waitForFinished();
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(source->results(), 1);
        QCOMPARE(source->lastResult().errorCode, 1);
        QVERIFY(source->lastResult().systemErrorCode != 0);
        QTRY_COMPARE(source->state()->status(), InstallState::Error);
    }

    void installThenRollBack() {
        const platform::machine::Device before = device(kAudioInstance);
        QVERIFY(before.driver.has_value());
        InstallResult installed;
        installOne(
            package(m_scratch.filePath("new"), kAudioId, "Quillon Audio", "05/06/2025, 6.0.9999.7"),
            InstallState::Complete, installed);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(installed.errorCode, 0);
        const platform::machine::Device after = device(kAudioInstance);
        QVERIFY(after.driver.has_value());
        QCOMPARE(QString::fromStdString(after.driver->provider), QStringLiteral("Quillon Audio"));
        QCOMPARE(QString::fromStdString(after.driver->version), QStringLiteral("6.0.9999.7"));
        QCOMPARE(QString::fromStdString(after.driver->date), QStringLiteral("2025-05-06"));
        QVERIFY(QString::fromStdString(after.driver->infName).startsWith("oem"));
        QVERIFY(QFile::exists(m_machine + "/Windows/INF/" +
                              QString::fromStdString(after.driver->infName)));
        QCOMPARE(after.previousDrivers.size(), before.previousDrivers.size() + 1);

        // The recovery package holds the driver that was there before.
        const QString oldDate = QString::fromStdString(before.driver->date);
        const QString oldVer = QStringLiteral("%1/%2/%3,%4")
                                   .arg(oldDate.mid(5, 2), oldDate.mid(8, 2), oldDate.left(4),
                                        QString::fromStdString(before.driver->version));
        installOne(package(m_scratch.filePath("old"), kAudioId,
                           QString::fromStdString(before.driver->provider), oldVer, true),
                   InstallState::Complete, installed);
        QVERIFY(!QTest::currentTestFailed());
        const platform::machine::Device back = device(kAudioInstance);
        QVERIFY(back.driver.has_value());
        QCOMPARE(back.driver->provider, before.driver->provider);
        QCOMPARE(back.driver->version, before.driver->version);
        QCOMPARE(back.driver->date, before.driver->date);
        QCOMPARE(back.previousDrivers.size(), before.previousDrivers.size());
        // The update's published INF is gone; the name may be reused by the old package's.
        const QString newSha1 =
            sha1OfFile(m_scratch.filePath("new") + QStringLiteral("/sub/pkg.inf"));
        for (const QString& name : QDir(m_machine + "/Windows/INF").entryList(QDir::Files)) {
            QVERIFY2(sha1OfFile(m_machine + "/Windows/INF/" + name) != newSha1, qPrintable(name));
        }
        QCOMPARE(
            sha1OfFile(m_machine + "/Windows/INF/" + QString::fromStdString(back.driver->infName)),
            sha1OfFile(m_scratch.filePath("old") + QStringLiteral("/sub/pkg.inf")));
    }

    void deviceErrors_data() {
        QTest::addColumn<QString>("hardwareId");
        QTest::addColumn<int>("errorCode");
        QTest::newRow("unknown hardware id") << QStringLiteral("PCI\\VEN_FFFF&DEV_0001") << 103;
        QTest::newRow("device not present") << kAbsentId << 106;
    }
    void deviceErrors() {
        QFETCH(QString, hardwareId);
        QFETCH(int, errorCode);
        InstallResult result;
        installOne(
            package(m_scratch.filePath(QTest::currentDataTag()), hardwareId, "X", "01/01/2024,1.0"),
            InstallState::Error, result);
        QVERIFY(!QTest::currentTestFailed());
        QCOMPARE(result.errorCode, errorCode);
    }

    void abortAfterTheFirstOfThree() {
        Qln::Installer* installer = slowInstaller(this);
        QSignalSpy reboot(installer, &Qln::Installer::ShowNeedRebootMessage);
        const platform::machine::Device before = device(kAudioInstance);
        std::vector<std::shared_ptr<TestSource>> sources;
        for (int i = 0; i < 3; ++i) {
            sources.push_back(std::make_shared<TestSource>(package(
                m_scratch.filePath(QStringLiteral("queue%1").arg(i)), kAudioId,
                QStringLiteral("Queued %1").arg(i), "07/08/2025,7.0.0." + QString::number(i))));
            sources.back()->state()->postStatus(InstallState::Waiting);
            installer->append(sources.back());
        }
        QTRY_COMPARE(sources[0]->state()->status(), InstallState::Installation);
        installer->abort();
        installer->waitForFinished();
        QCOMPARE(reboot.count(), 0);
        // The one under way ran to its end and says so: what records it must see the change.
        QCOMPARE(sources[0]->results(), 1);
        QCOMPARE(sources[1]->results(), 0);
        QCOMPARE(sources[2]->results(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(sources[0]->state()->status(), InstallState::Complete);
        // The others never started, and no longer wait for a turn that will not come.
        QCOMPARE(sources[1]->state()->status(), InstallState::Normal);
        QCOMPARE(sources[2]->state()->status(), InstallState::Normal);
        QCOMPARE(QString::fromStdString(device(kAudioInstance).driver->provider),
                 QStringLiteral("Queued 0"));
        QCOMPARE(device(kAudioInstance).previousDrivers.size(), before.previousDrivers.size() + 1);
        delete installer;
    }

    // A pipeline that is aborted lets go of its packages while one is being installed.
    void sourceReleasedDuringItsInstall() {
        Qln::Installer* installer = slowInstaller(this);
        const auto endedOn = std::make_shared<std::atomic<QThread*>>(nullptr);
        auto source = std::make_shared<TestSource>(
            package(m_scratch.filePath("released"), kAbsentId, "X", "01/01/2024,1.0"), endedOn);
        const std::weak_ptr<TestSource> watch = source;
        installer->append(source);
        QTRY_COMPARE(source->state()->status(), InstallState::Installation);
        source.reset();
        QVERIFY(!watch.expired());
        installer->waitForFinished();
        QTRY_VERIFY(watch.expired());
        QCOMPARE(endedOn->load(), QThread::currentThread());
        delete installer;
    }
};

QTEST_GUILESS_MAIN(InstallerTest)
#include "installer_test.moc"

#include <QDir>
#include <QProcess>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>
#include <memory>

#include "backup/recoveryfiles.h"
#include "backup/recoverymanager.h"
#include "base/task.h"
#include "core/configuration.h"
#include "core/installdriversmodule.h"
#include "core/launcher.h"
#include "core/mainwindow.h"
#include "core/modulelist.h"
#include "core/modulelistmodel.h"
#include "core/windowcontroller.h"
#include "filetree.h"
#include "hardware/deviceselectviewmodel.h"
#include "hardware/driverselectviewmodel.h"
#include "hardware/driversupdatemodel.h"
#include "hardware/installer.h"
#include "hardware/installstate.h"
#include "logcapture.h"
#include "net/manager.h"
#include "platform/machinemodel.h"
#include "servicerunner.h"
#include "signalwait.h"
#include "testenvironment.h"
#include "trackerstub.h"

using Qln::WindowController;

namespace {

constexpr int kWaitMs = 60000;

// The sample catalogue's offers for the sample PC, one row per hardware in
// scan order: its name and the offered versions, best first.
const QStringList kExpectedRows = {
    "ACPI x64-based PC: 10.0.19041.102",
    "PCI Express Root Complex: 10.0.19041.103",
    "Microsoft Windows Management Interface for ACPI: 10.0.19041.104",
    "Trusted Platform Module 2.0: 10.0.19041.105",
    "Microsoft Basic Render Driver: 10.0.19041.106",
    "Plug and Play Software Device Enumerator: 10.0.19041.107",
    "Remote Desktop Device Redirector Bus: 10.0.19041.108",
    "NDIS Virtual Network Adapter Enumerator: 10.0.19041.109",
    "Microsoft Kernel Debug Network Adapter: 10.0.19041.110",
    "WAN Miniport (SSTP): 10.0.19041.111",
    "Microsoft Print to PDF: 10.0.19041.112",
    "Intel(R) Xeon(R) E3 - 1200/1500 v5/6th Gen Intel(R) Core(TM) Gaussian Mixture Model - 1911: "
    "10.1.17.113",
    "Intel(R) USB 3.1 eXtensible Host Controller - 1.10 (Microsoft): 10.0.19041.114",
    "Intel(R) Management Engine Interface: 1914.12.0.1370",
    "Intel(R) PCI Express Root Port #1 - A330: 10.0.19041.103",
    "High Definition Audio Controller: 10.0.19041.116",
    "Intel(R) Wireless-AC 9560 160MHz: 22.80.0.304",
    "NVIDIA GeForce RTX 2080: 27.21.14.6571, 27.21.14.6671",
    "Realtek High Definition Audio: 6.0.8899.151",
    "NVIDIA High Definition Audio: 1.3.38.135, 1.3.38.235, 1.3.38.335",
    "Realtek Audio Effects Component: 11.0.6000.315",
    "USB Root Hub (USB 3.0): 10.0.19041.117",
    "Generic USB Hub: 10.0.19041.117",
    "Generic SuperSpeed USB Hub: 10.0.19041.117",
    "HID-compliant mouse: 10.0.19041.118",
    "Logitech Webcam C925e: 10.0.19041.119",
    "Microsoft Bluetooth LE Enumerator: 10.0.19041.120",
    "Samsung SSD 970 EVO Plus 1TB: 10.0.19041.121",
    "Generic PnP Monitor: 10.0.19041.122",
};

// Items a view makes for its rows are its children as items only.
QQuickItem* findItem(QQuickItem* item, const QString& name) {
    if (!item || item->objectName() == name) {
        return item;
    }
    for (QQuickItem* child : item->childItems()) {
        if (QQuickItem* found = findItem(child, name)) {
            return found;
        }
    }
    return nullptr;
}

QString runProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return program + " failed: " + QString::fromLocal8Bit(process.readAll());
    }
    return QString();
}

}  // namespace

// The drivers page of the real program, on the sample PC, against the real
// service holding the sample catalogue.
class DriversJourneyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void scanShowsTheCatalogueOffers();
    void disclaimerComesBeforeTheFirstInstallOnly();
    void cancellingTheScanReturnsToStart();
    void nothingFoundShowsTheCompletionPage();
    void installEverythingThenRollBackOne();
    void quittingMidInstallKeepsTheRecordsTrue();

private:
    // The machine copy as the sample PC is, whatever earlier cases installed.
    bool copySampleMachine();
    bool startProgram(const std::string& dataDir);
    QQuickItem* pageItem(const char* name) const;
    void pressScanAndWaitForSelect();
    // Install on the select page, through the disclaimer.
    void pressInstallAndProceed();
    QStringList rowsOf(Qln::DriversUpdateModel* model) const;

    QString m_sample;
    std::unique_ptr<QTemporaryDir> m_machine;
    std::string m_catalogueData;
    std::unique_ptr<ServiceRunner> m_service;
    std::unique_ptr<LogCapture> m_log;
    std::unique_ptr<WindowController> m_windows;
    std::unique_ptr<Qln::TrackerStub> m_tracker;
    Qln::ArgumentMap m_arguments;
    std::unique_ptr<Qln::Launcher> m_launcher;
    Qln::InstallDriversModule* m_module = nullptr;
    QQuickItem* m_page = nullptr;
};

void DriversJourneyTest::initTestCase() {
    isolateUserFolders();
    // Installs change the machine: they get a copy of the sample PC, never the one in the tree.
    m_sample = qEnvironmentVariable("QUILLON_MACHINE");
    m_machine.reset(new QTemporaryDir);
    QVERIFY(copySampleMachine());
    qputenv("QUILLON_MACHINE", m_machine->path().toUtf8());
    const std::string work = ServiceRunner::makeTempDir("journey");
    const QString packages = QString::fromStdString(work) + "/packages";
    m_catalogueData = work + "/data";
    QDir().mkpath(QString::fromStdString(m_catalogueData));
    QString failure = runProgram("python3", {QLN_CATALOGUE_SCRIPT, "--out", packages});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    failure = runProgram(
        QString::fromStdString(ServiceRunner::binary()),
        {"index", "--data", QString::fromStdString(m_catalogueData), "--packages", packages});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void DriversJourneyTest::init() {
    m_log = std::make_unique<LogCapture>();
    m_windows = std::make_unique<WindowController>();
    m_tracker = std::make_unique<Qln::TrackerStub>();
}

void DriversJourneyTest::cleanup() {
    // A scan or an installation still running would outlive its module otherwise. A run
    // may already have announced its end and only be returning: wait for the run, not for
    // a second announcement.
    bool ended = true;
    if (m_module) {
        if (m_module->finder()->isRunning()) {
            m_module->stopScan();
        }
        if (m_module->installer()->isRunning()) {
            m_module->installAbort();
        }
        ended = QTest::qWaitFor(
            [this] {
                return !m_module->finder()->isRunning() && !m_module->installer()->isRunning();
            },
            kWaitMs);
    }
    m_module = nullptr;
    m_page = nullptr;
    m_windows.reset();
    m_launcher.reset();
    Net::Manager::instance()->dropIdleConnections();
    if (m_service) {
        m_service->stop();
    }
    m_service.reset();
    m_tracker.reset();
    m_log.reset();
    QVERIFY2(ended, "a scan or an installation did not end");
}

bool DriversJourneyTest::copySampleMachine() {
    QDir machine(m_machine->path());
    return machine.removeRecursively() && copyTree(m_sample, machine.path());
}

bool DriversJourneyTest::startProgram(const std::string& dataDir) {
    m_service = std::make_unique<ServiceRunner>();
    if (!m_service->start(dataDir, {}, dataDir + "/service.log")) {
        qWarning().noquote() << "Service not started:"
                             << QString::fromStdString(m_service->error());
        return false;
    }
    m_arguments = {{"0", QStringLiteral("QuillonPro")},
                   {"host", QString::fromStdString(m_service->url())},
                   {"tab", QStringLiteral("drivers")}};
    m_launcher =
        std::make_unique<Qln::Launcher>(&m_arguments, QCoreApplication::applicationDirPath());
    m_launcher->setWindowController(m_windows.get());
    m_launcher->start();
    if (!QTest::qWaitFor([&] { return m_windows->state() == WindowController::Main; }, kWaitMs)) {
        return false;
    }
    m_windows->setTracker(m_tracker.get());
    m_launcher->moduleList()->configuration()->installer->setInstallerPath(QLN_INSTALLER_PATH);
    m_module =
        qobject_cast<Qln::InstallDriversModule*>(m_launcher->moduleList()->module("drivers"));
    Qln::ModuleListModel* entry = m_module ? m_module->entry() : nullptr;
    if (!entry || !QTest::qWaitFor([entry] { return entry->viewObject() != nullptr; }, kWaitMs)) {
        return false;
    }
    m_page = qobject_cast<QQuickItem*>(entry->viewObject());
    return m_page && m_page->state() == QLatin1String("START");
}

QQuickItem* DriversJourneyTest::pageItem(const char* name) const {
    return m_page->findChild<QQuickItem*>(QLatin1String(name));
}

void DriversJourneyTest::pressScanAndWaitForSelect() {
    QSignalSpy finished(m_module->finder(), &Qln::Task::finished);
    // Without a backup file the page offers a backup first; this journey is about the scan.
    pageItem("startPage")->setProperty("backupChecked", false);
    QVERIFY(QMetaObject::invokeMethod(pageItem("startPage"), "pressScan"));
    QCOMPARE(m_page->state(), QString("SCAN"));
    QVERIFY(pageItem("pipelineStrip")->isVisible());
    QCOMPARE(pageItem("pipelineStrip")->property("activeStep").toInt(), 0);
    QVERIFY(signalArrived(finished, kWaitMs));
    QCOMPARE(finished.first().first().toBool(), false);
    QTRY_COMPARE(m_page->state(), QString("SELECT"));
    QCOMPARE(pageItem("pipelineStrip")->property("activeStep").toInt(), 1);
}

void DriversJourneyTest::pressInstallAndProceed() {
    QVERIFY(QMetaObject::invokeMethod(pageItem("installButton"), "clicked"));
    auto* dialog = pageItem("selectPage")->findChild<QObject*>("disclaimerDialog");
    QTRY_VERIFY(dialog->property("opened").toBool());
    auto* layout = dialog->property("layoutItem").value<QObject*>();
    auto* proceed = layout ? layout->findChild<QObject*>("disclaimerContinueButton") : nullptr;
    QVERIFY(proceed);
    QVERIFY(QMetaObject::invokeMethod(proceed, "clicked"));
    QTRY_COMPARE(m_page->state(), QString("INSTALL"));
}

QStringList DriversJourneyTest::rowsOf(Qln::DriversUpdateModel* model) const {
    QStringList rows;
    for (const Qln::DeviceSelectViewModel* device : model->rows()) {
        QStringList versions;
        for (QObject* driver : device->drivers()) {
            versions << qobject_cast<Qln::DriverSelectViewModel*>(driver)->update()->version();
        }
        rows << device->name() + ": " + versions.join(", ");
    }
    return rows;
}

void DriversJourneyTest::scanShowsTheCatalogueOffers() {
    QVERIFY(startProgram(m_catalogueData));
    QSignalSpy views(m_tracker.get(), &Qln::TrackerStub::appViewSent);
    QSignalSpy events(m_tracker.get(), &Qln::TrackerStub::eventSent);
    pressScanAndWaitForSelect();

    Qln::DriversUpdateModel* result = m_module->result();
    QVERIFY(result);
    QVERIFY(!result->error());
    const QStringList rows = rowsOf(result);
    QVERIFY2(rows == kExpectedRows, qPrintable("Rows:\n" + rows.join('\n')));
    QTRY_COMPARE(pageItem("deviceList")->property("count").toInt(), rows.size());
    QVERIFY(pageItem("installButton")->property("enabled").toBool());

    QStringList screens;
    for (const QList<QVariant>& view : views) {
        screens << view.first().toString();
    }
    QCOMPARE(screens, (QStringList{"Drivers-scan-screen", "Drivers-select-screen"}));
    QCOMPARE(events.first().at(2).toString(), QString("Scan-button"));
}

void DriversJourneyTest::disclaimerComesBeforeTheFirstInstallOnly() {
    QVERIFY(startProgram(m_catalogueData));
    pressScanAndWaitForSelect();
    QSignalSpy events(m_tracker.get(), &Qln::TrackerStub::eventSent);
    QQuickItem* select = pageItem("selectPage");
    auto* dialog = select->findChild<QObject*>("disclaimerDialog");
    QVERIFY(dialog);

    QVERIFY(QMetaObject::invokeMethod(select, "pressInstall"));
    QTRY_VERIFY(dialog->property("opened").toBool());
    QCOMPARE(m_page->state(), QString("SELECT"));
    QVERIFY(events.isEmpty());
    auto* layout = dialog->property("layoutItem").value<QObject*>();
    QVERIFY(layout);
    QVERIFY(QMetaObject::invokeMethod(layout, "next"));
    QTRY_VERIFY(!dialog->property("opened").toBool());
    QCOMPARE(m_page->state(), QString("INSTALL"));
    QCOMPARE(pageItem("pipelineStrip")->property("activeStep").toInt(), 2);
    QCOMPARE(events.last().at(2).toString(), QString("Install-button"));

    // A second scan in the same run installs at once.
    QVERIFY(QMetaObject::invokeMethod(m_page, "backToStart"));
    pressScanAndWaitForSelect();
    QVERIFY(QMetaObject::invokeMethod(select, "pressInstall"));
    QCOMPARE(m_page->state(), QString("INSTALL"));
    QVERIFY(!dialog->property("opened").toBool());
}

void DriversJourneyTest::cancellingTheScanReturnsToStart() {
    QVERIFY(startProgram(m_catalogueData));
    QSignalSpy finished(m_module->finder(), &Qln::Task::finished);
    QSignalSpy events(m_tracker.get(), &Qln::TrackerStub::eventSent);
    // The first press goes to the backup page: no backup file exists yet.
    QVERIFY(pageItem("startPage")->property("backupChecked").toBool());
    QVERIFY(QMetaObject::invokeMethod(pageItem("startPage"), "pressScan"));
    QCOMPARE(m_page->state(), QString("START"));
    QTRY_VERIFY(m_launcher->moduleList()->module("backup")->isSelected());
    QVERIFY(QMetaObject::invokeMethod(pageItem("startPage"), "pressScan"));
    QVERIFY(QMetaObject::invokeMethod(pageItem("stopScanButton"), "clicked"));
    QCOMPARE(m_page->state(), QString("START"));
    QVERIFY(!pageItem("pipelineStrip")->isVisible());
    QCOMPARE(events.last().at(2).toString(), QString("Stop-scan-button"));
    // However the run ends, the page stays where the user sent it.
    QVERIFY(finished.count() == 1 || finished.wait(kWaitMs));
    QCOMPARE(m_page->state(), QString("START"));
}

void DriversJourneyTest::nothingFoundShowsTheCompletionPage() {
    // A service without a catalogue knows no newer driver for anything.
    QVERIFY(startProgram(ServiceRunner::makeTempDir("empty-catalogue")));
    pressScanAndWaitForSelect();
    QVERIFY(pageItem("searchComplete")->isVisible());
    QVERIFY(!pageItem("deviceList")->isVisible());
    QVERIFY(QMetaObject::invokeMethod(pageItem("toAutorunButton"), "clicked"));
    QTRY_VERIFY(m_launcher->moduleList()->module("autorun")->isSelected());
}

void DriversJourneyTest::installEverythingThenRollBackOne() {
    QVERIFY(startProgram(m_catalogueData));
    // Earlier cases of this run may have installed some already.
    Qln::RecoveryManager& recovery = *m_launcher->moduleList()->configuration()->recoveryManager;
    const int points = recovery.recoveryPoints().size();
    const int entries = recovery.historyEntries().size();
    pressScanAndWaitForSelect();
    QQuickItem* selectAll = pageItem("selectAllCheck");
    // Select all, the way the checkbox does it: cleared, then checked again.
    selectAll->setProperty("checked", false);
    QVERIFY(QMetaObject::invokeMethod(selectAll, "toggled"));
    QVERIFY(!pageItem("installButton")->property("enabled").toBool());
    selectAll->setProperty("checked", true);
    QVERIFY(QMetaObject::invokeMethod(selectAll, "toggled"));
    QVERIFY(m_module->result()->selectAll());
    const int devices = m_module->result()->rows().size();

    QSignalSpy finished(m_module->installer(), &Qln::Task::finished);
    pressInstallAndProceed();
    QCOMPARE(m_module->installList().size(), devices);

    QQuickItem* install = pageItem("installPage");
    QVERIFY(signalArrived(finished, kWaitMs * 5));
    QCOMPARE(finished.first().first().toBool(), false);
    QTRY_COMPARE(install->state(), QString("COMPLETE"));
    QCOMPARE(pageItem("pipelineStrip")->property("activeStep").toInt(), 3);
    QStringList statuses;
    for (QObject* item : m_module->installList()) {
        statuses
            << item->property("name").toString() + ": " +
                   item->property("state").value<QObject*>()->property("statusText").toString();
    }
    QVERIFY2(statuses.filter(": Complete").size() == devices, qPrintable(statuses.join('\n')));
    QCOMPARE(pageItem("installList")->property("count").toInt(), devices);

    QVERIFY(QMetaObject::invokeMethod(pageItem("installCompleteButton"), "clicked"));
    QCOMPARE(m_page->state(), QString("START"));

    // Every replaced driver has its recovery point; roll the first one back from its page.
    QTRY_COMPARE(recovery.recoveryPoints().size(), points + devices);
    QTRY_COMPARE(recovery.historyEntries().size(), entries + devices);
    const Qln::InstallRecovery::Fields point = recovery.recoveryPoints().first()->fields();
    QVERIFY(QMetaObject::invokeMethod(m_page, "showModule", Q_ARG(QVariant, "recovery")));
    Qln::ModuleListModel* entry = m_launcher->moduleList()->module("recovery")->entry();
    QTRY_VERIFY(entry->viewObject() != nullptr);
    auto* recoveryPage = qobject_cast<QQuickItem*>(entry->viewObject());
    QQuickItem* restore = nullptr;
    QTRY_VERIFY((restore = findItem(recoveryPage, "recoveryButton")) != nullptr);
    QVERIFY(QMetaObject::invokeMethod(restore, "clicked"));
    QTRY_COMPARE_WITH_TIMEOUT(recovery.recoveryPoints().size(), points + devices - 1, kWaitMs);
    QTRY_COMPARE(recovery.historyEntries().size(), entries + devices + 1);
    QVERIFY(!QFile::exists(point.package.path));
    platform::machine::Model model;
    std::string error;
    QVERIFY(platform::machine::load(m_machine->path().toStdString(), model, error));
    bool restored = false;
    for (const platform::machine::Device& device : model.devices) {
        if (QString::fromStdString(device.name) == point.changes.driver.name && device.driver) {
            restored =
                QString::fromStdString(device.driver->version) == point.changes.driver.version;
        }
    }
    QVERIFY2(restored, qPrintable(point.changes.driver.name + " " + point.changes.driver.version));
}

// The program is closed while the Installer puts the first driver on.
void DriversJourneyTest::quittingMidInstallKeepsTheRecordsTrue() {
    QVERIFY(copySampleMachine());
    QVERIFY(startProgram(m_catalogueData));
    const QString slowInstaller = m_machine->filePath("slow-installer");
    QFile script(slowInstaller);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nsleep 0.5\nexec '" QLN_INSTALLER_PATH "' \"$@\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const Flow::Shared<Qln::Configuration> configuration =
        m_launcher->moduleList()->configuration();
    configuration->installer->setInstallerPath(slowInstaller);
    const Flow::Shared<Qln::RecoveryManager> recovery = configuration->recoveryManager;
    const int entries = recovery->files().readHistory().size();
    pressScanAndWaitForSelect();
    QVERIFY(!m_module->result()->rows().isEmpty());
    const Qln::DriverOffer offer = m_module->result()->rows().first()->selectedOffer();
    const QString name = m_module->result()->rows().first()->name();
    pressInstallAndProceed();
    QObject* first = m_module->installList().first();
    QTRY_COMPARE_WITH_TIMEOUT(first->property("state").value<Qln::InstallState*>()->status(),
                              Qln::InstallState::Installation, kWaitMs);

    m_module = nullptr;
    m_page = nullptr;
    m_windows.reset();
    m_launcher.reset();
    QVERIFY(QThreadPool::globalInstance()->waitForDone(kWaitMs));

    // The Installer was let finish, and what it did is on record.
    platform::machine::Model model;
    std::string error;
    QVERIFY(platform::machine::load(m_machine->path().toStdString(), model, error));
    QString installed;
    for (const platform::machine::Device& device : model.devices) {
        if (QString::fromStdString(device.name) == name && device.driver) {
            installed = QString::fromStdString(device.driver->version);
        }
    }
    QCOMPARE(installed, offer.version);
    const QList<Qln::DriverChanges::Fields> history = recovery->files().readHistory();
    QCOMPARE(history.size(), entries + 1);
    QCOMPARE(history.last().driver.name, name);
    QCOMPARE(history.last().driver.version, offer.version);
}

QTEST_MAIN(DriversJourneyTest)
#include "drivers_journey_test.moc"

#include "core/installdriversmodule.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QQmlEngine>

#include "backup/recoverymanager.h"
#include "backup/uploadtask.h"
#include "base/logcategories.h"
#include "core/filerepository.h"
#include "hardware/computerinfo.h"
#include "hardware/devicescanner.h"
#include "hardware/deviceselectviewmodel.h"
#include "hardware/driversupdatemodel.h"
#include "hardware/findupdatetask.h"
#include "hardware/installer.h"
#include "hardware/installreporter.h"
#include "hardware/installupdate.h"
#include "hardware/installupdatestask.h"
#include "hardware/osinfo.h"
#include "hardware/systeminfo.h"
#include "hardware/updateswrapper.h"
#include "net/multidownloader.h"
#include "net/serviceclient.h"
#include "net/settingsdata.h"

namespace Qln {

namespace {

void emptyFolder(const QString& path) {
    QDir folder(path);
    if (path.isEmpty() || !folder.exists()) {
        return;
    }
    const QFileInfoList entries =
        folder.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        // A link is removed itself, never followed into what it names.
        const bool removed = entry.isDir() && !entry.isSymLink()
                                 ? QDir(entry.filePath()).removeRecursively()
                                 : QFile::remove(entry.filePath());
        if (!removed) {
            qCWarning(lcHardware).noquote() << "Unpack entry not removed:" << entry.filePath();
        }
    }
}

}  // namespace

InstallDriversModule::InstallDriversModule(Flow::Shared<Configuration> configuration,
                                           QObject* parent)
    : Module(QStringLiteral("drivers"), tr("InstallDriversTitle"),
             QStringLiteral("../Resources/Images/Modules/drivers.svg"),
             QStringLiteral("qrc:///View/Modules/InstallDriversModule.qml"), parent),
      m_configuration(std::move(configuration)) {
    const Flow::Shared<Environment>& environment = m_configuration->environment;
    bool includeSystemDevices = false;
    if (environment) {
        DeviceScanner::setDeviceTotal(environment->numDevices());
        includeSystemDevices = environment->checkSystemDevices();
        m_unpackDir = environment->unpackDir();
        if (!QDir().mkpath(m_unpackDir)) {
            qCWarning(lcHardware).noquote() << "Unpack folder not created:" << m_unpackDir;
        }
    }
    if (m_configuration->osInfo) {
        m_osInfoText = m_configuration->osInfo->name();
    }
    m_computerInfo = new ComputerInfo(
        m_configuration->systemInfo ? *m_configuration->systemInfo : System::SystemInfo(), this);
    // Without a service client the search has no address and fails at once.
    const Net::Method search = m_configuration->serviceClient
                                   ? m_configuration->serviceClient->findUpdatesMethod()
                                   : Net::Method();
    m_finder = new FindUpdateTask(includeSystemDevices, search, this);
    QQmlEngine::setObjectOwnership(m_finder, QQmlEngine::CppOwnership);

    Flow::Shared<Net::IDownloader> downloader;
    if (const Flow::Shared<ServiceClient>& client = m_configuration->serviceClient) {
        m_reporter = std::make_shared<InstallReporter>(client->reportMethod());
        // A worker may hold the last reference; the downloader must end on its own thread.
        downloader =
            Flow::Shared<Net::IDownloader>(client->createDownloader(), [](Net::IDownloader* held) {
                static_cast<Net::MultiDownloader*>(held)->deleteLater();
            });
    }
    m_installTask =
        new InstallUpdatesTask(m_unpackDir, downloader, m_configuration->installer,
                               m_configuration->analytics, m_configuration->recoveryManager, this);
    QQmlEngine::setObjectOwnership(m_installTask, QQmlEngine::CppOwnership);
    connect(m_installTask, &Task::finished, this, [this] {
        if (m_installPending) {
            m_installPending = false;
            runInstallation();
        }
    });
    const Flow::Shared<SettingsData>& settings = m_configuration->settingsData;
    if (settings && settings->userDrivers.enabled && m_configuration->serviceClient) {
        const QString appData = Environment::appDataDir();
        m_upload = new UploadTask(
            *m_configuration->serviceClient, settings->userDrivers,
            std::make_unique<Utils::FileRepository>(appData + QStringLiteral("/backup.dat")),
            appData + QStringLiteral("/Cache"), this);
        m_finder->setFollowUp(m_upload);
    }
    QQmlEngine::setObjectOwnership(m_computerInfo, QQmlEngine::CppOwnership);
}

InstallDriversModule::~InstallDriversModule() {
    m_finder->abort();
    m_finder->wait();
    // The package being installed runs to its end; nothing queued after it starts. The run
    // keeps what it uses, so it need not be waited for here.
    m_installTask->abort();
    delete m_result;
    if (m_configuration->environment) {
        m_configuration->environment->setNumDevices(DeviceScanner::deviceTotal());
    }
    // Installer may still be reading its package from there; the end of the next run empties it.
    if (m_configuration->installer && m_configuration->installer->isBusy()) {
        qCInfo(lcHardware).noquote() << "Unpack folder kept, an installation runs:" << m_unpackDir;
    } else {
        emptyFolder(m_unpackDir);
    }
}

Task* InstallDriversModule::finder() const {
    return m_finder;
}

Task* InstallDriversModule::installer() const {
    return m_installTask;
}

QList<QObject*> InstallDriversModule::installList() const {
    QList<QObject*> list;
    for (const Flow::Shared<InstallUpdate>& update : m_installList) {
        list.append(update.get());
    }
    return list;
}

QObject* InstallDriversModule::systemInfo() const {
    return m_computerInfo;
}

void InstallDriversModule::beginScan() {
    qDebug() << "InstallDriversModule::beginScan";
    if (m_finder->isRunning()) {
        return;
    }
    discardResult();
    m_finder->start();
}

void InstallDriversModule::stopScan() {
    qDebug() << "InstallDriversModule::stopScan";
    if (m_finder->isRunning()) {
        m_finder->abort();
    }
}

DriversUpdateModel* InstallDriversModule::result() {
    if (!m_result) {
        m_result = m_finder->takeResult();
        m_result->setParent(this);
        QQmlEngine::setObjectOwnership(m_result, QQmlEngine::CppOwnership);
    }
    return m_result;
}

void InstallDriversModule::discardResult() {
    if (!m_result) {
        return;
    }
    // The page may still be bound to its rows until it reads the new result.
    m_result->deleteLater();
    m_result = nullptr;
    emit resultChanged();
}

void InstallDriversModule::install() {
    qDebug() << "Begin install drivers";
    if (!m_result) {
        return;
    }
    QList<DeviceSelectViewModel*> rows;
    for (DeviceSelectViewModel* row : m_result->rows()) {
        if (row->select()) {
            rows.append(row);
        }
    }
    startInstallation(rows);
}

void InstallDriversModule::installAbort() {
    qDebug() << "Abort install drivers";
    m_installPending = false;
    m_installTask->abort();
}

void InstallDriversModule::startInstallation(const QList<DeviceSelectViewModel*>& rows) {
    qCInfo(lcHardware).noquote() << "Install list:" << rows.size() << "devices";
    QList<Flow::Shared<InstallUpdate>> list;
    for (const DeviceSelectViewModel* row : rows) {
        auto update = std::make_shared<InstallUpdate>(row->hardware(), row->className(),
                                                      row->offers(), row->selectDriverIndex());
        QQmlEngine::setObjectOwnership(update.get(), QQmlEngine::CppOwnership);
        QQmlEngine::setObjectOwnership(update->state(), QQmlEngine::CppOwnership);
        update->setRecording(m_configuration->recoveryManager, m_reporter);
        list.append(std::move(update));
    }
    // The view may still be bound to the rows of the last list until it reads this one.
    const QList<Flow::Shared<InstallUpdate>> previous = m_installList;
    m_installList = list;
    emit installListChanged();
    for (const Flow::Shared<InstallUpdate>& update : previous) {
        QMetaObject::invokeMethod(
            this, [held = update] {}, Qt::QueuedConnection);
    }
    if (m_installTask->isRunning()) {
        m_installPending = true;
        m_installTask->abort();
        return;
    }
    runInstallation();
}

void InstallDriversModule::runInstallation() {
    m_installTask->start(std::make_shared<UpdatesWrapper>(m_installList));
}

}  // namespace Qln

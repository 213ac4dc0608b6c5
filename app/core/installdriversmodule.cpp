#include "core/installdriversmodule.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QQmlEngine>

#include "backup/uploadtask.h"
#include "base/logcategories.h"
#include "core/filerepository.h"
#include "hardware/computerinfo.h"
#include "hardware/devicescanner.h"
#include "hardware/deviceselectviewmodel.h"
#include "hardware/driversupdatemodel.h"
#include "hardware/findupdatetask.h"
#include "hardware/osinfo.h"
#include "hardware/systeminfo.h"
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
    delete m_result;
    if (m_configuration->environment) {
        m_configuration->environment->setNumDevices(DeviceScanner::deviceTotal());
    }
    emptyFolder(m_unpackDir);
}

Task* InstallDriversModule::finder() const {
    return m_finder;
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
    emit installListChanged();
}

void InstallDriversModule::startInstallation(const QList<DeviceSelectViewModel*>& rows) {
    qCInfo(lcHardware).noquote() << "Install list:" << rows.size() << "devices";
    emit installListChanged();
}

}  // namespace Qln

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
#include "hardware/driverupdates.h"
#include "hardware/findupdatetask.h"
#include "hardware/installupdate.h"
#include "hardware/installupdatestask.h"
#include "hardware/osinfo.h"
#include "hardware/systeminfo.h"
#include "net/serviceclient.h"
#include "net/settingsdata.h"

namespace Qln {

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
    }
    if (m_configuration->osInfo) {
        m_osInfoText = m_configuration->osInfo->name();
    }
    m_computerInfo = new ComputerInfo(
        m_configuration->systemInfo ? *m_configuration->systemInfo : System::SystemInfo(), this);
    DriverUpdates::Services services;
    services.unpackFolder = m_unpackDir;
    services.includeSystemDevices = includeSystemDevices;
    services.serviceClient = m_configuration->serviceClient;
    services.installer = m_configuration->installer;
    services.analytics = m_configuration->analytics;
    services.recovery = m_configuration->recoveryManager;
    m_updates = new DriverUpdates(services, this);
    QQmlEngine::setObjectOwnership(m_updates->finder(), QQmlEngine::CppOwnership);
    QQmlEngine::setObjectOwnership(m_updates->installer(), QQmlEngine::CppOwnership);
    connect(m_updates, &DriverUpdates::installListChanged, this, [this] {
        for (const Flow::Shared<InstallUpdate>& update : m_updates->installList()) {
            QQmlEngine::setObjectOwnership(update.get(), QQmlEngine::CppOwnership);
            QQmlEngine::setObjectOwnership(update->state(), QQmlEngine::CppOwnership);
        }
        emit installListChanged();
    });
    const Flow::Shared<SettingsData>& settings = m_configuration->settingsData;
    if (settings && settings->userDrivers.enabled && m_configuration->serviceClient) {
        const QString appData = Environment::appDataDir();
        m_upload = new UploadTask(
            *m_configuration->serviceClient, settings->userDrivers,
            std::make_unique<Utils::FileRepository>(appData + QStringLiteral("/backup.dat")),
            appData + QStringLiteral("/Cache"), this);
        m_updates->finder()->setFollowUp(m_upload);
    }
    QQmlEngine::setObjectOwnership(m_computerInfo, QQmlEngine::CppOwnership);
}

InstallDriversModule::~InstallDriversModule() {
    delete m_updates;
    delete m_result;
    if (m_configuration->environment) {
        m_configuration->environment->setNumDevices(DeviceScanner::deviceTotal());
    }
}

Task* InstallDriversModule::finder() const {
    return m_updates->finder();
}

Task* InstallDriversModule::installer() const {
    return m_updates->installer();
}

QList<QObject*> InstallDriversModule::installList() const {
    QList<QObject*> list;
    for (const Flow::Shared<InstallUpdate>& update : m_updates->installList()) {
        list.append(update.get());
    }
    return list;
}

QObject* InstallDriversModule::systemInfo() const {
    return m_computerInfo;
}

void InstallDriversModule::beginScan() {
    qDebug() << "InstallDriversModule::beginScan";
    if (m_updates->finder()->isRunning()) {
        return;
    }
    discardResult();
    m_updates->finder()->start();
}

void InstallDriversModule::stopScan() {
    qDebug() << "InstallDriversModule::stopScan";
    if (m_updates->finder()->isRunning()) {
        m_updates->finder()->abort();
    }
}

DriversUpdateModel* InstallDriversModule::result() {
    if (!m_result) {
        m_result = m_updates->finder()->takeResult();
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
    m_updates->install(rows);
}

void InstallDriversModule::installAbort() {
    qDebug() << "Abort install drivers";
    m_updates->abortInstall();
}

}  // namespace Qln

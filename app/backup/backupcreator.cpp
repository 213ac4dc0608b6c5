#include "backup/backupcreator.h"

#include <QDebug>
#include <QFileInfo>
#include <QHash>

#include "backup/backupinfo.h"
#include "backup/backupmodel.h"
#include "backup/driverfilefilter.h"
#include "backup/driverpackage.h"
#include "base/logcategories.h"
#include "formats/zip.h"
#include "hardware/scandata.h"

namespace Qln::Backup {

namespace {

BackupHardware savedHardware(const Hrdw::Hardware& hardware) {
    BackupHardware saved;
    saved.id = hardware.id;
    saved.name = hardware.name;
    saved.className = hardware.className;
    saved.manufacturer = hardware.manufacturer;
    for (const Hrdw::Device& device : hardware.devices) {
        saved.devices.append(device.instanceId);
    }
    return saved;
}

}  // namespace

Creator::Creator(Flow::Shared<BackupModel> model) : Flow::Worker(1000), m_model(std::move(model)) {}

void Creator::setPath(const QString& path) {
    QMutexLocker lock(&m_mutex);
    m_path = path;
}

bool Creator::work(Flow::Shared<QObject>& data) {
    const auto scan = std::dynamic_pointer_cast<ScanData>(data);
    if (!scan) {
        return false;
    }
    QString path;
    {
        QMutexLocker lock(&m_mutex);
        path = m_path;
    }
    qCDebug(lcBackup) << "Create backup";
    m_model->clear(path);
    formats::ZipWriter writer;
    writer.setCancel(abortFlag());
    std::string error;
    if (!writer.open(path.toStdString(), error)) {
        qCWarning(lcBackup).noquote() << "Backup not created:" << QString::fromStdString(error);
        return false;
    }
    QList<BackupDriver> saved;
    QHash<QString, int> savedIndex;
    const auto& drivers = scan->inventory.drivers;
    const DriverFileFilter include;
    for (int i = 0; i < drivers.size(); ++i) {
        if (isAborted()) {
            qCInfo(lcBackup) << "Create backup stopped";
            return false;
        }
        const Hrdw::Driver& driver = *drivers.at(i);
        QList<Flow::Shared<Hrdw::Hardware>> hardware;
        for (const Flow::Weak<Hrdw::Hardware>& weak : driver.hardware) {
            if (auto strong = weak.lock()) {
                hardware.append(strong);
            }
        }
        if (driver.hardware.empty() || !driver.hardware.front().lock()) {
            continue;
        }
        progress(static_cast<int>(qint64(weight()) * i / drivers.size()), QString());
        const DriverPackage package = DriverPackage::ofInstalledDriver(driver);
        if (package.id.isEmpty()) {
            continue;
        }
        // The same INF in a second folder: its files are already saved under the id.
        if (savedIndex.contains(package.id)) {
            BackupDriver& known = saved[savedIndex.value(package.id)];
            for (const auto& item : hardware) {
                known.hardware.append(savedHardware(*item));
            }
            continue;
        }
        const QString folder = QFileInfo(driver.infPath).absolutePath();
        const auto filter = [&include, &folder](const std::string& relative) {
            return include(folder + QLatin1Char('/') + QString::fromStdString(relative));
        };
        if (!writer.addFolder(folder.toStdString(), (package.id + QLatin1Char('/')).toStdString(),
                              filter, error)) {
            if (isAborted()) {
                qCInfo(lcBackup) << "Create backup stopped";
                return false;
            }
            qCWarning(lcBackup).noquote()
                << "Backup skips" << driver.infPath << ":" << QString::fromStdString(error);
            continue;
        }
        BackupDriver record;
        record.id = package.id;
        record.inf = package.inf;
        record.provider = driver.provider;
        record.version = driver.version;
        record.date = driver.date.toString(QStringLiteral("yyyy-MM-dd"));
        for (const auto& item : hardware) {
            record.hardware.append(savedHardware(*item));
        }
        savedIndex.insert(record.id, saved.size());
        saved.append(record);
        m_model->addSaved(record);
    }
    if (!writer.addEntry("info", BackupInfo::write(saved).toStdString(), error) ||
        !writer.commit(error)) {
        if (isAborted()) {
            qCInfo(lcBackup) << "Create backup stopped";
        } else {
            qCWarning(lcBackup).noquote() << "Backup not written:" << QString::fromStdString(error);
        }
        return false;
    }
    progress(weight(), QString());
    return true;
}

}  // namespace Qln::Backup

#include "backup/backupmodel.h"

namespace Qln::Backup {

BackupModel::BackupModel(const QString& archivePath, const QList<BackupDriver>& drivers,
                         QObject* parent)
    : QObject(parent), m_archivePath(archivePath), m_drivers(drivers) {
    qRegisterMetaType<Qln::Backup::BackupDriver>();
}

QString BackupModel::archivePath() const {
    QMutexLocker lock(&m_mutex);
    return m_archivePath;
}

QList<BackupDriver> BackupModel::drivers() const {
    QMutexLocker lock(&m_mutex);
    return m_drivers;
}

void BackupModel::addSaved(const BackupDriver& driver) {
    {
        QMutexLocker lock(&m_mutex);
        m_drivers.append(driver);
    }
    emit Packed(driver, 0);
}

void BackupModel::clear(const QString& archivePath) {
    QMutexLocker lock(&m_mutex);
    m_archivePath = archivePath;
    m_drivers.clear();
}

}  // namespace Qln::Backup

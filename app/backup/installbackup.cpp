#include "backup/installbackup.h"

#include <QFileInfo>

namespace Qln {

InstallBackup::InstallBackup(const Backup::BackupDriver& driver, int hardwareIndex,
                             const QString& archivePath, QObject* parent)
    : InstallSource(parent),
      m_driver(driver),
      m_hardwareIndex(hardwareIndex),
      m_archivePath(archivePath) {}

QString InstallBackup::name() const {
    return m_hardwareIndex >= 0 && m_hardwareIndex < m_driver.hardware.size()
               ? m_driver.hardware.at(m_hardwareIndex).name
               : QString();
}

QString InstallBackup::hardwareId() const {
    return m_hardwareIndex >= 0 && m_hardwareIndex < m_driver.hardware.size()
               ? m_driver.hardware.at(m_hardwareIndex).id
               : QString();
}

DriverPackage InstallBackup::unpacked() const {
    QMutexLocker lock(&m_mutex);
    return m_unpacked;
}

void InstallBackup::setUnpacked(const DriverPackage& package) {
    QMutexLocker lock(&m_mutex);
    m_unpacked = package;
}

InstallRequest InstallBackup::installRequest() const {
    const DriverPackage package = unpacked();
    InstallRequest request;
    request.infSha1 = m_driver.id;
    request.infPath = m_driver.inf;
    request.hardwareId = hardwareId();
    // The folder the INF's name is relative to: the one that holds it when the name is bare.
    request.tempDir = package.path.endsWith(QLatin1Char('/') + m_driver.inf)
                          ? package.path.left(package.path.size() - m_driver.inf.size() - 1)
                          : QFileInfo(package.path).path();
    request.rollback = m_firstPass;
    return request;
}

void InstallBackup::setResult(const InstallResult& result) {
    // The first pass puts the saved driver back with rollback set; the second installs it.
    if (result.succeeded() && m_firstPass.exchange(false)) {
        // When its second turn was taken out of the queue it will not come. Under the lock,
        // so the two posts cannot cross.
        QMutexLocker lock(&m_mutex);
        state()->postStatus(m_dropped ? InstallState::Normal : InstallState::Waiting);
        return;
    }
    InstallSource::setResult(result);
}

void InstallBackup::dropped() {
    QMutexLocker lock(&m_mutex);
    m_dropped = true;
    InstallSource::dropped();
}

}  // namespace Qln

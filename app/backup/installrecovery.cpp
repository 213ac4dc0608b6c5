#include "backup/installrecovery.h"

#include <QDebug>
#include <QFileInfo>
#include <QMutexLocker>

#include "base/logcategories.h"
#include "hardware/systemactions.h"

namespace Qln {

InstallRecovery::InstallRecovery(const Fields& fields, QObject* parent)
    : InstallSource(parent),
      m_changes(new DriverChanges(fields.changes, this)),
      m_package(fields.package),
      m_hardwareId(fields.hardwareId) {}

InstallRecovery::Fields InstallRecovery::fields() const {
    return {m_package, m_hardwareId, m_changes->fields()};
}

DriverPackage InstallRecovery::unpacked() const {
    QMutexLocker lock(&m_mutex);
    return m_unpacked;
}

void InstallRecovery::setUnpacked(const DriverPackage& package) {
    QMutexLocker lock(&m_mutex);
    m_unpacked = package;
}

void InstallRecovery::showInExplorer() const {
    qDebug().noquote() << "Show in explorer:" << m_changes->driver()->name();
    System::showInExplorer(m_package.path);
}

InstallRequest InstallRecovery::installRequest() const {
    const DriverPackage package = unpacked();
    InstallRequest request;
    request.infSha1 = package.id;
    request.infPath = package.inf;
    request.hardwareId = m_hardwareId;
    request.tempDir = QFileInfo(package.path).absolutePath();
    request.rollback = true;
    return request;
}

void InstallRecovery::handleResult(const InstallResult& result) {
    if (result.succeeded()) {
        emit RolledBack(this);
        return;
    }
    qCWarning(lcBackup).noquote() << "Recovery failed:" << m_changes->driver()->name()
                                  << result.systemErrorCode << result.errorCode;
}

}  // namespace Qln

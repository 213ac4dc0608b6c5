#include "backup/installrecovery.h"

#include <QDebug>
#include <QFileInfo>
#include <QMutexLocker>

#include "backup/recoveryfiles.h"
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

void InstallRecovery::setFiles(Flow::Shared<RecoveryFiles> files) {
    QMutexLocker lock(&m_mutex);
    m_files = std::move(files);
}

DriverChanges::Fields InstallRecovery::rolledBackEntry() const {
    QMutexLocker lock(&m_mutex);
    return m_rolledBackEntry;
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
        DriverChanges::Fields entry;
        entry.driver = m_changes->driver()->fields();
        entry.changesDate = QDate::currentDate();
        Flow::Shared<RecoveryFiles> files;
        {
            QMutexLocker lock(&m_mutex);
            m_rolledBackEntry = entry;
            files = m_files;
        }
        QString error;
        if (files && !files->recordRollback(fields(), entry, &error)) {
            qCWarning(lcBackup).noquote() << "Recovery not recorded:" << error;
        }
        emit RolledBack(this);
        return;
    }
    qCWarning(lcBackup).noquote() << "Recovery failed:" << m_changes->driver()->name()
                                  << result.systemErrorCode << result.errorCode;
}

}  // namespace Qln

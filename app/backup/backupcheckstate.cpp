#include "backup/backupcheckstate.h"

#include "backup/backupmodel.h"

namespace Qln::Backup {

CheckState::CheckState(QObject* parent) : QObject(parent) {
    qRegisterMetaType<Flow::Shared<Qln::Backup::BackupModel>>();
    qRegisterMetaType<Qln::BackupArchModel>();
}

QString CheckState::path() const {
    QMutexLocker lock(&m_mutex);
    return m_path;
}

void CheckState::setPath(const QString& path) {
    QMutexLocker lock(&m_mutex);
    m_path = path;
}

Flow::Shared<BackupModel> CheckState::model() const {
    QMutexLocker lock(&m_mutex);
    return m_model;
}

void CheckState::setModel(Flow::Shared<BackupModel> model) {
    QMutexLocker lock(&m_mutex);
    m_model = std::move(model);
}

}  // namespace Qln::Backup

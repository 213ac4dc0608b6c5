#include "backup/recoverywrapper.h"

#include <QDebug>

#include "backup/installrecovery.h"
#include "backup/recoverytask.h"
#include "hardware/installer.h"

namespace Qln {

RecoveryWrapper::RecoveryWrapper(Flow::Shared<Installer> installer, const QString& workingFolder)
    : m_installer(std::move(installer)), m_workingFolder(workingFolder) {}

// The tasks' runs hold what they use; destroying a task cuts its run off without waiting.
RecoveryWrapper::~RecoveryWrapper() = default;

void RecoveryWrapper::start(const Flow::Shared<InstallRecovery>& item) {
    qDebug().noquote() << "Recovery:" << item->changes()->driver()->name();
    RecoveryTask* task = nullptr;
    for (const std::unique_ptr<RecoveryTask>& candidate : m_tasks) {
        if (!candidate->isRunning()) {
            task = candidate.get();
            break;
        }
    }
    if (!task) {
        m_tasks.push_back(std::make_unique<RecoveryTask>(m_installer, m_workingFolder));
        task = m_tasks.back().get();
    }
    item->state()->postStatus(InstallState::Waiting);
    task->start(item);
}

}  // namespace Qln

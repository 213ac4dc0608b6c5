#include "backup/recoverytask.h"

#include "backup/recoveryinstaller.h"

namespace Qln {

RecoveryTask::RecoveryTask(Flow::Shared<Installer> installer, const QString& workingFolder,
                           QObject* parent)
    : Task(parent) {
    chain().add(std::make_shared<RecoveryInstaller>(std::move(installer), workingFolder));
}

}  // namespace Qln

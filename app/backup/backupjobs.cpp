#include "backup/backupjobs.h"

#include "backup/backupchecker.h"
#include "backup/backupcheckstate.h"
#include "backup/backupcreator.h"
#include "backup/backupmodel.h"
#include "backup/backupreader.h"
#include "backup/backupsinstaller.h"
#include "backup/backupviewmodel.h"
#include "backup/installbackup.h"
#include "base/task.h"
#include "hardware/devicescanner.h"

namespace Qln {

BackupJobs::BackupJobs(Flow::Shared<Installer> installer, const QString& unpackFolder,
                       bool includeSystemDevices, Flow::Shared<Utils::GAnalytics> analytics,
                       QObject* parent)
    : QObject(parent),
      m_model(new BackupViewModel(this)),
      m_created(std::make_shared<Backup::BackupModel>()),
      m_checkState(std::make_shared<Backup::CheckState>()),
      m_creator(new Task(this)),
      m_initiator(new Task(this)),
      m_installer(new Task(this)) {
    m_creatorStep = std::make_shared<Backup::Creator>(m_created);
    m_creator->chain().add(std::make_shared<DeviceScanner>(includeSystemDevices));
    m_creator->chain().add(m_creatorStep);
    connect(m_created.get(), &Backup::BackupModel::Packed, m_model, &BackupViewModel::OnPacked);

    m_initiator->chain().add(std::make_shared<Backup::Reader>(m_checkState));
    m_initiator->chain().add(std::make_shared<DeviceScanner>(includeSystemDevices));
    m_initiator->chain().add(std::make_shared<Backup::Checker>(m_checkState));
    connect(m_checkState.get(), &Backup::CheckState::SetModel, m_model,
            &BackupViewModel::OnSetModel);
    connect(m_checkState.get(), &Backup::CheckState::SetModel, this,
            [this](Flow::Shared<Backup::BackupModel> model, BackupArchModel arch) {
                m_checkedModel = std::move(model);
                m_checked = std::move(arch);
            });

    m_installer->chain().add(
        std::make_shared<BackupsInstaller>(std::move(installer), unpackFolder, analytics));
}

void BackupJobs::beginCreate(const QString& path) {
    if (m_creator->isRunning()) {
        return;
    }
    m_model->clearPacked();
    m_creatorStep->setPath(path);
    m_creator->start();
}

void BackupJobs::stopCreate() {
    // The archive is written beside the path and put there only when complete: nothing to
    // delete.
    if (m_creator->isRunning()) {
        m_creator->abort();
    }
}

void BackupJobs::beginRead(const QString& path) {
    if (m_initiator->isRunning()) {
        return;
    }
    m_model->clearCheck();
    m_checked = BackupArchModel();
    m_checkedModel.reset();
    m_checkState->setPath(path);
    m_initiator->start();
}

void BackupJobs::stopRead() {
    if (m_initiator->isRunning()) {
        m_initiator->abort();
    }
}

void BackupJobs::beginInstall() {
    if (m_installer->isRunning()) {
        return;
    }
    m_installer->start(std::make_shared<BackupInstallList>(m_model->rebuildInstallList()));
}

void BackupJobs::stopInstall() {
    if (m_installer->isRunning()) {
        m_installer->abort();
    }
}

}  // namespace Qln

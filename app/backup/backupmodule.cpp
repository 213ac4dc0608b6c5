#include "backup/backupmodule.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include "backup/backupchecker.h"
#include "backup/backupcheckstate.h"
#include "backup/backupcreator.h"
#include "backup/backupmodel.h"
#include "backup/backupreader.h"
#include "backup/backupsinstaller.h"
#include "backup/backupviewmodel.h"
#include "backup/installbackup.h"
#include "hardware/devicescanner.h"

namespace Qln {

BackupModule::BackupModule(Flow::Shared<Configuration> configuration, QObject* parent)
    : Module(QStringLiteral("backup"), tr("CloudBackupTitle"),
             QStringLiteral("../Resources/Images/Modules/backup.svg"),
             QStringLiteral("qrc:///View/Modules/BackupModule.qml"), parent),
      m_configuration(std::move(configuration)),
      m_model(new BackupViewModel(this)),
      m_created(std::make_shared<Backup::BackupModel>()),
      m_checkState(std::make_shared<Backup::CheckState>()),
      m_creator(new Task(this)),
      m_initiator(new Task(this)),
      m_installer(new Task(this)) {
    const Flow::Shared<Environment>& environment = m_configuration->environment;
    const bool systemDevices = environment && environment->checkSystemDevices();
    const QString unpackDir = environment ? environment->unpackDir()
                                          : Environment::appDataDir() + QStringLiteral("/Unpack");

    m_creatorStep = std::make_shared<Backup::Creator>(m_created);
    m_creator->chain().add(std::make_shared<DeviceScanner>(systemDevices));
    m_creator->chain().add(m_creatorStep);
    connect(m_created.get(), &Backup::BackupModel::Packed, m_model, &BackupViewModel::OnPacked);
    connect(m_creator, &Task::finished, this, &BackupModule::refreshFileInfo);

    m_initiator->chain().add(std::make_shared<Backup::Reader>(m_checkState));
    m_initiator->chain().add(std::make_shared<DeviceScanner>(systemDevices));
    m_initiator->chain().add(std::make_shared<Backup::Checker>(m_checkState));
    connect(m_checkState.get(), &Backup::CheckState::SetModel, m_model,
            &BackupViewModel::OnSetModel);

    m_installer->chain().add(std::make_shared<BackupsInstaller>(
        m_configuration->installer, unpackDir, m_configuration->analytics));

    setPath(environment ? environment->backupArchivePath()
                        : Environment::defaultBackupArchivePath());
}

BackupModule::~BackupModule() {
    if (m_configuration->environment) {
        m_configuration->environment->setBackupArchivePath(m_path);
    }
}

bool BackupModule::validPath(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && info.dir().exists() && info.suffix() == QLatin1String("qlb") &&
           !info.completeBaseName().isEmpty();
}

void BackupModule::setPath(const QString& path) {
    m_path = path;
    m_validPath = validPath(path);
    m_exists = QFileInfo(path).isFile();
    emit pathChanged();
    emit existsChanged();
}

QUrl BackupModule::url() const {
    return QUrl::fromLocalFile(m_path);
}

void BackupModule::setUrl(const QUrl& url) {
    setPath(url.toLocalFile());
}

QUrl BackupModule::folder() const {
    return QUrl::fromLocalFile(QFileInfo(m_path).path());
}

QString BackupModule::fileName() const {
    return QFileInfo(m_path).fileName();
}

void BackupModule::refreshFileInfo() {
    m_exists = QFileInfo(m_path).isFile();
    emit existsChanged();
}

void BackupModule::beginCreate() {
    qDebug() << "Begin create";
    if (m_creator->isRunning()) {
        return;
    }
    m_model->clearPacked();
    m_creatorStep->setPath(m_path);
    m_creator->start();
}

void BackupModule::stopCreate() {
    qDebug() << "Stop create";
    // The archive is written beside the path and put there only when complete, so stopping
    // leaves an earlier backup at the path as it was: nothing to delete.
    if (m_creator->isRunning()) {
        m_creator->abort();
    }
}

void BackupModule::beginRead() {
    qDebug() << "Begin read backup";
    if (m_initiator->isRunning()) {
        return;
    }
    m_model->clearCheck();
    m_checkState->setPath(m_path);
    m_initiator->start();
}

void BackupModule::stopRead() {
    qDebug() << "Stop read backup";
    if (m_initiator->isRunning()) {
        m_initiator->abort();
    }
}

void BackupModule::beginInstall() {
    qDebug() << "Begin install";
    if (m_installer->isRunning()) {
        return;
    }
    m_installer->start(std::make_shared<BackupInstallList>(m_model->rebuildInstallList()));
}

void BackupModule::stopInstall() {
    qDebug() << "Stop install";
    if (m_installer->isRunning()) {
        m_installer->abort();
    }
}

}  // namespace Qln

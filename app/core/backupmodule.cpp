#include "core/backupmodule.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include "backup/backupjobs.h"

namespace Qln {

BackupModule::BackupModule(Flow::Shared<Configuration> configuration, QObject* parent)
    : Module(QStringLiteral("backup"), tr("CloudBackupTitle"),
             QStringLiteral("../Resources/Images/Modules/backup.svg"),
             QStringLiteral("qrc:///View/Modules/BackupModule.qml"), parent),
      m_configuration(std::move(configuration)) {
    const Flow::Shared<Environment>& environment = m_configuration->environment;
    const bool systemDevices = environment && environment->checkSystemDevices();
    const QString unpackDir = environment ? environment->unpackDir()
                                          : Environment::appDataDir() + QStringLiteral("/Unpack");
    m_jobs = new BackupJobs(m_configuration->installer, unpackDir, systemDevices,
                            m_configuration->analytics, this);
    connect(m_jobs->creator(), &Task::finished, this, &BackupModule::refreshFileInfo);

    setPath(environment ? environment->backupArchivePath()
                        : Environment::defaultBackupArchivePath());
}

BackupModule::~BackupModule() {
    if (m_configuration->environment) {
        m_configuration->environment->setBackupArchivePath(m_path);
    }
}

Task* BackupModule::creator() const {
    return m_jobs->creator();
}

Task* BackupModule::initiator() const {
    return m_jobs->initiator();
}

Task* BackupModule::installer() const {
    return m_jobs->installer();
}

BackupViewModel* BackupModule::model() const {
    return m_jobs->model();
}

bool BackupModule::validPath(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && info.dir().exists() && info.suffix() == QLatin1String("qlb") &&
           !info.completeBaseName().isEmpty();
}

void BackupModule::setPath(const QString& path) {
    m_path = path;
    m_validPath = validPath(path);
    emit pathChanged();
    refreshFileInfo();
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
    m_jobs->beginCreate(m_path);
}

void BackupModule::stopCreate() {
    qDebug() << "Stop create";
    m_jobs->stopCreate();
}

void BackupModule::beginRead() {
    qDebug() << "Begin read backup";
    m_jobs->beginRead(m_path);
}

void BackupModule::stopRead() {
    qDebug() << "Stop read backup";
    m_jobs->stopRead();
}

void BackupModule::beginInstall() {
    qDebug() << "Begin install";
    m_jobs->beginInstall();
}

void BackupModule::stopInstall() {
    qDebug() << "Stop install";
    m_jobs->stopInstall();
}

}  // namespace Qln

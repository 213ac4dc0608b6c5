#include "backup/backupreader.h"

#include "backup/backupcheckstate.h"
#include "backup/backupinfo.h"
#include "backup/backupmodel.h"
#include "base/logcategories.h"
#include "formats/zip.h"

namespace Qln::Backup {

Reader::Reader(Flow::Shared<CheckState> state) : Flow::Worker(10), m_state(std::move(state)) {}

bool Reader::work(Flow::Shared<QObject>&) {
    m_state->setModel(nullptr);
    const QString path = m_state->path();
    std::string bytes;
    std::string error;
    // One byte over the bound tells an entry that is too large from one that just fits.
    if (!formats::readZipEntry(path.toStdString(), "info", BackupInfo::kMaxBytes + 1, bytes,
                               error)) {
        qCWarning(lcBackup).noquote()
            << "Backup not read:" << path << QString::fromStdString(error);
        return false;
    }
    QList<BackupDriver> drivers;
    QString fault;
    if (!BackupInfo::read(QByteArray::fromStdString(bytes), drivers, fault)) {
        qCWarning(lcBackup).noquote() << "Backup not read:" << path << fault;
        return false;
    }
    m_state->setModel(std::make_shared<BackupModel>(path, drivers));
    progress(10, QString());
    return true;
}

}  // namespace Qln::Backup

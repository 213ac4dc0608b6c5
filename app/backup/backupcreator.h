#pragma once

#include <QMutex>
#include <QString>

#include "base/worker.h"

namespace Qln::Backup {

class BackupModel;

// Packs every driver of the scan into one archive at the path given before the run: each
// driver's folder under its id, then "info". The archive replaces the file at the path only
// once complete, so a stopped or failed run leaves an earlier backup there as it was.
class Creator : public Flow::Worker {
public:
    explicit Creator(Flow::Shared<BackupModel> model);

    void setPath(const QString& path);
    bool work(Flow::Shared<QObject>& data) override;

private:
    Flow::Shared<BackupModel> m_model;
    mutable QMutex m_mutex;
    QString m_path;
};

}  // namespace Qln::Backup

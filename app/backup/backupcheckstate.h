#pragma once

#include <QMutex>
#include <QObject>
#include <QString>

#include "backup/backuparchmodel.h"
#include "base/shared.h"

namespace Qln::Backup {

class BackupModel;

// What the steps of one check share: the archive to read, the model the reader made, and the
// line to the view model, so that no step ever touches an object of the GUI thread.
class CheckState : public QObject {
    Q_OBJECT

public:
    explicit CheckState(QObject* parent = nullptr);

    QString path() const;
    void setPath(const QString& path);
    Flow::Shared<BackupModel> model() const;
    void setModel(Flow::Shared<BackupModel> model);

signals:
    // From the checker's thread; reaches BackupViewModel::OnSetModel on the GUI thread.
    void SetModel(Flow::Shared<Qln::Backup::BackupModel> model, Qln::BackupArchModel arch);

private:
    mutable QMutex m_mutex;
    QString m_path;
    Flow::Shared<BackupModel> m_model;
};

}  // namespace Qln::Backup

Q_DECLARE_METATYPE(Flow::Shared<Qln::Backup::BackupModel>)

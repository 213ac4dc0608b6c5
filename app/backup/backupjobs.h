#pragma once

#include <QObject>
#include <QString>

#include "backup/backuparchmodel.h"
#include "base/shared.h"

namespace Utils {
class GAnalytics;
}

namespace Qln {

namespace Backup {
class BackupModel;
class CheckState;
class Creator;
}  // namespace Backup
class BackupViewModel;
class Installer;
class Task;

// The three jobs of a backup archive, whoever asks for them (the backup page, the console
// program): save every driver into one archive, compare an archive with the machine, and
// restore the chosen drivers. The view model holds what they found.
class BackupJobs : public QObject {
    Q_OBJECT

public:
    BackupJobs(Flow::Shared<Installer> installer, const QString& unpackFolder,
               bool includeSystemDevices, Flow::Shared<Utils::GAnalytics> analytics,
               QObject* parent = nullptr);

    Task* creator() const { return m_creator; }
    Task* initiator() const { return m_initiator; }
    Task* installer() const { return m_installer; }
    BackupViewModel* model() const { return m_model; }
    // What the last check found, by group, as indexes into its model's drivers.
    const BackupArchModel& checked() const { return m_checked; }
    Flow::Shared<Backup::BackupModel> checkedModel() const { return m_checkedModel; }

    // Each does nothing while its job runs already.
    void beginCreate(const QString& path);
    void beginRead(const QString& path);
    // Restores the rows of the last check that are chosen.
    void beginInstall();
    // Stopping a creation leaves an earlier archive at the path as it was.
    void stopCreate();
    void stopRead();
    void stopInstall();

private:
    BackupViewModel* m_model;
    Flow::Shared<Backup::BackupModel> m_created;
    Flow::Shared<Backup::Creator> m_creatorStep;
    Flow::Shared<Backup::CheckState> m_checkState;
    Task* m_creator;
    Task* m_initiator;
    Task* m_installer;
    BackupArchModel m_checked;
    Flow::Shared<Backup::BackupModel> m_checkedModel;
};

}  // namespace Qln

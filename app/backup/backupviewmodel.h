#pragma once

#include <QList>
#include <QObject>

#include "backup/backuparchmodel.h"
#include "backup/backupdriver.h"
#include "base/shared.h"

namespace Qln {

namespace Backup {
class BackupModel;
}
class BackupItemViewModel;
class BackupSelectViewModel;
class InstallBackup;

// What the backup pages show: the drivers packed by a creation, the rows a check found, and
// the list being restored.
class BackupViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<QObject*> packed READ packed NOTIFY packedChanged)
    Q_PROPERTY(QList<QObject*> others READ others NOTIFY backupChanged)
    Q_PROPERTY(QList<QObject*> backup READ backup NOTIFY backupChanged)
    Q_PROPERTY(bool selectAll READ selectAll WRITE setSelectAll NOTIFY selectAllChanged)
    Q_PROPERTY(bool noSelect READ noSelect NOTIFY noSelectChanged)
    Q_PROPERTY(QList<QObject*> installList READ installList NOTIFY installChanged)

public:
    explicit BackupViewModel(QObject* parent = nullptr);
    ~BackupViewModel() override;

    QList<QObject*> packed() const;
    QList<QObject*> others() const;
    QList<QObject*> backup() const;
    bool selectAll() const { return m_selectAll; }
    void setSelectAll(bool selectAll);
    bool noSelect() const { return m_noSelect; }
    QList<QObject*> installList() const;

    void clearPacked();
    // Forgets the check's rows and the archive they came from.
    void clearCheck();
    // The archive the check rows belong to; empty before a check.
    QString archivePath() const;
    // Makes the install list anew from the chosen rows; the previous items are released.
    QList<Flow::Shared<InstallBackup>> rebuildInstallList();

public slots:
    void OnSetModel(Flow::Shared<Qln::Backup::BackupModel> model, Qln::BackupArchModel arch);
    void OnPacked(const Qln::Backup::BackupDriver& driver, int hardwareIndex);
    void oneSelectChanged();

signals:
    void packedChanged();
    void backupChanged();
    void installChanged();
    void selectAllChanged();
    void noSelectChanged();

private:
    void setFlags(bool selectAll, bool noSelect);

    QList<BackupItemViewModel*> m_packed;
    QList<BackupSelectViewModel*> m_backup;
    QList<BackupItemViewModel*> m_others;
    QList<Flow::Shared<InstallBackup>> m_installList;
    Flow::Shared<Backup::BackupModel> m_model;
    bool m_selectAll = true;
    bool m_noSelect = false;
};

}  // namespace Qln

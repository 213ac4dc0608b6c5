#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include "backup/backupdriver.h"

namespace Qln::Backup {

// One backup archive's drivers, shared by the steps of one task. The creator fills it while
// it packs; the reader makes a new one from an archive's "info".
class BackupModel : public QObject {
    Q_OBJECT

public:
    explicit BackupModel(const QString& archivePath = {}, const QList<BackupDriver>& drivers = {},
                         QObject* parent = nullptr);

    QString archivePath() const;
    QList<BackupDriver> drivers() const;

    // A driver saved by the creator; announced with its first hardware through `Packed`.
    void addSaved(const BackupDriver& driver);
    void clear(const QString& archivePath);

signals:
    // From the creator's thread; the view model turns it into a row on its own.
    void Packed(const Qln::Backup::BackupDriver& driver, int hardwareIndex);

private:
    mutable QMutex m_mutex;
    QString m_archivePath;
    QList<BackupDriver> m_drivers;
};

}  // namespace Qln::Backup

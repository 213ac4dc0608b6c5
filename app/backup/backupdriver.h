#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

namespace Qln::Backup {

// One hardware that used a saved driver at backup time.
struct BackupHardware {
    QString id;  // the matching hardware id
    QString name;
    QString className;
    QString manufacturer;
    QStringList devices;  // instance ids
};

// One driver saved in a backup archive, under the folder named by its id.
struct BackupDriver {
    QString id;   // lower-case SHA-1 of the INF
    QString inf;  // INF name within the saved folder
    QString provider;
    QString version;
    QString date;  // yyyy-MM-dd
    QList<BackupHardware> hardware;
};

}  // namespace Qln::Backup

Q_DECLARE_METATYPE(Qln::Backup::BackupDriver)

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "backup/backupdriver.h"

namespace Qln::Backup {

// The archive's "info" entry: a JSON array of the saved drivers.
class BackupInfo {
public:
    // Larger is not a list of one machine's drivers.
    static constexpr int kMaxBytes = 16 * 1024 * 1024;

    static QByteArray write(const QList<BackupDriver>& drivers);
    // False, with the fault in error, unless the text is an array of driver objects whose ids
    // are package ids and whose INF names are safe relative names (both become paths).
    static bool read(const QByteArray& text, QList<BackupDriver>& drivers, QString& error);
};

}  // namespace Qln::Backup

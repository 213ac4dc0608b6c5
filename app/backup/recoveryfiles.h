#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "backup/driverchanges.h"
#include "backup/installrecovery.h"

namespace Qln {

// The recovery and history files: UTF-8 text, one record per line, fields separated by commas.
// Every change writes the whole file beside and renames it over the old one, so a crash at any
// moment leaves the old or the new file, and lines this program cannot read are kept as they
// are. All instances share one lock, so threads never lose each other's lines.
class RecoveryFiles {
public:
    RecoveryFiles(const QString& recoveryPath, const QString& historyPath,
                  const QString& archiveFolder);
    RecoveryFiles(const RecoveryFiles&) = delete;
    RecoveryFiles& operator=(const RecoveryFiles&) = delete;

    QString recoveryPath() const { return m_recoveryPath; }
    QString historyPath() const { return m_historyPath; }
    QString archiveFolder() const { return m_archiveFolder; }

    // In file order; a missing file gives none, and so does an unreadable one, with error set.
    QList<InstallRecovery::Fields> readRecovery(QString* error = nullptr) const;
    QList<DriverChanges::Fields> readHistory(QString* error = nullptr) const;

    // The files are created when missing; false, with the file unchanged, when it cannot be
    // read or written.
    bool appendRecovery(const QList<InstallRecovery::Fields>& points, QString* error = nullptr);
    bool appendHistory(const QList<DriverChanges::Fields>& entries, QString* error = nullptr);
    // Removes the first line that records this point and no other; true when no line does.
    bool removeRecovery(const InstallRecovery::Fields& point, QString* error = nullptr);

    // What a successful rollback leaves: its history line, its own recovery line gone, and its
    // archive deleted once no remaining line names it. Each step is a whole file; the first
    // that fails ends it.
    bool recordRollback(const InstallRecovery::Fields& point, const DriverChanges::Fields& entry,
                        QString* error = nullptr);

    // Turns the INI records of program versions before 1.2.0 into lines of the recovery file
    // (those in the archive folder) and of the history file (those in the download folder),
    // both in appDataFolder, oldest first, then deletes the INI files; the archives stay.
    // A file counts as such a record only beside its archive (its name + ".zip").
    static bool migrateLegacy(const QString& archiveFolder, const QString& downloadFolder,
                              const QString& appDataFolder, QString* error = nullptr);

    // The line format both files share. A field holding a comma or a double quote, or beginning
    // with a byte-order mark, is enclosed in double quotes, and a double quote inside is doubled;
    // line breaks become spaces.
    static QString joinFields(const QStringList& fields);
    // Also reads the lines of earlier versions, which enclosed fields holding a comma and wrote
    // double quotes inside unchanged.
    static QStringList splitLine(const QString& line);
    static QStringList historyFields(const DriverChanges::Fields& entry);
    // Fewer than 7 fields give an empty entry.
    static DriverChanges::Fields parseHistory(const QStringList& fields);
    static QStringList recoveryFields(const InstallRecovery::Fields& point);
    // False for fewer than 3 fields or an id that cannot name a file; fewer than 10 fields
    // give an empty driver.
    static bool parseRecovery(const QStringList& fields, const QString& archiveFolder,
                              InstallRecovery::Fields& point);

private:
    static bool appendLines(const QString& path, const QStringList& lines, QString* error);

    QString m_recoveryPath;
    QString m_historyPath;
    QString m_archiveFolder;
};

}  // namespace Qln

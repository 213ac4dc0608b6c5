#include "backup/recoveryfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <algorithm>
#include <mutex>

#include "formats/safename.h"

namespace Qln {

namespace {

// Far beyond any real history; a larger file is refused rather than read into memory.
constexpr qint64 kMaxFileBytes = qint64(64) << 20;
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

// One lock for every file of every instance: changes are read, modify, write. Recursive, so
// that a rollback's three changes are made under one hold.
std::recursive_mutex& filesMutex() {
    static std::recursive_mutex mutex;
    return mutex;
}

using FilesLock = std::lock_guard<std::recursive_mutex>;

void setError(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
}

// The lines of the file as bytes, without line ends and blank lines; none when it is missing.
bool readLines(const QString& path, QList<QByteArray>& lines, QString* error) {
    lines.clear();
    QFile file(path);
    if (!file.exists()) {
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    if (file.size() > kMaxFileBytes) {
        setError(error, QStringLiteral("%1: larger than %2 bytes").arg(path).arg(kMaxFileBytes));
        return false;
    }
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    if (content.startsWith("\xEF\xBB\xBF")) {
        content.remove(0, 3);
    }
    for (QByteArray& line : content.split('\n')) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (!line.trimmed().isEmpty()) {
            lines.append(line);
        }
    }
    return true;
}

bool writeLines(const QString& path, const QList<QByteArray>& lines, QString* error) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        setError(error, QStringLiteral("%1: folder not created").arg(folder));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    for (const QByteArray& line : lines) {
        file.write(line);
        file.write(kLineEnd);
    }
    if (!file.commit()) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

QString isoDate(const QDate& date) {
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

// The whole line: QString::fromUtf8(QByteArray) would stop at a NUL, so a field holding one
// would read back cut short and its line would no longer be found.
QString lineText(const QByteArray& line) {
    return QString::fromUtf8(line.constData(), line.size());
}

// The fields of every line.
QList<QStringList> readRecords(const QString& path, QString* error) {
    QList<QByteArray> lines;
    {
        const FilesLock lock(filesMutex());
        readLines(path, lines, error);
    }
    QList<QStringList> records;
    for (const QByteArray& line : lines) {
        records.append(RecoveryFiles::splitLine(lineText(line)));
    }
    return records;
}

struct LegacyRecord {
    InstallRecovery::Fields point;
    QString iniPath;
};

// QSettings reads an unquoted value with commas as a list.
QString legacyText(const QSettings& ini, const QString& key) {
    const QVariant value = ini.value(key);
    return value.type() == QVariant::StringList ? value.toStringList().join(QStringLiteral(", "))
                                                : value.toString();
}

QDate legacyDate(const QSettings& ini, const QString& key) {
    const QVariant value = ini.value(key);
    const QDate date = value.toDate();
    return date.isValid() ? date : QDate::fromString(value.toString(), Qt::ISODate);
}

QList<LegacyRecord> legacyRecords(const QString& folder) {
    QList<LegacyRecord> records;
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) {
        return records;
    }
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (name.endsWith(QLatin1String(".zip"))) {
            continue;
        }
        // Only a record beside its archive: the download folder is the user's choice and may
        // hold anything.
        const QString archive = dir.filePath(name + QStringLiteral(".zip"));
        if (!QFileInfo(archive).isFile()) {
            continue;
        }
        QSettings ini(dir.filePath(name), QSettings::IniFormat);
        ini.setIniCodec("UTF-8");
        if (ini.status() != QSettings::NoError || !ini.contains(QStringLiteral("inf"))) {
            continue;
        }
        LegacyRecord record;
        record.iniPath = dir.filePath(name);
        record.point.package = {name, legacyText(ini, QStringLiteral("inf")), archive, true};
        record.point.hardwareId = legacyText(ini, QStringLiteral("hid"));
        DriverDescription::Fields& driver = record.point.changes.driver;
        driver.name = legacyText(ini, QStringLiteral("desc"));
        driver.category = legacyText(ini, QStringLiteral("cat"));
        driver.provider = legacyText(ini, QStringLiteral("prov"));
        driver.version = legacyText(ini, QStringLiteral("ver"));
        driver.date = legacyDate(ini, QStringLiteral("date"));
        driver.size = static_cast<quint64>(QFileInfo(archive).size());
        record.point.changes.changesDate = legacyDate(ini, QStringLiteral("cdate"));
        records.append(record);
    }
    std::stable_sort(records.begin(), records.end(),
                     [](const LegacyRecord& left, const LegacyRecord& right) {
                         return left.point.changes.changesDate < right.point.changes.changesDate;
                     });
    return records;
}

}  // namespace

RecoveryFiles::RecoveryFiles(const QString& recoveryPath, const QString& historyPath,
                             const QString& archiveFolder)
    : m_recoveryPath(recoveryPath), m_historyPath(historyPath), m_archiveFolder(archiveFolder) {}

QList<InstallRecovery::Fields> RecoveryFiles::readRecovery(QString* error) const {
    QList<InstallRecovery::Fields> points;
    for (const QStringList& fields : readRecords(m_recoveryPath, error)) {
        InstallRecovery::Fields point;
        if (parseRecovery(fields, m_archiveFolder, point)) {
            points.append(point);
        }
    }
    return points;
}

QList<DriverChanges::Fields> RecoveryFiles::readHistory(QString* error) const {
    QList<DriverChanges::Fields> entries;
    for (const QStringList& fields : readRecords(m_historyPath, error)) {
        entries.append(parseHistory(fields));
    }
    return entries;
}

bool RecoveryFiles::appendRecovery(const QList<InstallRecovery::Fields>& points, QString* error) {
    QStringList lines;
    for (const InstallRecovery::Fields& point : points) {
        lines.append(joinFields(recoveryFields(point)));
    }
    return appendLines(m_recoveryPath, lines, error);
}

bool RecoveryFiles::appendHistory(const QList<DriverChanges::Fields>& entries, QString* error) {
    QStringList lines;
    for (const DriverChanges::Fields& entry : entries) {
        lines.append(joinFields(historyFields(entry)));
    }
    return appendLines(m_historyPath, lines, error);
}

bool RecoveryFiles::appendLines(const QString& path, const QStringList& lines, QString* error) {
    const FilesLock lock(filesMutex());
    QList<QByteArray> content;
    if (!readLines(path, content, error)) {
        return false;
    }
    for (const QString& line : lines) {
        content.append(line.toUtf8());
    }
    return writeLines(path, content, error);
}

bool RecoveryFiles::removeRecovery(const InstallRecovery::Fields& point, QString* error) {
    const FilesLock lock(filesMutex());
    QList<QByteArray> lines;
    if (!readLines(m_recoveryPath, lines, error)) {
        return false;
    }
    // Compared as written: a line reads back to the point it was written from.
    const QString wanted = joinFields(recoveryFields(point));
    for (int index = 0; index < lines.size(); ++index) {
        InstallRecovery::Fields candidate;
        if (parseRecovery(splitLine(lineText(lines[index])), m_archiveFolder, candidate) &&
            joinFields(recoveryFields(candidate)) == wanted) {
            lines.removeAt(index);
            return writeLines(m_recoveryPath, lines, error);
        }
    }
    return true;
}

bool RecoveryFiles::recordRollback(const InstallRecovery::Fields& point,
                                   const DriverChanges::Fields& entry, QString* error) {
    const FilesLock lock(filesMutex());
    if (!appendHistory({entry}, error) || !removeRecovery(point, error)) {
        return false;
    }
    const QString archive = point.package.path;
    for (const InstallRecovery::Fields& other : readRecovery(error)) {
        if (QDir::cleanPath(other.package.path) == QDir::cleanPath(archive)) {
            return true;
        }
    }
    if (point.package.packed && QFile::exists(archive) && !QFile::remove(archive)) {
        setError(error, QStringLiteral("%1: not deleted").arg(archive));
        return false;
    }
    return true;
}

bool RecoveryFiles::migrateLegacy(const QString& archiveFolder, const QString& downloadFolder,
                                  const QString& appDataFolder, QString* error) {
    const QList<LegacyRecord> points = legacyRecords(archiveFolder);
    const QList<LegacyRecord> changes = legacyRecords(downloadFolder);
    if (points.isEmpty() && changes.isEmpty()) {
        return true;
    }
    RecoveryFiles files(QDir(appDataFolder).filePath(QStringLiteral("recovery")),
                        QDir(appDataFolder).filePath(QStringLiteral("history")), archiveFolder);
    QList<InstallRecovery::Fields> recoveryLines;
    for (const LegacyRecord& record : points) {
        recoveryLines.append(record.point);
    }
    QList<DriverChanges::Fields> historyLines;
    for (const LegacyRecord& record : changes) {
        historyLines.append(record.point.changes);
    }
    // The old records go only once their lines are safely written.
    if ((!recoveryLines.isEmpty() && !files.appendRecovery(recoveryLines, error)) ||
        (!historyLines.isEmpty() && !files.appendHistory(historyLines, error))) {
        return false;
    }
    for (const QList<LegacyRecord>* records : {&points, &changes}) {
        for (const LegacyRecord& record : *records) {
            QFile::remove(record.iniPath);
        }
    }
    return true;
}

QString RecoveryFiles::joinFields(const QStringList& fields) {
    QStringList written;
    for (QString field : fields) {
        field.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (field.contains(QLatin1Char('"'))) {
            field = QLatin1Char('"') + field.replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
                    QLatin1Char('"');
        } else if (field.contains(QLatin1Char(',')) || field.startsWith(QChar(0xFEFF))) {
            // Readers drop a byte-order mark at the start of a line, so it must not start one.
            field = QLatin1Char('"') + field + QLatin1Char('"');
        }
        written.append(field);
    }
    return written.join(QLatin1Char(','));
}

QStringList RecoveryFiles::splitLine(const QString& line) {
    const QChar quote(QLatin1Char('"'));
    const QChar comma(QLatin1Char(','));
    QStringList fields;
    int at = 0;
    const int size = line.size();
    for (;;) {
        if (at < size && line[at] == quote) {
            QString field;
            ++at;
            while (at < size) {
                if (line[at] != quote) {
                    field += line[at++];
                } else if (at + 1 < size && line[at + 1] == quote) {
                    field += quote;
                    at += 2;
                } else if (at + 1 == size || line[at + 1] == comma) {
                    ++at;
                    break;
                } else {
                    // Earlier versions wrote a quote inside a quoted field unchanged.
                    field += line[at++];
                }
            }
            fields.append(field);
        } else {
            int end = line.indexOf(comma, at);
            if (end < 0) {
                end = size;
            }
            fields.append(line.mid(at, end - at));
            at = end;
        }
        if (at < size && line[at] == comma) {
            ++at;
            continue;
        }
        return fields;
    }
}

QStringList RecoveryFiles::historyFields(const DriverChanges::Fields& entry) {
    const DriverDescription::Fields& driver = entry.driver;
    return {driver.name,
            driver.category,
            driver.provider,
            driver.version,
            isoDate(driver.date),
            QString::number(driver.size),
            isoDate(entry.changesDate)};
}

DriverChanges::Fields RecoveryFiles::parseHistory(const QStringList& fields) {
    DriverChanges::Fields entry;
    if (fields.size() < 7) {
        return entry;
    }
    entry.driver.name = fields[0];
    entry.driver.category = fields[1];
    entry.driver.provider = fields[2];
    entry.driver.version = fields[3];
    entry.driver.date = QDate::fromString(fields[4], Qt::ISODate);
    bool ok = false;
    const quint64 size = fields[5].toULongLong(&ok);
    entry.driver.size = ok ? size : 0;
    entry.changesDate = QDate::fromString(fields[6], Qt::ISODate);
    return entry;
}

QStringList RecoveryFiles::recoveryFields(const InstallRecovery::Fields& point) {
    return QStringList{point.package.id, point.package.inf, point.hardwareId} +
           historyFields(point.changes);
}

bool RecoveryFiles::parseRecovery(const QStringList& fields, const QString& archiveFolder,
                                  InstallRecovery::Fields& point) {
    // The id names the archive, which a successful rollback deletes.
    if (fields.size() < 3 || !formats::isSafeFileName(fields[0].toStdString())) {
        return false;
    }
    point.package.id = fields[0];
    point.package.inf = fields[1];
    point.package.path = archiveFolder + QLatin1Char('/') + fields[0] + QStringLiteral(".zip");
    point.package.packed = true;
    point.hardwareId = fields[2];
    point.changes = parseHistory(fields.mid(3));
    return true;
}

}  // namespace Qln

// The recovery and history files: the input read as a file of both kinds, and taken apart at
// 0x01 as the fields of one line to write. Whatever is read or written must read back as the
// same line, since a point is found again by its line.
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "backup/recoveryfiles.h"
#include "formats/safename.h"
#include "fuzzcheck.h"

using Qln::DriverChanges;
using Qln::InstallRecovery;
using Qln::RecoveryFiles;

namespace {

const QString kArchives = QStringLiteral("/archives");

// The files are read and written by path; one scratch folder per fuzzing process, in memory
// where there is such a folder: every change of a file is synced to disk.
QString scratchParent() {
    const QString memory = QStringLiteral("/dev/shm");
    return QFileInfo(memory).isDir() && QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
}

struct Scratch {
    Scratch()
        : folder(scratchParent() + QStringLiteral("/qln-recoveryfiles-fuzz-%1").arg(::getpid())) {
        QDir().mkpath(folder);
    }
    ~Scratch() { QDir(folder).removeRecursively(); }
    QString path(const char* name) const { return folder + QLatin1Char('/') + QLatin1String(name); }

    const QString folder;
};

const Scratch& scratch() {
    static const Scratch instance;
    return instance;
}

QString lineOf(const InstallRecovery::Fields& point) {
    return RecoveryFiles::joinFields(RecoveryFiles::recoveryFields(point));
}

QString lineOf(const DriverChanges::Fields& entry) {
    return RecoveryFiles::joinFields(RecoveryFiles::historyFields(entry));
}

template <typename Fields>
QStringList linesOf(const QList<Fields>& records) {
    QStringList lines;
    for (const Fields& record : records) {
        lines.append(lineOf(record));
    }
    return lines;
}

// Appended to files of their own, the records read back as they were, and the first point
// is found again and removed.
void writeAndReadBack(const QList<InstallRecovery::Fields>& points,
                      const QList<DriverChanges::Fields>& entries) {
    const QString recovery = scratch().path("recovery");
    const QString history = scratch().path("history");
    QFile::remove(recovery);
    QFile::remove(history);
    RecoveryFiles files(recovery, history, kArchives);
    QString error;
    FUZZ_CHECK(files.appendRecovery(points, &error));
    FUZZ_CHECK(files.appendHistory(entries, &error));
    FUZZ_CHECK(linesOf(files.readRecovery(&error)) == linesOf(points));
    FUZZ_CHECK(linesOf(files.readHistory(&error)) == linesOf(entries));
    if (!points.isEmpty()) {
        FUZZ_CHECK(files.removeRecovery(points.first(), &error));
        FUZZ_CHECK(files.readRecovery(&error).size() == points.size() - 1);
    }
    FUZZ_CHECK(error.isEmpty());
}

void readFile(const std::uint8_t* data, std::size_t size) {
    const QString input = scratch().path("input");
    {
        QFile file(input);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    RecoveryFiles files(input, input, kArchives);
    QString error;
    const QList<InstallRecovery::Fields> points = files.readRecovery(&error);
    const QList<DriverChanges::Fields> entries = files.readHistory(&error);
    FUZZ_CHECK(error.isEmpty());
    for (const InstallRecovery::Fields& point : points) {
        // The id becomes the archive's name, which a rollback deletes.
        FUZZ_CHECK(formats::isSafeFileName(point.package.id.toStdString()));
        FUZZ_CHECK(point.package.path ==
                   kArchives + QLatin1Char('/') + point.package.id + QStringLiteral(".zip"));
    }
    writeAndReadBack(points, entries);
}

void writeFields(const std::uint8_t* data, std::size_t size) {
    QStringList fields = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size))
                             .split(QChar(1), Qt::KeepEmptyParts);
    const QString line = RecoveryFiles::joinFields(fields);
    FUZZ_CHECK(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    for (QString& field : fields) {
        field.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    FUZZ_CHECK(RecoveryFiles::splitLine(line) == fields);
    QList<InstallRecovery::Fields> points;
    InstallRecovery::Fields point;
    if (RecoveryFiles::parseRecovery(fields, kArchives, point)) {
        points.append(point);
    }
    writeAndReadBack(points, {RecoveryFiles::parseHistory(fields)});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    readFile(data, size);
    writeFields(data, size);
    return 0;
}

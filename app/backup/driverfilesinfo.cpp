#include "backup/driverfilesinfo.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QVariant>
#include <algorithm>

#include "backup/driverfilefilter.h"
#include "formats/sha1.h"

namespace Qln {

DriverFilesInfo DriverFilesInfo::ofFolder(const QString& folder) {
    DriverFilesInfo info;
    const QDir root(folder);
    const DriverFileFilter include;
    QDirIterator walk(folder, QDir::Files | QDir::Hidden | QDir::System,
                      QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString path = walk.next();
        const QFileInfo file = walk.fileInfo();
        // A link could lead out of the driver's folder; the packer does not follow it either.
        if (file.isSymLink() || !include(path)) {
            continue;
        }
        info.files.insert(root.relativeFilePath(path), file.lastModified());
        info.size += file.size();
    }
    if (info.size > 0) {
        info.folder = root.absolutePath();
    }
    return info;
}

bool DriverFilesInfo::walkLess(const QString& left, const QString& right) {
    const QStringList a = left.split(QLatin1Char('/'));
    const QStringList b = right.split(QLatin1Char('/'));
    for (int i = 0; i < a.size() && i < b.size(); ++i) {
        const bool aFolder = i + 1 < a.size();
        const bool bFolder = i + 1 < b.size();
        if (aFolder != bFolder) {
            return aFolder;
        }
        if (a.at(i) != b.at(i)) {
            return a.at(i) < b.at(i);
        }
    }
    return a.size() < b.size();
}

QString DriverFilesInfo::contentHash(const std::atomic<bool>* cancel) const {
    if (folder.isEmpty()) {
        return QString();
    }
    QStringList paths = files.keys();
    std::sort(paths.begin(), paths.end(), walkLess);
    // The files are read straight into the digest: the same hash as of one file holding them
    // all, without writing a copy of every driver to disk first.
    formats::Sha1 digest;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (const QString& relative : paths) {
        QFile file(QDir(folder).filePath(relative));
        if (!file.open(QIODevice::ReadOnly)) {
            return QString();
        }
        for (;;) {
            if (cancel != nullptr && cancel->load()) {
                return QString();
            }
            const qint64 got = file.read(buffer.data(), buffer.size());
            if (got < 0) {
                return QString();
            }
            if (got == 0) {
                break;
            }
            digest.add(buffer.constData(), static_cast<size_t>(got));
        }
    }
    return QString::fromStdString(digest.hexDigest(false));
}

void DriverFilesInfo::registerType() {
    qRegisterMetaType<DriverFilesInfo>();
    qRegisterMetaTypeStreamOperators<DriverFilesInfo>("Qln::DriverFilesInfo");
}

namespace {

// Before any "backup.dat" is read: a record of an unknown type would make the whole file
// read as damaged.
void registerAtStart() {
    DriverFilesInfo::registerType();
}
Q_CONSTRUCTOR_FUNCTION(registerAtStart)

}  // namespace

QDataStream& operator<<(QDataStream& stream, const DriverFilesInfo& info) {
    QVariantMap files;
    for (auto it = info.files.cbegin(); it != info.files.cend(); ++it) {
        files.insert(it.key(), it.value());
    }
    return stream << info.folder << QVariant(files) << info.hash << QVariant(info.uploaded);
}

QDataStream& operator>>(QDataStream& stream, DriverFilesInfo& info) {
    QVariant files;
    QVariant uploaded;
    stream >> info.folder >> files >> info.hash >> uploaded;
    info.files.clear();
    const QVariantMap map = files.toMap();
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        info.files.insert(it.key(), it.value().toDateTime());
    }
    info.uploaded = uploaded.toBool();
    info.size = 0;
    return stream;
}

}  // namespace Qln

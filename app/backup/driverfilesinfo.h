#pragma once

#include <QDataStream>
#include <QDateTime>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <atomic>

namespace Qln {

// What the cloud upload knows of one installed driver's folder, kept in "backup.dat" under
// the driver's INF path.
struct DriverFilesInfo {
    // Absolute path of the INF's folder; empty when the included files hold no bytes.
    QString folder;
    // Lower-case hexadecimal SHA-1 of the included files' contents; empty until computed.
    QString hash;
    // The service holds this content, or does not want it.
    bool uploaded = false;
    // Total bytes of the included files; not stored.
    qint64 size = 0;
    // Every included file by its path relative to the folder ('/' separated).
    QMap<QString, QDateTime> files;

    // The included files of the folder that holds infPath, with their times and sizes.
    static DriverFilesInfo ofFolder(const QString& folder);

    // The SHA-1 of the files' contents, each folder's sub-folders first (in name order,
    // recursively) and then its own files in name order; empty when a file cannot be read or
    // cancel was set.
    QString contentHash(const std::atomic<bool>* cancel = nullptr) const;

    // Walk order of two relative paths.
    static bool walkLess(const QString& left, const QString& right);

    // Same files with the same times.
    bool sameFiles(const DriverFilesInfo& other) const { return files == other.files; }

    // Registers the type and its stream operators, so that it travels inside a QVariant
    // through the "dat" file.
    static void registerType();
};

QDataStream& operator<<(QDataStream& stream, const DriverFilesInfo& info);
QDataStream& operator>>(QDataStream& stream, DriverFilesInfo& info);

}  // namespace Qln

Q_DECLARE_METATYPE(Qln::DriverFilesInfo)

#include "backup/driverpackage.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <string>

#include "backup/driverfilefilter.h"
#include "formats/safename.h"
#include "formats/zip.h"
#include "hardware/driver.h"
#include "hardware/systemactions.h"

namespace Qln {

namespace {

void setError(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
}

bool isSha1Text(const QString& text) {
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]{40}$"));
    return hex.match(text).hasMatch();
}

}  // namespace

DriverPackage DriverPackage::ofInstalledDriver(const Hrdw::Driver& driver) {
    return ofInstalledDriver(driver.infName, driver.infPath);
}

DriverPackage DriverPackage::ofInstalledDriver(const QString& infName, const QString& infPath) {
    DriverPackage package;
    package.id = infPath.isEmpty() ? QString() : System::fileSha1(infPath);
    // A published oemN.inf is a copy; the folder holds the INF under its own name.
    package.inf =
        infName.startsWith(QLatin1String("oem")) ? QFileInfo(infPath).fileName() : infName;
    package.path = infPath;
    package.packed = false;
    return package;
}

bool DriverPackage::isUnpacked() const {
    return !id.isEmpty() && !inf.isEmpty() && !path.isEmpty() && !packed;
}

bool DriverPackage::pack(const QString& archiveFolder, QString* error,
                         const std::atomic<bool>* cancel) {
    if (packed) {
        setError(error, QStringLiteral("already packed"));
        return false;
    }
    if (!isSha1Text(id)) {
        setError(error, QStringLiteral("INF not read: %1").arg(path));
        return false;
    }
    const QFileInfo infFile(path);
    if (!infFile.isFile()) {
        setError(error, QStringLiteral("INF not found: %1").arg(path));
        return false;
    }
    if (!QDir().mkpath(archiveFolder)) {
        setError(error, QStringLiteral("Folder not created: %1").arg(archiveFolder));
        return false;
    }
    const QString folder = infFile.absolutePath();
    const QString archive = QDir(archiveFolder).filePath(id + QStringLiteral(".zip"));
    const DriverFileFilter filter;
    std::string message;
    formats::ZipWriter writer;
    writer.setCancel(cancel);
    const bool written =
        writer.open(archive.toStdString(), message) &&
        writer.addFolder(
            folder.toStdString(), std::string(),
            [&folder, &filter](const std::string& relative) {
                return filter(QDir(folder).filePath(QString::fromStdString(relative)));
            },
            message) &&
        writer.commit(message);
    if (!written) {
        setError(error, QString::fromStdString(message));
        return false;
    }
    path = archive;
    packed = true;
    return true;
}

bool DriverPackage::unpack(const QString& workingFolder, QString* error,
                           const std::atomic<bool>* cancel) {
    if (!packed) {
        setError(error, QStringLiteral("not packed"));
        return false;
    }
    if (!isSha1Text(id) || !formats::isSafeRelativeName(inf.toStdString())) {
        setError(error, QStringLiteral("Package name refused: %1 %2").arg(id, inf));
        return false;
    }
    const QString target = QDir(workingFolder).filePath(id);
    formats::ZipExtractOptions options;
    options.cancel = cancel;
    std::string message;
    if (!formats::extractZip(path.toStdString(), target.toStdString(), options, message)) {
        setError(error, QString::fromStdString(message));
        return false;
    }
    // The service and Windows name sub-folders with either separator.
    QString relative = inf;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString infPath = QDir(target).absoluteFilePath(relative);
    if (!QFileInfo(infPath).isFile()) {
        setError(error, QStringLiteral("INF not in the archive: %1").arg(inf));
        return false;
    }
    path = infPath;
    packed = false;
    return true;
}

bool DriverPackage::operator==(const DriverPackage& other) const {
    return id == other.id && inf == other.inf && path == other.path && packed == other.packed;
}

}  // namespace Qln

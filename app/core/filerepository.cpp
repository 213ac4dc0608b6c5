#include "core/filerepository.h"

#include <QDataStream>
#include <QFile>
#include <QLoggingCategory>

namespace Utils {

namespace {

Q_LOGGING_CATEGORY(lcSettings, "settings")

bool readDat(QIODevice& device, QSettings::SettingsMap& map) {
    const QByteArray content = device.readAll();
    QDataStream stream(content);
    QVariant root;
    stream >> root;
    // A stream cut short still yields the entries read so far; none of them is trusted.
    if (stream.status() == QDataStream::Ok && !root.isNull() && root.type() == QVariant::Map) {
        map = root.toMap();
        return true;
    }
    // Reporting the failure to QSettings would stop it from ever writing the file
    // again; the settings start empty instead, and the damaged copy is kept.
    if (!content.isEmpty()) {
        if (auto* file = qobject_cast<QFile*>(&device)) {
            const QString aside = file->fileName() + QStringLiteral(".bad");
            QFile::remove(aside);
            QFile::copy(file->fileName(), aside);
            qCWarning(lcSettings).noquote() << "Settings damaged, kept as" << aside;
        }
    }
    map.clear();
    return true;
}

bool writeDat(QIODevice& device, const QSettings::SettingsMap& map) {
    QDataStream stream(&device);
    stream << QVariant(map);
    return stream.status() == QDataStream::Ok;
}

}  // namespace

QSettings::Format FileRepository::format() {
    static const QSettings::Format registered =
        QSettings::registerFormat(QStringLiteral("dat"), readDat, writeDat, Qt::CaseSensitive);
    return registered;
}

namespace {

std::unique_ptr<QSettings> openFile(const QString& path) {
    auto settings = std::make_unique<QSettings>(path, FileRepository::format());
    settings->setFallbacksEnabled(false);
    return settings;
}

}  // namespace

FileRepository::FileRepository(const QString& path) : SettingsRepository(openFile(path)) {}

}  // namespace Utils

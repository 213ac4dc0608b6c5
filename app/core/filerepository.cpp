#include "core/filerepository.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

namespace Utils {

namespace {

Q_LOGGING_CATEGORY(lcSettings, "settings")

void keepAside(const QString& path) {
    const QString aside = path + QStringLiteral(".bad");
    QFile::remove(aside);
    QFile::copy(path, aside);
    qCWarning(lcSettings).noquote() << "Settings damaged, kept as" << aside;
}

bool isNumber(const QVariant& value) {
    switch (static_cast<QMetaType::Type>(value.userType())) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
            return true;
        default:
            return false;
    }
}

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
            keepAside(file->fileName());
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

FileRepository::FileRepository(const QString& path)
    : SettingsRepository(openFile(path)), m_path(path) {
    if (QFileInfo(path).isDir()) {
        qCWarning(lcSettings).noquote()
            << "Settings file" << path << "is a folder: settings will not be saved";
    }
}

bool FileRepository::sameKind(const QVariant& stored, const QVariant& defaultValue) {
    return stored.userType() == defaultValue.userType() ||
           (isNumber(stored) && isNumber(defaultValue));
}

QVariant FileRepository::value(const QString& key, const QVariant& defaultValue) const {
    const QVariant stored = SettingsRepository::value(key);
    if (!stored.isValid() || !defaultValue.isValid()) {
        return stored.isValid() ? stored : defaultValue;
    }
    if (sameKind(stored, defaultValue)) {
        return stored;
    }
    qCWarning(lcSettings).noquote()
        << "Setting" << key << "has the wrong type" << stored.typeName() << "; using its default";
    if (!m_keptAside) {
        m_keptAside = true;
        keepAside(m_path);
    }
    // The next save heals the file; the copy aside keeps what was there.
    store().remove(key);
    return defaultValue;
}

}  // namespace Utils

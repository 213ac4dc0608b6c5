#include "core/environment.h"

#include <QDir>
#include <QStandardPaths>

#include "core/filerepository.h"
#include "core/registryrepository.h"

namespace Qln {

namespace {

const QString kLocale = QStringLiteral("locale");
const QString kAppId = QStringLiteral("appId");
const QString kDownloadDir = QStringLiteral("downdir");
const QString kCheckUpdate = QStringLiteral("checkupdate");
const QString kCheckSystem = QStringLiteral("checksys");
const QString kNumDevices = QStringLiteral("numDevices");
const QString kVersion = QStringLiteral("version");
const QString kBackupPath = QStringLiteral("bapath");
const QString kPartnerId = QStringLiteral("pid");

}  // namespace

QString Environment::appDataDir() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString Environment::settingsFilePath() {
    return appDataDir() + QStringLiteral("/settings.dat");
}

QString Environment::registryKey() {
    return QStringLiteral("Quillon") + QStringLiteral("Pro");
}

QString Environment::defaultDownloadDir() {
    return appDataDir() + QStringLiteral("/Drivers");
}

QString Environment::defaultBackupArchivePath() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
           QStringLiteral("/drivers.qlb");
}

Environment::Environment() {
    m_store.file = std::make_unique<Utils::FileRepository>(settingsFilePath());
    m_store.registry = std::make_unique<Utils::RegistryRepository>(registryKey());
    m_translation =
        std::make_unique<Translation>(m_store.file->value(kLocale, QLocale::c()).value<QLocale>());
    // Also creates the application data folder on a first run.
    QDir().mkpath(downloadDir());
}

Environment::~Environment() {
    sync();
}

void Environment::sync() {
    m_store.file->sync();
    m_store.registry->sync();
}

QVariant Environment::mirroredValue(const QString& key) {
    const QVariant fileValue = m_store.file->value(key);
    const QVariant registryValue = m_store.registry->value(key);
    if (!fileValue.isValid()) {
        if (registryValue.isValid()) {
            m_store.file->setValue(key, registryValue);
        }
        return registryValue;
    }
    if (!registryValue.isValid() || registryValue != fileValue) {
        m_store.registry->setValue(key, fileValue);
    }
    return fileValue;
}

void Environment::setMirroredValue(const QString& key, const QVariant& value) {
    m_store.file->setValue(key, value);
    m_store.registry->setValue(key, value);
}

QUuid Environment::appId() {
    QUuid id = mirroredValue(kAppId).toUuid();
    if (id.isNull()) {
        id = QUuid::createUuid();
        setMirroredValue(kAppId, id);
    }
    return id;
}

QVersionNumber Environment::version() {
    const QString text = mirroredValue(kVersion).toString();
    return text.isEmpty() ? QVersionNumber() : QVersionNumber::fromString(text);
}

void Environment::setVersion(const QVersionNumber& version) {
    setMirroredValue(kVersion, version.toString());
}

QLocale Environment::locale() const {
    return m_translation->locale();
}

void Environment::setLocale(const QLocale& locale) {
    // C means "follow the system", which is what an absent key says.
    if (locale == QLocale::c()) {
        m_store.file->remove(kLocale);
    } else {
        m_store.file->setValue(kLocale, locale);
    }
}

QString Environment::downloadDir() const {
    return m_store.file->value(kDownloadDir, defaultDownloadDir()).toString();
}

void Environment::setDownloadDir(const QString& dir) {
    m_store.file->setValue(kDownloadDir, dir);
}

bool Environment::checkUpdates() const {
    return m_store.file->value(kCheckUpdate, true).toBool();
}

void Environment::setCheckUpdates(bool check) {
    m_store.file->setValue(kCheckUpdate, check);
}

bool Environment::checkSystemDevices() const {
    return m_store.file->value(kCheckSystem, true).toBool();
}

void Environment::setCheckSystemDevices(bool check) {
    m_store.file->setValue(kCheckSystem, check);
}

int Environment::numDevices() const {
    return m_store.file->value(kNumDevices, 200).toInt();
}

void Environment::setNumDevices(int count) {
    m_store.file->setValue(kNumDevices, count);
}

QString Environment::backupArchivePath() const {
    return m_store.file->value(kBackupPath, defaultBackupArchivePath()).toString();
}

void Environment::setBackupArchivePath(const QString& path) {
    m_store.file->setValue(kBackupPath, path);
}

QString Environment::partnerId() const {
    return m_store.registry->value(kPartnerId).toString();
}

QString Environment::backupsDir() const {
    return appDataDir() + QStringLiteral("/Backups");
}

QString Environment::unpackDir() const {
    return appDataDir() + QStringLiteral("/Unpack");
}

void Environment::resetSettings() {
    for (const QString& key : {kLocale, kDownloadDir, kCheckSystem, kCheckUpdate}) {
        m_store.file->remove(key);
    }
    m_translation->resetLocale();
}

}  // namespace Qln

#pragma once

#include <QLocale>
#include <QString>
#include <QUuid>
#include <QVersionNumber>
#include <memory>

#include "base/irepository.h"
#include "core/translation.h"

namespace Qln {

// The user's settings and the folders the program works in. Most settings live
// in "settings.dat"; `appId` and `version` are kept in the registry too, and
// each store restores the other.
class Environment {
public:
    struct SettingsStore {
        std::unique_ptr<Utils::IRepository> file;
        std::unique_ptr<Utils::IRepository> registry;
    };

    // Opens the stores, loads the translation and makes sure the download folder exists.
    Environment();
    ~Environment();
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

    // Writes both stores out now.
    void sync();

    QUuid appId();
    QVersionNumber version();
    void setVersion(const QVersionNumber& version);

    QLocale locale() const;
    void setLocale(const QLocale& locale);
    QString downloadDir() const;
    void setDownloadDir(const QString& dir);
    bool checkUpdates() const;
    void setCheckUpdates(bool check);
    bool checkSystemDevices() const;
    void setCheckSystemDevices(bool check);
    int numDevices() const;
    void setNumDevices(int count);
    QString backupArchivePath() const;
    void setBackupArchivePath(const QString& path);
    QString partnerId() const;

    QString backupsDir() const;
    QString unpackDir() const;

    // Forgets the choices of the settings page; the language returns to the system's.
    void resetSettings();

    static QString appDataDir();
    static QString settingsFilePath();
    static QString registryKey();
    static QString defaultDownloadDir();
    static QString defaultBackupArchivePath();

private:
    QVariant mirroredValue(const QString& key);
    void setMirroredValue(const QString& key, const QVariant& value);

    SettingsStore m_store;
    std::unique_ptr<Translation> m_translation;
};

}  // namespace Qln

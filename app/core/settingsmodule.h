#pragma once

#include <QList>
#include <QLocale>
#include <QStringList>
#include <QUrl>

#include "base/shared.h"
#include "core/analytics.h"
#include "core/environment.h"
#include "core/module.h"

namespace Qln {

// The settings page's object: language, checks and download folder, kept in
// the environment only when the user saves.
class SettingsModule : public Module {
    Q_OBJECT
    Q_PROPERTY(bool checkSystemDevices READ checkSystemDevices WRITE setCheckSystemDevices NOTIFY
                   checkSystemDevicesChanged)
    Q_PROPERTY(bool checkUpdates READ checkUpdates WRITE setCheckUpdates NOTIFY checkUpdatesChanged)
    Q_PROPERTY(QString downloadDir READ downloadDir WRITE setDownloadDir NOTIFY downloadDirChanged)
    Q_PROPERTY(QUrl downloadUrl READ downloadUrl WRITE setDownloadUrl NOTIFY downloadDirChanged)
    Q_PROPERTY(bool isValidDownloadDir READ isValidDownloadDir NOTIFY downloadDirChanged)
    Q_PROPERTY(QStringList languages READ languages CONSTANT)
    Q_PROPERTY(int index READ index WRITE setIndex NOTIFY indexChanged)

public:
    SettingsModule(Flow::Shared<Environment> environment, Flow::Shared<Analytics> analytics,
                   QObject* parent = nullptr);

    static QString displayName(const QLocale& locale);
    // The name analytics reports for a locale: "system" stands for the system's.
    static QString analyticsName(const QLocale& locale);

    bool checkSystemDevices() const { return m_checkSystemDevices; }
    void setCheckSystemDevices(bool check);
    bool checkUpdates() const { return m_checkUpdates; }
    void setCheckUpdates(bool check);
    QString downloadDir() const { return m_downloadDir; }
    void setDownloadDir(const QString& dir);
    QUrl downloadUrl() const;
    void setDownloadUrl(const QUrl& url);
    bool isValidDownloadDir() const;
    QStringList languages() const;
    int index() const { return m_index; }
    void setIndex(int index);

    Q_INVOKABLE void saveSettings();
    Q_INVOKABLE void resetSettings();
    Q_INVOKABLE void restart();

signals:
    void checkSystemDevicesChanged();
    void checkUpdatesChanged();
    void downloadDirChanged();
    void indexChanged();

private:
    void readSettings();
    QLocale localeAt(int row) const;

    Flow::Shared<Environment> m_environment;
    Flow::Shared<Analytics> m_analytics;
    bool m_checkSystemDevices = true;
    bool m_checkUpdates = true;
    QString m_downloadDir;
    QList<QLocale> m_languages;
    int m_index = -1;
    int m_startIndex = -1;
};

}  // namespace Qln

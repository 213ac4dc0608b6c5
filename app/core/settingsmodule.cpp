#include "core/settingsmodule.h"

#include <QDebug>
#include <QFileInfo>

#include "core/application.h"
#include "core/translation.h"

namespace Qln {

SettingsModule::SettingsModule(Flow::Shared<Environment> environment,
                               Flow::Shared<Analytics> analytics, QObject* parent)
    : Module(QStringLiteral("settings"), tr("SettingsTitle"),
             QStringLiteral("../Resources/Images/Modules/settings.svg"),
             QStringLiteral("qrc:///View/Modules/SettingsModule.qml"), parent),
      m_environment(std::move(environment)),
      m_analytics(std::move(analytics)),
      m_languages(Translation::supportedLocales()) {
    readSettings();
    m_index = m_languages.indexOf(m_environment->locale());
    m_startIndex = m_index;
}

QString SettingsModule::displayName(const QLocale& locale) {
    // English of any country would name itself after that country's variant.
    const QLocale named = locale.language() == QLocale::English
                              ? QLocale(QLocale::English, static_cast<QLocale::Country>(260))
                              : locale;
    QString name = named.nativeLanguageName();
    if (!name.isEmpty()) {
        name[0] = name[0].toUpper();
    }
    return name;
}

QString SettingsModule::analyticsName(const QLocale& locale) {
    return locale == QLocale::c() ? QStringLiteral("system") : locale.name();
}

void SettingsModule::readSettings() {
    m_checkSystemDevices = m_environment->checkSystemDevices();
    m_checkUpdates = m_environment->checkUpdates();
    m_downloadDir = m_environment->downloadDir();
}

void SettingsModule::setCheckSystemDevices(bool check) {
    if (m_checkSystemDevices != check) {
        m_checkSystemDevices = check;
    }
}

void SettingsModule::setCheckUpdates(bool check) {
    if (m_checkUpdates != check) {
        m_checkUpdates = check;
    }
}

void SettingsModule::setDownloadDir(const QString& dir) {
    m_downloadDir = dir;
    emit downloadDirChanged();
}

QUrl SettingsModule::downloadUrl() const {
    return QUrl::fromLocalFile(m_downloadDir);
}

void SettingsModule::setDownloadUrl(const QUrl& url) {
    setDownloadDir(url.toLocalFile());
}

bool SettingsModule::isValidDownloadDir() const {
    return !m_downloadDir.isEmpty() && QFileInfo(m_downloadDir).isDir();
}

QStringList SettingsModule::languages() const {
    QStringList names;
    for (const QLocale& locale : m_languages) {
        names.append(displayName(locale));
    }
    return names;
}

void SettingsModule::setIndex(int index) {
    if (index >= 0 && index != m_index) {
        m_index = index;
    }
}

QLocale SettingsModule::localeAt(int row) const {
    return row >= 0 && row < m_languages.size() ? m_languages.at(row) : QLocale::c();
}

void SettingsModule::saveSettings() {
    m_environment->setCheckSystemDevices(m_checkSystemDevices);
    m_environment->setCheckUpdates(m_checkUpdates);
    if (isValidDownloadDir()) {
        m_environment->setDownloadDir(m_downloadDir);
    }
    const QLocale chosen = localeAt(m_index);
    m_environment->setLocale(chosen);
    const bool startValid = m_startIndex >= 0 && m_startIndex < m_languages.size();
    if (startValid && m_startIndex != m_index && m_analytics) {
        m_analytics->sendEvent(QStringLiteral("Lang-change"), analyticsName(localeAt(m_startIndex)),
                               analyticsName(chosen));
    }
}

void SettingsModule::resetSettings() {
    m_environment->resetSettings();
    readSettings();
    emit checkSystemDevicesChanged();
    emit checkUpdatesChanged();
    emit downloadDirChanged();
    m_index = m_languages.indexOf(m_environment->locale());
    emit indexChanged();
}

void SettingsModule::restart() {
    qDebug() << "App restert";
    Application::restart();
}

}  // namespace Qln

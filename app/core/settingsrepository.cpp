#include "core/settingsrepository.h"

namespace Utils {

SettingsRepository::SettingsRepository(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings)), m_openStatus(m_settings->status()) {}

SettingsRepository::~SettingsRepository() {
    m_settings->sync();
}

QVariant SettingsRepository::value(const QString& key, const QVariant& defaultValue) const {
    return m_settings->value(key, defaultValue);
}

bool SettingsRepository::setValue(const QString& key, const QVariant& value) {
    m_settings->setValue(key, value);
    return m_settings->status() == QSettings::NoError;
}

bool SettingsRepository::remove(const QString& key) {
    m_settings->remove(key);
    return m_settings->status() == QSettings::NoError;
}

bool SettingsRepository::sync() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

}  // namespace Utils

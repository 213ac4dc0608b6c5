#include "core/registryrepository.h"

namespace Utils {

namespace {

std::unique_ptr<QSettings> openKey(const QString& key) {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\") + key,
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, key);
#endif
}

}  // namespace

RegistryRepository::RegistryRepository(const QString& key) : SettingsRepository(openKey(key)) {}

}  // namespace Utils

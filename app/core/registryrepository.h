#pragma once

#include "core/settingsrepository.h"

namespace Utils {

// Settings under HKEY_CURRENT_USER\Software\<key> (on other systems, Qt's
// native settings file for the same name).
class RegistryRepository : public SettingsRepository {
public:
    explicit RegistryRepository(const QString& key);
};

}  // namespace Utils

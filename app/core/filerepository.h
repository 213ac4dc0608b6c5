#pragma once

#include "core/settingsrepository.h"

namespace Utils {

// Settings in the program's own "dat" file: one QVariantMap in a QDataStream.
// A damaged file reads as empty and is copied aside (".bad") before the next
// write replaces it; writes go to a temporary file that is renamed into place.
class FileRepository : public SettingsRepository {
public:
    explicit FileRepository(const QString& path);

    static QSettings::Format format();
};

}  // namespace Utils

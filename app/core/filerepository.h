#pragma once

#include "core/settingsrepository.h"

namespace Utils {

// Settings in the program's own "dat" file: one QVariantMap in a QDataStream.
// A damaged file reads as empty and is copied aside (".bad") before the next
// write replaces it; writes go to a temporary file that is renamed into place.
// The stream keeps each value's type, so a value whose type differs from its
// default's is damage too: it reads as the default and the file is kept aside.
class FileRepository : public SettingsRepository {
public:
    explicit FileRepository(const QString& path);

    QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const override;

    static QSettings::Format format();
    // Whether a stored value can stand for its default's type.
    static bool sameKind(const QVariant& stored, const QVariant& defaultValue);

private:
    QString m_path;
    mutable bool m_keptAside = false;
};

}  // namespace Utils

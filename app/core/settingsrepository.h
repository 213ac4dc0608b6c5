#pragma once

#include <QSettings>
#include <memory>

#include "base/irepository.h"

namespace Utils {

// A repository over one QSettings object; the file and registry stores differ
// only in where that object keeps its values.
class SettingsRepository : public IRepository {
public:
    ~SettingsRepository() override;

    QVariant value(const QString& key, const QVariant& defaultValue = QVariant()) const override;
    bool setValue(const QString& key, const QVariant& value) override;
    bool remove(const QString& key) override;
    bool sync() override;

    // What the store reported when it was opened.
    QSettings::Status openStatus() const { return m_openStatus; }

protected:
    explicit SettingsRepository(std::unique_ptr<QSettings> settings);
    QSettings& store() const { return *m_settings; }

private:
    std::unique_ptr<QSettings> m_settings;
    QSettings::Status m_openStatus;
};

}  // namespace Utils

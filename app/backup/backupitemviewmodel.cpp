#include "backup/backupitemviewmodel.h"

namespace Qln {

BackupItemViewModel::BackupItemViewModel(const DriverDescription::Fields& fields,
                                         const QString& type, QObject* parent)
    : QObject(parent), m_driver(new DriverDescription(fields, this)), m_type(type) {}

DriverDescription::Fields BackupItemViewModel::describe(const Backup::BackupDriver& driver,
                                                        int hardwareIndex) {
    DriverDescription::Fields fields;
    if (hardwareIndex >= 0 && hardwareIndex < driver.hardware.size()) {
        fields.name = driver.hardware.at(hardwareIndex).name;
        fields.category = driver.hardware.at(hardwareIndex).className;
    }
    fields.provider = driver.provider;
    fields.version = driver.version;
    fields.date = QDate::fromString(driver.date, QStringLiteral("yyyy-MM-dd"));
    return fields;
}

}  // namespace Qln

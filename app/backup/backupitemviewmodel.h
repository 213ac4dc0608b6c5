#pragma once

#include <QObject>
#include <QString>

#include "backup/backupdriver.h"
#include "hardware/driverdescription.h"

namespace Qln {

// One row of the backup pages: a saved driver with the hardware it belongs to, or hardware
// the backup does not know, and what kind of row it is.
class BackupItemViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(Qln::DriverDescription* driver READ driver CONSTANT)
    Q_PROPERTY(QString type READ type CONSTANT)

public:
    BackupItemViewModel(const DriverDescription::Fields& fields, const QString& type,
                        QObject* parent = nullptr);

    DriverDescription* driver() const { return m_driver; }
    QString type() const { return m_type; }

    // name and category of the hardware, provider, version and date of the driver.
    static DriverDescription::Fields describe(const Backup::BackupDriver& driver,
                                              int hardwareIndex);

private:
    DriverDescription* m_driver;
    QString m_type;
};

}  // namespace Qln

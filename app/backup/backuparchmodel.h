#pragma once

#include <QList>
#include <QMetaType>
#include <QPair>

#include "hardware/driverdescription.h"

namespace Qln {

// What the check found, as (driver index, hardware index) pairs into the backup's drivers,
// and the hardware the backup does not know.
struct BackupArchModel {
    using Item = QPair<int, int>;

    QList<Item> restorable;
    QList<Item> unchanged;
    QList<Item> missing;
    QList<DriverDescription::Fields> newHardware;
};

}  // namespace Qln

Q_DECLARE_METATYPE(Qln::BackupArchModel)

#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <mutex>

#include "backup/driverfilesinfo.h"
#include "base/shared.h"
#include "hardware/driver.h"

namespace Qln {

class ScanData;

// What the three upload steps hand each other: the scan, the drivers prepared for the check
// and the hashes the service wants. One step at a time touches it.
struct UploadModel {
    struct Item {
        Flow::Shared<Hrdw::Driver> driver;
        DriverFilesInfo info;
    };

    Flow::Shared<ScanData> scan;
    QList<Item> prepared;
    // Lower case.
    QSet<QString> wanted;
};

}  // namespace Qln

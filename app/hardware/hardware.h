#pragma once

#include <QString>
#include <QUuid>
#include <QVector>

#include "base/shared.h"
#include "hardware/device.h"
#include "hardware/driver.h"

namespace Hrdw {

// One matching hardware id with the devices that share it.
struct Hardware {
    QString id;  // the matching id; the key by which hardware is merged
    QString name;
    QString manufacturer;
    QString description;
    QString className;
    QUuid classGuid;
    Flow::Shared<Driver> driver;  // may be empty
    QVector<Device> devices;      // in enumeration order
};

}  // namespace Hrdw

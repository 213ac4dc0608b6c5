#pragma once

#include <QList>
#include <QString>

#include "base/shared.h"
#include "hardware/driveroffer.h"
#include "hardware/hardware.h"

namespace Qln {

// The service's offers for one device of the search request.
struct UpdateOffer {
    Flow::Shared<Hrdw::Hardware> hardware;  // empty when the answer's index fits no device
    QString className;
    QList<DriverOffer> drivers;
};

}  // namespace Qln

#pragma once

#include <QVector>

#include "base/shared.h"
#include "hardware/driver.h"
#include "hardware/hardware.h"

namespace Hrdw {

// The records of one scan, each kind in first-seen order.
struct Inventory {
    QVector<Flow::Shared<Driver>> drivers;
    QVector<Flow::Shared<Hardware>> hardware;

    int deviceCount() const {
        int count = 0;
        for (const auto& item : hardware) {
            count += item->devices.size();
        }
        return count;
    }
};

}  // namespace Hrdw

#pragma once

#include <QMap>
#include <functional>

#include "hardware/deviceenumerator.h"
#include "hardware/inventory.h"

namespace Hrdw::Impl {

// Runs the enumerator through the filter and folds the kept devices into
// drivers (by INF path), hardware (by matching id) and devices.
class DeviceCollector {
public:
    using OnDevice = std::function<void(const Device&, const Flow::Shared<Hardware>&)>;

    explicit DeviceCollector(DeviceEnumerator& enumerator);

    // Returns the enumerator's result; records collected before a failure or
    // a stop stay in `inventory`.
    bool collect(Inventory& inventory, bool includeSystemDevices, const OnDevice& onDevice = {});
    void stop();

private:
    DeviceEnumerator& m_enumerator;
};

}  // namespace Hrdw::Impl

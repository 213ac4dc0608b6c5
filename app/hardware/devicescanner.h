#pragma once

#include <atomic>

#include "base/worker.h"
#include "hardware/deviceenumerator.h"

namespace Qln {

// The scan step: collects the devices into a new ScanData, counting them as
// it goes against the number the last scan found.
class DeviceScanner : public Flow::Worker {
public:
    explicit DeviceScanner(
        bool includeSystemDevices,
        Hrdw::Impl::DeviceEnumerator::Source source = Hrdw::Impl::DeviceEnumerator::systemSource());

    bool work(Flow::Shared<QObject>& data) override;
    // Ends the walk after the current device.
    void abort() override;
    void stop();

    // The device count of the last finished scan, shared by the whole program.
    static int deviceTotal();
    static void setDeviceTotal(int total);

private:
    bool m_includeSystemDevices;
    Hrdw::Impl::DeviceEnumerator m_enumerator;
    static std::atomic<int> s_deviceTotal;
};

}  // namespace Qln

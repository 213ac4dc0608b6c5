#include "hardware/devicefilter.h"

namespace Hrdw::Impl {

DeviceFilter::DeviceFilter(bool includeSystemDevices)
    : m_includeSystemDevices(includeSystemDevices) {}

const QUuid& DeviceFilter::systemClass() {
    static const QUuid systemDevices(QStringLiteral("{4d36e97d-e325-11ce-bfc1-08002be10318}"));
    return systemDevices;
}

bool DeviceFilter::accepts(const DeviceInfo& device) const {
    if (device.classGuid.isNull() || !device.connected) {
        return false;
    }
    return m_includeSystemDevices || device.classGuid != systemClass();
}

}  // namespace Hrdw::Impl

#pragma once

#include "hardware/deviceinfo.h"

namespace Hrdw::Impl {

// Which enumerated devices a scan keeps: those with a class, present, and of
// the System devices class only when asked for ("checksys").
class DeviceFilter {
public:
    explicit DeviceFilter(bool includeSystemDevices);
    bool accepts(const DeviceInfo& device) const;

    static const QUuid& systemClass();

private:
    bool m_includeSystemDevices;
};

}  // namespace Hrdw::Impl

#include "hardware/devicecollector.h"

#include <map>

#include "hardware/devicefilter.h"

namespace Hrdw::Impl {

DeviceCollector::DeviceCollector(DeviceEnumerator& enumerator) : m_enumerator(enumerator) {}

void DeviceCollector::stop() {
    m_enumerator.stop();
}

bool DeviceCollector::collect(Inventory& inventory, bool includeSystemDevices,
                              const OnDevice& onDevice) {
    const DeviceFilter filter(includeSystemDevices);
    // Plain string order, as the keys compare on the wire.
    std::map<QString, Flow::Shared<Driver>> drivers;
    std::map<QString, Flow::Shared<Hardware>> hardware;
    return m_enumerator.enumerate([&](const DeviceInfo& info) {
        if (!filter.accepts(info)) {
            return;
        }
        Flow::Shared<Driver>& driver = drivers[info.infPath];
        if (!driver) {
            driver = std::make_shared<Driver>();
            driver->infName = info.infName;
            driver->infPath = info.infPath;
            driver->provider = info.provider;
            driver->version = info.version;
            driver->date = info.date;
            driver->description = info.driverDescription;
            inventory.drivers.append(driver);
        }
        Flow::Shared<Hardware>& item = hardware[info.matchingId];
        if (!item) {
            item = std::make_shared<Hardware>();
            item->id = info.matchingId;
            item->name = info.name;
            item->manufacturer = info.manufacturer;
            item->description = info.description;
            item->className = info.className;
            item->classGuid = info.classGuid;
            item->driver = driver;
            inventory.hardware.append(item);
            driver->hardware.push_back(item);
        }
        Device device;
        device.instanceId = info.instanceId;
        device.driverType = info.driverType;
        device.rank = info.rank;
        device.lowerLogoVersion = info.lowerLogoVersion;
        device.connected = info.connected;
        device.hardwareIds = info.hardwareIds;
        device.compatibleIds = info.compatibleIds;
        item->devices.append(device);
        if (onDevice) {
            onDevice(item->devices.constLast(), item);
        }
    });
}

}  // namespace Hrdw::Impl

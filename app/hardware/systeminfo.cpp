#include "hardware/systeminfo.h"

#include "base/logcategories.h"

namespace System {

namespace {

using platform::WmiObject;
using platform::WmiValue;

const WmiValue* property(const WmiObject& object, const char* name) {
    const auto found = object.find(name);
    return found == object.end() ? nullptr : &found->second;
}

void readText(const WmiObject& object, const char* name, QString& field) {
    const WmiValue* value = property(object, name);
    if (value && value->type == WmiValue::Type::Text) {
        field = QString::fromStdString(value->text).trimmed();
    }
}

void readNumber(const WmiObject& object, const char* name, QString& field) {
    const WmiValue* value = property(object, name);
    if (value && value->type == WmiValue::Type::Number) {
        field = QString::number(value->number);
    }
}

const std::vector<WmiObject>& objectsOf(const platform::WmiInventory& inventory,
                                        const char* className) {
    static const std::vector<WmiObject> none;
    const auto found = inventory.find(className);
    return found == inventory.end() ? none : found->second;
}

}  // namespace

SystemInfo systemInfoFromWmi(const platform::WmiInventory& inventory) {
    SystemInfo info;
    for (const WmiObject& object : objectsOf(inventory, "Win32_SystemEnclosure")) {
        const WmiValue* types = property(object, "ChassisTypes");
        if (types && types->type == WmiValue::Type::NumberArray) {
            QStringList numbers;
            for (std::int64_t type : types->numbers) {
                numbers.append(QString::number(type));
            }
            info.chassisTypes = numbers.join(QLatin1Char(','));
        }
    }
    for (const WmiObject& object : objectsOf(inventory, "Win32_Processor")) {
        SystemInfo::Processor& p = info.processor;
        readNumber(object, "architecture", p.architecture);
        readNumber(object, "availability", p.availability);
        readNumber(object, "cpuStatus", p.cpuStatus);
        readNumber(object, "l2CacheSize", p.l2CacheSize);
        readNumber(object, "l3CacheSize", p.l3CacheSize);
        readNumber(object, "numberOfCores", p.numberOfCores);
        readNumber(object, "numberOfLogicalProcessors", p.numberOfLogicalProcessors);
        readNumber(object, "processorType", p.processorType);
        readNumber(object, "revision", p.revision);
        readNumber(object, "upgradeMethod", p.upgradeMethod);
        readText(object, "caption", p.caption);
        readText(object, "description", p.description);
        readText(object, "Family", p.family);
        readText(object, "manufacturer", p.manufacturer);
        readText(object, "name", p.name);
        readText(object, "socketDesignation", p.socketDesignation);
        readText(object, "status", p.status);
        readText(object, "statusInfo", p.statusInfo);
        readText(object, "UniqueId", p.uniqueId);
        readText(object, "processorId", p.processorId);
    }
    for (const WmiObject& object : objectsOf(inventory, "Win32_BaseBoard")) {
        SystemInfo::Baseboard& b = info.baseboard;
        readText(object, "Model", b.model);
        readText(object, "Manufacturer", b.manufacturer);
        readText(object, "Name", b.name);
        readText(object, "SerialNumber", b.serialNumber);
        readText(object, "Product", b.product);
        readText(object, "Version", b.version);
        readText(object, "status", b.status);
    }
    for (const WmiObject& object : objectsOf(inventory, "Win32_BIOS")) {
        SystemInfo::Bios& b = info.bios;
        readText(object, "Manufacturer", b.manufacturer);
        readText(object, "SMBIOSBIOSVersion", b.smbiosBiosVersion);
        readText(object, "Name", b.name);
        readText(object, "SerialNumber", b.serialNumber);
        readText(object, "Version", b.version);
        readText(object, "BuildNumber", b.buildNumber);
    }
    for (const WmiObject& object : objectsOf(inventory, "Win32_DiskDrive")) {
        SystemInfo::DiskDrive disk;
        readText(object, "Caption", disk.caption);
        readText(object, "DeviceId", disk.deviceId);
        readText(object, "FirmwareRevision", disk.firmwareRevision);
        readText(object, "InterfaceType", disk.interfaceType);
        readText(object, "Manufacturer", disk.manufacturer);
        readText(object, "MediaType", disk.mediaType);
        readText(object, "Model", disk.model);
        readText(object, "Name", disk.name);
        readText(object, "PnpDeviceId", disk.pnpDeviceId);
        readText(object, "status", disk.status);
        info.diskDrives.append(disk);
    }
    for (const WmiObject& object : objectsOf(inventory, "Win32_DesktopMonitor")) {
        SystemInfo::Monitor monitor;
        readNumber(object, "availability", monitor.availability);
        readText(object, "caption", monitor.caption);
        readText(object, "description", monitor.description);
        readText(object, "monitorType", monitor.monitorType);
        readText(object, "name", monitor.name);
        readText(object, "pnpDeviceId", monitor.pnpDeviceId);
        readText(object, "status", monitor.status);
        info.monitors.append(monitor);
    }
    for (const WmiObject& object : objectsOf(inventory, "Win32_PhysicalMemory")) {
        QString capacity;
        readText(object, "Capacity", capacity);
        info.memory.append(capacity);
    }
    return info;
}

bool collectSystemInfo(SystemInfo& out, bool initCom) {
    platform::WmiInventory inventory;
    std::string error;
    std::vector<std::string> warnings;
    const bool ok = platform::wmiCollect(initCom, inventory, error, warnings);
    for (const std::string& warning : warnings) {
        qCWarning(lcHardware) << "WMI query:" << QString::fromStdString(warning);
    }
    if (!ok) {
        qCWarning(lcHardware) << "WMI unavailable:" << QString::fromStdString(error);
        out = SystemInfo();
        return false;
    }
    out = systemInfoFromWmi(inventory);
    return true;
}

}  // namespace System

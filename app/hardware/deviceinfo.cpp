#include "hardware/deviceinfo.h"

#include "platform/devices.h"

namespace Hrdw::Impl {

namespace {

QStringList toStringList(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<int>(items.size()));
    for (const std::string& item : items) {
        list.append(QString::fromStdString(item));
    }
    return list;
}

}  // namespace

DeviceInfo DeviceInfo::fromRecord(const platform::DeviceRecord& record) {
    DeviceInfo info;
    info.devInst = record.devInst;
    info.status = record.status;
    info.problem = record.problem;
    info.instanceId = QString::fromStdString(record.instanceId);
    info.classGuid = QUuid(QString::fromStdString(record.classGuid));
    info.lowerLogoVersion = QString::fromStdString(record.lowerLogoVersion);
    info.className = QString::fromStdString(record.className);
    info.name = QString::fromStdString(record.name);
    info.description = QString::fromStdString(record.description);
    info.manufacturer = QString::fromStdString(record.manufacturer);
    info.hardwareIds = toStringList(record.hardwareIds);
    info.compatibleIds = toStringList(record.compatibleIds);
    info.connected = record.connected;
    info.driverType = record.driverType;
    info.rank = record.rank;
    info.matchingId = QString::fromStdString(record.matchingId);
    info.infName = QString::fromStdString(record.infName);
    info.infPath = QString::fromStdString(record.infPath);
    info.provider = QString::fromStdString(record.provider);
    info.version = QString::fromStdString(record.version);
    if (record.year > 0) {
        info.date = QDate(record.year, record.month, record.day);
    }
    info.driverDescription = QString::fromStdString(record.driverDescription);
    return info;
}

}  // namespace Hrdw::Impl

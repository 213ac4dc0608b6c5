#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QUuid>

namespace platform {
struct DeviceRecord;
}

namespace Hrdw::Impl {

// One enumerated device instance and its installed driver, as read; a failed
// read leaves its field empty or 0.
struct DeviceInfo {
    quint32 devInst = 0;
    quint32 status = 0;
    quint32 problem = 0;
    QString instanceId;
    QUuid classGuid;
    QString lowerLogoVersion;
    QString className;
    QString name;
    QString description;
    QString manufacturer;
    QStringList hardwareIds;
    QStringList compatibleIds;
    bool connected = false;
    quint32 driverType = 0;
    quint32 rank = 0;
    QString matchingId;
    QString infName;
    QString infPath;
    QString provider;
    QString version;
    QDate date;
    QString driverDescription;

    static DeviceInfo fromRecord(const platform::DeviceRecord& record);
};

}  // namespace Hrdw::Impl

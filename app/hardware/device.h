#pragma once

#include <QString>
#include <QStringList>

namespace Hrdw {

// One enumerated device instance that passed the filter.
struct Device {
    QString instanceId;
    quint32 driverType = 0;
    quint32 rank = 0;
    QString lowerLogoVersion;
    bool connected = false;
    QStringList hardwareIds;
    QStringList compatibleIds;
};

}  // namespace Hrdw

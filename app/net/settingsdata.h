#pragma once

#include <QString>
#include <QVariantMap>

#include "net/appupdateinfo.h"
#include "net/endpointtable.h"
#include "net/outdatawitherror.h"

namespace Qln {

// The service settings fetched at every start.
class SettingsData : public OutDataWithError {
public:
    struct UserDrivers {
        qint64 maxSize = 0;
        bool enabled = false;
    };

    void setData(const QVariant& data) override;

    EndpointTable endpoints;
    QVariantMap publicUrls;
    UserDrivers userDrivers;
    QString driversUpdatedAt;
    QString analyticsId;
    AppUpdateInfo update;
    QString userCountry;
    QString contactEmail;
};

}  // namespace Qln

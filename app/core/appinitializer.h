#pragma once

#include <QString>

#include "base/shared.h"
#include "base/worker.h"
#include "net/authdata.h"

namespace Qln {
namespace Worker {

// Reads the system, authorises the program with the service and fetches the
// service settings; leaves an InitData as the chain's data in every case. Both
// calls end at once when the step is aborted (the request layer ties them to it).
class AppInitializer : public Flow::Worker {
public:
    AppInitializer(Flow::Shared<AuthData> authData, const QString& baseUrl,
                   const QString& partnerId);

    bool work(Flow::Shared<QObject>& data) override;

private:
    Flow::Shared<AuthData> m_authData;
    QString m_baseUrl;
    QString m_partnerId;
};

}  // namespace Worker
}  // namespace Qln

#pragma once

#include <QMutex>
#include <QString>

#include "base/shared.h"
#include "base/worker.h"
#include "net/authdata.h"
#include "net/method.h"

namespace Qln {
namespace Worker {

// Reads the system, authorises the program with the service and fetches the
// service settings; leaves an InitData as the chain's data in every case.
class AppInitializer : public Flow::Worker {
public:
    AppInitializer(Flow::Shared<AuthData> authData, const QString& baseUrl,
                   const QString& partnerId);

    bool work(Flow::Shared<QObject>& data) override;
    void abort() override;

private:
    Flow::Shared<AuthData> m_authData;
    QString m_baseUrl;
    QString m_partnerId;
    QMutex m_mutex;
    Net::Method m_settings;  // the call in flight, so that abort() can end it
};

}  // namespace Worker
}  // namespace Qln

#pragma once

#include <QString>
#include <functional>

#include "net/idataforparams.h"
#include "net/outerror.h"

namespace Qln {

// The bearer token: filled by the authorisation reply, attached to later calls while valid.
class JWTToken : public Net::IDataForParams {
public:
    using Clock = std::function<qint64()>;

    void setData(const QVariant& data) override;
    bool setParams(Net::Headers& headers) override;

    // Seconds since the epoch by the local clock; replaceable so expiry can be tested.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    bool isValid() const;

    QString token;
    qint64 ttl = 0;
    qint64 timestamp = 0;
    OutError error;

private:
    qint64 now() const;

    Clock m_clock;
};

}  // namespace Qln

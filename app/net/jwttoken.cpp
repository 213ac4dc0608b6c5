#include "net/jwttoken.h"

#include <QDateTime>
#include <QVariantMap>

#include "net/headers.h"

namespace Qln {

qint64 JWTToken::now() const {
    return m_clock ? m_clock() : QDateTime::currentSecsSinceEpoch();
}

void JWTToken::setData(const QVariant& data) {
    // The record describes this reply only: a refusal left over from an earlier one
    // would make every later good token count as refused.
    error = OutError();
    error.setData(data);
    if (!error.isOk() || data.type() != QVariant::Map) {
        return;
    }
    const QVariantMap map = data.toMap();
    token = map.value(QStringLiteral("token")).toString();
    ttl = map.value(QStringLiteral("ttl")).toLongLong();
    timestamp = map.contains(QStringLiteral("timestamp"))
                    ? map.value(QStringLiteral("timestamp")).toLongLong()
                    : now();
}

bool JWTToken::isValid() const {
    // A service clock ahead of ours gives a negative age, which still counts as valid.
    return !token.isEmpty() && now() - timestamp <= ttl;
}

bool JWTToken::setParams(Net::Headers& headers) {
    if (!isValid()) {
        return false;
    }
    headers.setRaw(QStringLiteral("Authorization"), QStringLiteral("Bearer %1").arg(token));
    return true;
}

}  // namespace Qln

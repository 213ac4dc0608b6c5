#include "net/outerror.h"

#include <QVariantMap>

namespace Qln {

void OutError::setData(const QVariant& data) {
    if (data.type() != QVariant::Map) {
        return;
    }
    const QVariantMap map = data.toMap();
    if (!map.contains(QStringLiteral("error"))) {
        return;
    }
    const QVariantMap error = map.value(QStringLiteral("error")).toMap();
    const QVariant codeValue = error.value(QStringLiteral("code"));
    bool converted = false;
    const int parsed = codeValue.toInt(&converted);
    code = converted ? parsed : 0;
    message = error.value(QStringLiteral("message")).toString();
}

}  // namespace Qln

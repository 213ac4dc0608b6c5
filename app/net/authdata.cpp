#include "net/authdata.h"

#include <QVariantMap>

namespace Qln {

QVariant AuthData::toVariant() const {
    return QVariantMap{
        {QStringLiteral("product"), QStringLiteral("pro")},
        {QStringLiteral("version"), version},
        {QStringLiteral("locale_os"), osLocale.name()},
        {QStringLiteral("locale"), locale.name()},
        {QStringLiteral("os"), os},
        {QStringLiteral("arch"), is64 ? QStringLiteral("x64") : QStringLiteral("x86")},
        {QStringLiteral("appid"), appid},
        {QStringLiteral("hwid"), hwid},
    };
}

}  // namespace Qln

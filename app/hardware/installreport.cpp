#include "hardware/installreport.h"

#include <QVariantMap>

namespace Qln {

InstallReport::InstallReport(const QString& url, quint32 systemErrorCode, qint32 errorCode,
                             bool needReboot)
    : url(url), systemErrorCode(systemErrorCode), errorCode(errorCode), needReboot(needReboot) {}

QVariant InstallReport::toVariant() const {
    return QVariantMap{{QStringLiteral("report"),
                        QVariantMap{{QStringLiteral("error_code"), errorCode},
                                    {QStringLiteral("system_error_code"), systemErrorCode}}}};
}

}  // namespace Qln

#pragma once

#include <QString>
#include <QVariant>

#include "net/iindata.h"

namespace Qln {

// What the service is told after an installation: the body of a PUT to the offer's
// "install_report" URL. needReboot stays here; the service is not told.
class InstallReport : public Net::IInData {
public:
    InstallReport() = default;
    InstallReport(const QString& url, quint32 systemErrorCode, qint32 errorCode, bool needReboot);

    QVariant toVariant() const override;

    QString url;
    quint32 systemErrorCode = 0;
    qint32 errorCode = 0;
    bool needReboot = false;
};

}  // namespace Qln

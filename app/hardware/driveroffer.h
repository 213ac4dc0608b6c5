#pragma once

#include <QDate>
#include <QString>

namespace Qln {

// One driver package the service offers for a device.
struct DriverOffer {
    quint64 id = 0;
    QString hid;
    QString infPath;
    QString infSha1;
    QString version;
    QDate date;
    QString provider;
    QString fileSha1;
    quint64 size = 0;
    QString ext;
    QString downloadUrl;
    QString reportUrl;
};

}  // namespace Qln

#pragma once

#include <QString>
#include <QVersionNumber>

namespace Qln {

// A newer build of the program on offer.
struct AppUpdateInfo {
    QVersionNumber version;
    QString fileName;
    qint64 fileSize = 0;
    QString hashSha1;
    bool force = false;
};

}  // namespace Qln

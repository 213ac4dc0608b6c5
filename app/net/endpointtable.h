#pragma once

#include <QString>

namespace Qln {

// The service's endpoint URLs, from the settings reply; an empty one fails its calls at once.
struct EndpointTable {
    QString appAuth;
    QString appSettings;
    QString appUpdate;
    QString updatesFind;
    QString uploadCheck;
    QString uploadUpload;
};

}  // namespace Qln

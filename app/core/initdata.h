#pragma once

#include <QObject>
#include <QtGlobal>

#include "base/shared.h"

namespace System {
class OSInfo;
struct SystemInfo;
}  // namespace System

namespace Qln {

class ServiceClient;
class SettingsData;

// What one run of start-up initialisation found out, handed to the launcher
// whether the run got through or not.
class InitData : public QObject {
    Q_OBJECT

public:
    InitData();
    ~InitData() override;

    Flow::Shared<System::OSInfo> osInfo;
    Flow::Shared<System::SystemInfo> systemInfo;
    Flow::Shared<ServiceClient> serviceClient;
    Flow::Shared<SettingsData> settingsData;
    // True only once the settings arrived without an error; a token alone does
    // not make a usable start.
    bool settingsFetched = false;
};

}  // namespace Qln

Q_DECLARE_METATYPE(Flow::Shared<Qln::InitData>)

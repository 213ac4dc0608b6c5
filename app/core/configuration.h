#pragma once

#include "base/shared.h"
#include "core/environment.h"
#include "net/ganalytics.h"

namespace System {
class OSInfo;
struct SystemInfo;
}  // namespace System

namespace Qln {

class Installer;
class RecoveryManager;
class ServiceClient;
class SettingsData;

// The services of the running program that the launcher, the windows and the
// modules share; each lives until its last holder lets go.
struct Configuration {
    Flow::Shared<Environment> environment;
    Flow::Shared<Utils::GAnalytics> analytics;
    Flow::Shared<ServiceClient> serviceClient;
    Flow::Shared<System::OSInfo> osInfo;
    Flow::Shared<System::SystemInfo> systemInfo;
    Flow::Shared<SettingsData> settingsData;
    Flow::Shared<Installer> installer;
    Flow::Shared<RecoveryManager> recoveryManager;
};

}  // namespace Qln

#pragma once

#include <QString>

#include "base/shared.h"
#include "base/task.h"

namespace Net {
class IDownloader;
}
namespace Utils {
class GAnalytics;
}

namespace Qln {

class Installer;
class RecoveryManager;
class UpdatesInstaller;

// Installs the chosen updates one after the other; started with an UpdatesWrapper.
class InstallUpdatesTask : public Task {
    Q_OBJECT

public:
    InstallUpdatesTask(const QString& workingFolder, Flow::Shared<Net::IDownloader> downloader,
                       Flow::Shared<Installer> installer, Flow::Shared<Utils::GAnalytics> analytics,
                       Flow::Shared<RecoveryManager> recovery, QObject* parent = nullptr);
};

}  // namespace Qln

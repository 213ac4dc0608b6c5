#include "hardware/installupdatestask.h"

#include "base/logcategories.h"
#include "hardware/updatesinstaller.h"

namespace Qln {

InstallUpdatesTask::InstallUpdatesTask(const QString& workingFolder,
                                       Flow::Shared<Net::IDownloader> downloader,
                                       Flow::Shared<Installer> installer,
                                       Flow::Shared<Utils::GAnalytics> analytics,
                                       Flow::Shared<RecoveryManager> recovery, QObject* parent)
    : Task(parent) {
    chain().add(std::make_shared<UpdatesInstaller>(workingFolder, std::move(downloader),
                                                   std::move(installer), std::move(analytics),
                                                   std::move(recovery)));
    connect(this, &Task::finished, this, [](bool aborted) {
        qCInfo(lcHardware).noquote() << "Install drivers" << (aborted ? "aborted" : "finished");
    });
}

}  // namespace Qln

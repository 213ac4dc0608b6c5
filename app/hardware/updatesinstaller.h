#pragma once

#include <QMutex>
#include <QString>
#include <atomic>

#include "base/shared.h"
#include "base/worker.h"

namespace Net {
class IDownloader;
}
namespace Utils {
class GAnalytics;
}

namespace Qln {

class InstallUpdate;
class Installer;
class RecoveryManager;

// The update pipeline's worker: for each chosen update, back up the installed driver, download
// the package, check and unpack it, and queue it for the installer.
class UpdatesInstaller : public Flow::Worker {
public:
    UpdatesInstaller(const QString& workingFolder, Flow::Shared<Net::IDownloader> downloader,
                     Flow::Shared<Installer> installer, Flow::Shared<Utils::GAnalytics> analytics,
                     Flow::Shared<RecoveryManager> recovery);

    bool work(Flow::Shared<QObject>& data) override;
    // Any thread: ends the download under way and drops what the installer has queued.
    void abort() override;

protected:
    void reset() override;

private:
    enum class Step { Done, Failed, Stopped };

    Step backup(InstallUpdate& update);
    Step download(InstallUpdate& update, QString& archive);
    Step unpack(InstallUpdate& update, const QString& archive);
    void sendEvent(const QString& action) const;

    const QString m_workingFolder;
    const Flow::Shared<Net::IDownloader> m_downloader;
    const Flow::Shared<Installer> m_installer;
    const Flow::Shared<Utils::GAnalytics> m_analytics;
    const Flow::Shared<RecoveryManager> m_recovery;
    // Stops an archive being packed or extracted.
    std::atomic<bool> m_cancel{false};
};

}  // namespace Qln

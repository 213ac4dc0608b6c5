#include "backup/recoveryinstaller.h"

#include <QDebug>
#include <QRegularExpression>
#include <atomic>

#include "backup/installrecovery.h"
#include "base/logcategories.h"
#include "hardware/installer.h"
#include "hardware/systemactions.h"

namespace Qln {

RecoveryInstaller::RecoveryInstaller(Flow::Shared<Installer> installer,
                                     const QString& workingFolder)
    : m_installer(std::move(installer)), m_workingFolder(workingFolder) {}

bool RecoveryInstaller::work(Flow::Shared<QObject>& data) {
    const Flow::Shared<InstallRecovery> item = std::dynamic_pointer_cast<InstallRecovery>(data);
    if (!item) {
        return true;
    }
    std::atomic<bool> cancel{false};
    const Flow::Worker::AbortHook hook = Flow::Worker::onAbort([&cancel] { cancel = true; });
    InstallState* state = item->state();
    state->postStatus(InstallState::Unpacking);
    DriverPackage package = item->package();
    QString error;
    if (!m_installer) {
        error = QStringLiteral("no installer");
    } else if (package.unpack(m_workingFolder, &error, &cancel)) {
        // Records of the oldest versions are named after their file, not the INF's SHA-1,
        // and the Installer finds the INF by its SHA-1 alone.
        static const QRegularExpression sha1(QStringLiteral("^[0-9a-fA-F]{40}$"));
        if (!sha1.match(package.id).hasMatch()) {
            package.id = System::fileSha1(package.path);
        }
    }
    if (isAborted()) {
        // Stopped by the program's end: the point stays as it was.
        state->postStatus(InstallState::Normal);
        return false;
    }
    if (!package.isUnpacked()) {
        qCWarning(lcBackup).noquote()
            << "Recovery unpack error:" << item->changes()->driver()->name() << error;
        state->postStatus(InstallState::Error);
        return true;
    }
    item->setUnpacked(package);
    state->postStatus(InstallState::Waiting);
    m_installer->append(item);
    return true;
}

}  // namespace Qln

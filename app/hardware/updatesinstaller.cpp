#include "hardware/updatesinstaller.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QUrl>

#include "backup/recoverymanager.h"
#include "base/logcategories.h"
#include "hardware/installer.h"
#include "hardware/installupdate.h"
#include "hardware/systemactions.h"
#include "hardware/updatedataserializer.h"
#include "hardware/updateswrapper.h"
#include "net/ganalytics.h"
#include "net/idownloader.h"

namespace Qln {

namespace {

const QString kCategory = QStringLiteral("Drivers-install-screen");
// Progress units of the whole run, shared out over its packages.
constexpr int kWeight = 100;

}  // namespace

UpdatesInstaller::UpdatesInstaller(const QString& workingFolder,
                                   Flow::Shared<Net::IDownloader> downloader,
                                   Flow::Shared<Installer> installer,
                                   Flow::Shared<Utils::GAnalytics> analytics,
                                   Flow::Shared<RecoveryManager> recovery)
    : Flow::Worker(kWeight),
      m_workingFolder(workingFolder),
      m_downloader(std::move(downloader)),
      m_installer(std::move(installer)),
      m_analytics(std::move(analytics)),
      m_recovery(std::move(recovery)) {}

void UpdatesInstaller::reset() {
    Flow::Worker::reset();
    m_cancel = false;
}

void UpdatesInstaller::abort() {
    m_cancel = true;
    if (m_downloader) {
        m_downloader->abort();
    }
    // Only the pipeline's own packages leave the queue: a rollback or a restore queued beside
    // them runs on.
    if (m_installer) {
        m_installer->cancel([](const InstallSource& source) {
            return qobject_cast<const InstallUpdate*>(&source) != nullptr;
        });
    }
}

void UpdatesInstaller::sendEvent(const QString& action) const {
    if (m_analytics) {
        m_analytics->sendEvent(kCategory, action);
    }
}

bool UpdatesInstaller::work(Flow::Shared<QObject>& data) {
    qCInfo(lcHardware) << "UpdatesInstaller begin";
    const auto wrapper = std::dynamic_pointer_cast<UpdatesWrapper>(data);
    const QList<Flow::Shared<InstallUpdate>> updates =
        wrapper ? wrapper->updates() : QList<Flow::Shared<InstallUpdate>>();
    for (int index = 0; index < updates.size() && !isAborted(); ++index) {
        InstallUpdate& update = *updates.at(index);
        // The device's name is the message; the page shows each package's status itself.
        progress(kWeight * index / updates.size(), update.name());
        qCDebug(lcHardware).noquote() << index + 1 << update.name();
        update.state()->postStatus(InstallState::Waiting);

        Step step = backup(update);
        if (step == Step::Done && !isAborted()) {
            QString archive;
            step = download(update, archive);
            if (step == Step::Done && !isAborted()) {
                step = unpack(update, archive);
            }
        }
        if (step == Step::Failed) {
            continue;
        }
        if (step == Step::Stopped || isAborted()) {
            break;
        }
        update.state()->postStatus(InstallState::Waiting);
        m_installer->append(updates.at(index));
    }
    if (!isAborted()) {
        progress(kWeight, QString());
        // Also offers the reboot when an installation asked for one.
        m_installer->waitForFinished();
    }
    qCInfo(lcHardware) << "UpdatesInstaller end";
    return true;
}

UpdatesInstaller::Step UpdatesInstaller::backup(InstallUpdate& update) {
    const auto failed = [&](const QString& why) {
        qCWarning(lcHardware).noquote() << "Backup failed:" << update.name() << why;
        update.state()->postStatus(InstallState::Error);
        sendEvent(QStringLiteral("Backup-error"));
        return Step::Failed;
    };
    const Flow::Shared<Hrdw::Hardware>& hardware = update.hardware();
    if (!hardware || !UpdateDataSerializer::hasInstalledDriver(*hardware)) {
        return failed(QStringLiteral("no installed driver"));
    }
    if (!m_recovery) {
        return failed(QStringLiteral("no recovery manager"));
    }
    QString error;
    update.backup = m_recovery->backup(*hardware->driver, &error, &m_cancel);
    if (!update.backup.packed) {
        return isAborted() ? Step::Stopped : failed(error);
    }
    m_recovery->addRecoveryPoint(*hardware, update.className(), update.backup);
    return Step::Done;
}

UpdatesInstaller::Step UpdatesInstaller::download(InstallUpdate& update, QString& archive) {
    update.state()->postStatus(InstallState::Download);
    const auto failed = [&](const QString& why) {
        qCWarning(lcHardware).noquote() << "Download failed:" << update.name() << why;
        update.state()->postStatus(InstallState::Error);
        sendEvent(QStringLiteral("Download-error"));
        return isAborted() ? Step::Stopped : Step::Failed;
    };
    const DriverOffer* offer = update.selectedOffer();
    if (!offer || !m_downloader) {
        return failed(QStringLiteral("no offer"));
    }
    const QString folder = m_recovery->downloadFolder();
    QDir().mkpath(folder);
    archive = QDir(folder).filePath(offer->infSha1 + QStringLiteral(".zip"));
    // Written beside and renamed once complete: an archive under its final name is whole.
    QSaveFile file(archive);
    if (!file.open(QIODevice::WriteOnly)) {
        return failed(file.errorString());
    }
    m_downloader->setExpectedSize(static_cast<qint64>(offer->size));
    InstallState* state = update.state();
    const Net::DownloadResult result = m_downloader->download(
        QUrl(offer->downloadUrl), Net::Headers(), &file, [state](qint64 received, quint64 total) {
            emit state->downloadProgress(received, static_cast<qint64>(total));
        });
    if (isAborted()) {
        file.cancelWriting();
        return failed(QStringLiteral("aborted"));
    }
    if (!result.isOk() || !result.response.isSuccess()) {
        file.cancelWriting();
        return failed(QStringLiteral("%1 (http %2) %3")
                          .arg(result.error)
                          .arg(result.response.status)
                          .arg(result.message));
    }
    if (!file.commit()) {
        return failed(file.errorString());
    }
    return Step::Done;
}

UpdatesInstaller::Step UpdatesInstaller::unpack(InstallUpdate& update, const QString& archive) {
    update.state()->postStatus(InstallState::Unpacking);
    const auto failed = [&](const QString& why) {
        qCWarning(lcHardware).noquote() << "Unpack failed:" << update.name() << why;
        update.state()->postStatus(InstallState::Error);
        sendEvent(QStringLiteral("Unpack-error"));
        return isAborted() ? Step::Stopped : Step::Failed;
    };
    const DriverOffer& offer = *update.selectedOffer();
    // Exactly as the service gave it: an upper-case hash never matches.
    const QString sha1 = System::fileSha1(archive);
    if (sha1.isEmpty() || sha1 != offer.fileSha1) {
        QFile::remove(archive);
        return failed(QStringLiteral("SHA-1 %1, offered %2").arg(sha1, offer.fileSha1));
    }
    DriverPackage package;
    package.id = offer.infSha1;
    package.inf = offer.infPath;
    package.path = archive;
    package.packed = true;
    QString error;
    if (!package.unpack(m_workingFolder, &error, &m_cancel) || !package.isUnpacked()) {
        return failed(error);
    }
    update.unpacked = package;
    return Step::Done;
}

}  // namespace Qln

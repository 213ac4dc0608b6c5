#include "backup/backupsinstaller.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMetaObject>

#include "backup/installbackup.h"
#include "base/logcategories.h"
#include "formats/zip.h"
#include "hardware/installer.h"
#include "net/ganalytics.h"

namespace Qln {

BackupsInstaller::BackupsInstaller(Flow::Shared<Installer> installer, const QString& workingFolder,
                                   Flow::Weak<Utils::GAnalytics> analytics)
    : Flow::Worker(100),
      m_installer(std::move(installer)),
      m_workingFolder(workingFolder),
      m_analytics(std::move(analytics)) {}

bool BackupsInstaller::work(Flow::Shared<QObject>& data) {
    const auto list = std::dynamic_pointer_cast<BackupInstallList>(data);
    if (!list || !m_installer) {
        return false;
    }
    // Each driver gets its own folder, unpacked once: an item still installing from it must
    // not see it replaced by the next one's files.
    QHash<QString, DriverPackage> unpacked;
    const int count = list->items.size();
    for (int i = 0; i < count && !isAborted(); ++i) {
        progress(50 * i / count, QString());
        const Flow::Shared<InstallBackup>& item = list->items.at(i);
        item->state()->postStatus(InstallState::Unpacking);
        const QString id = item->driver().id;
        if (!unpacked.contains(id)) {
            const QString folder = QDir(m_workingFolder).filePath(id);
            formats::ZipExtractOptions options;
            options.prefix = (id + QLatin1Char('/')).toStdString();
            options.cancel = abortFlag();
            std::string error;
            DriverPackage package;
            if (formats::extractZip(item->archivePath().toStdString(), folder.toStdString(),
                                    options, error)) {
                package.id = id;
                package.inf = item->driver().inf;
                package.path = QDir(folder).absoluteFilePath(package.inf);
                package.packed = false;
            } else if (!isAborted()) {
                qCWarning(lcBackup).noquote()
                    << "Backup unpack failed:" << id << QString::fromStdString(error);
            }
            unpacked.insert(id, package);
        }
        if (isAborted()) {
            item->state()->postStatus(InstallState::Normal);
            break;
        }
        const DriverPackage package = unpacked.value(id);
        if (!package.isUnpacked() || !QFileInfo(package.path).isFile()) {
            item->state()->postStatus(InstallState::Error);
            if (const auto analytics = m_analytics.lock()) {
                QMetaObject::invokeMethod(analytics.get(), [analytics] {
                    analytics->sendEvent(QStringLiteral("Backups-install-screen"),
                                         QStringLiteral("Unpack-error"));
                });
            }
            continue;
        }
        item->setUnpacked(package);
        item->state()->postStatus(InstallState::Waiting);
        {
            // Known as ours before it is queued, so that a stop from now on finds it.
            std::lock_guard<std::mutex> lock(m_ownMutex);
            m_queued.insert(item.get());
            m_appended += 2;
        }
        m_installer->append(item);
        m_installer->append(item);
    }
    bool anyQueued = false;
    {
        std::lock_guard<std::mutex> lock(m_ownMutex);
        if (isAborted()) {
            // What was queued after the stop had taken back the rest.
            cancelOwn();
        }
        anyQueued = m_cancelled < m_appended;
    }
    if (anyQueued) {
        m_installer->waitForFinished();
    }
    {
        std::lock_guard<std::mutex> lock(m_ownMutex);
        m_queued.clear();
        m_appended = 0;
        m_cancelled = 0;
    }
    progress(100, QString());
    return !isAborted();
}

void BackupsInstaller::cancelOwn() {
    if (m_queued.isEmpty()) {
        return;
    }
    m_cancelled += m_installer->cancel(
        [this](const InstallSource& source) { return m_queued.contains(&source); });
}

void BackupsInstaller::abort() {
    if (m_installer) {
        std::lock_guard<std::mutex> lock(m_ownMutex);
        cancelOwn();
    }
    Flow::Worker::abort();
}

}  // namespace Qln

#include "hardware/driverupdates.h"

#include <QDir>

#include "backup/recoverymanager.h"
#include "base/logcategories.h"
#include "hardware/deviceselectviewmodel.h"
#include "hardware/findupdatetask.h"
#include "hardware/installer.h"
#include "hardware/installreporter.h"
#include "hardware/installupdate.h"
#include "hardware/installupdatestask.h"
#include "hardware/updateswrapper.h"
#include "net/multidownloader.h"
#include "net/serviceclient.h"

namespace Qln {

namespace {

void emptyFolder(const QString& path) {
    QDir folder(path);
    if (path.isEmpty() || !folder.exists()) {
        return;
    }
    const QFileInfoList entries =
        folder.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        // A link is removed itself, never followed into what it names.
        const bool removed = entry.isDir() && !entry.isSymLink()
                                 ? QDir(entry.filePath()).removeRecursively()
                                 : QFile::remove(entry.filePath());
        if (!removed) {
            qCWarning(lcHardware).noquote() << "Unpack entry not removed:" << entry.filePath();
        }
    }
}

}  // namespace

DriverUpdates::DriverUpdates(const Services& services, QObject* parent)
    : QObject(parent),
      m_unpackFolder(services.unpackFolder),
      m_installer(services.installer),
      m_recovery(services.recovery) {
    if (!m_unpackFolder.isEmpty() && !QDir().mkpath(m_unpackFolder)) {
        qCWarning(lcHardware).noquote() << "Unpack folder not created:" << m_unpackFolder;
    }
    const Flow::Shared<ServiceClient>& client = services.serviceClient;
    const Net::Method search = client ? client->findUpdatesMethod() : Net::Method();
    m_finder = new FindUpdateTask(services.includeSystemDevices, search, this);

    Flow::Shared<Net::IDownloader> downloader;
    if (client) {
        m_reporter = std::make_shared<InstallReporter>(client->reportMethod());
        // A worker may hold the last reference; the downloader must end on its own thread.
        downloader =
            Flow::Shared<Net::IDownloader>(client->createDownloader(), [](Net::IDownloader* held) {
                static_cast<Net::MultiDownloader*>(held)->deleteLater();
            });
    }
    m_installTask = new InstallUpdatesTask(m_unpackFolder, downloader, services.installer,
                                           services.analytics, m_recovery, this);
    connect(m_installTask, &Task::finished, this, [this] {
        if (m_installPending) {
            m_installPending = false;
            runInstallation();
        }
    });
}

DriverUpdates::~DriverUpdates() {
    m_finder->abort();
    m_finder->wait();
    // The run keeps what it uses, so it need not be waited for here.
    m_installTask->abort();
    // Installer may still be reading its package from there; the end of the next run empties it.
    if (m_installer && m_installer->isBusy()) {
        qCInfo(lcHardware).noquote()
            << "Unpack folder kept, an installation runs:" << m_unpackFolder;
    } else {
        emptyFolder(m_unpackFolder);
    }
}

void DriverUpdates::install(const QList<DeviceSelectViewModel*>& rows) {
    qCInfo(lcHardware).noquote() << "Install list:" << rows.size() << "devices";
    QList<Flow::Shared<InstallUpdate>> list;
    for (const DeviceSelectViewModel* row : rows) {
        auto update = std::make_shared<InstallUpdate>(row->hardware(), row->className(),
                                                      row->offers(), row->selectDriverIndex());
        update->setRecording(m_recovery, m_reporter);
        list.append(std::move(update));
    }
    // A view may still be bound to the rows of the last list until it reads this one.
    const QList<Flow::Shared<InstallUpdate>> previous = m_installList;
    m_installList = list;
    emit installListChanged();
    for (const Flow::Shared<InstallUpdate>& update : previous) {
        QMetaObject::invokeMethod(
            this, [held = update] {}, Qt::QueuedConnection);
    }
    if (m_installTask->isRunning()) {
        m_installPending = true;
        m_installTask->abort();
        return;
    }
    runInstallation();
}

void DriverUpdates::abortInstall() {
    m_installPending = false;
    m_installTask->abort();
}

void DriverUpdates::runInstallation() {
    m_installTask->start(std::make_shared<UpdatesWrapper>(m_installList));
}

}  // namespace Qln

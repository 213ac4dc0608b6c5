#include "backup/recoverymanager.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include "base/logcategories.h"
#include "hardware/driver.h"
#include "hardware/driveroffer.h"
#include "hardware/hardware.h"
#include "hardware/installer.h"

namespace Qln {

namespace {

// A point may be let go of on the installer's or a task's thread; it dies on its own.
void releasePoint(InstallRecovery* point) {
    if (point->thread() == QThread::currentThread()) {
        delete point;
    } else {
        point->deleteLater();
    }
}

}  // namespace

RecoveryManager::RecoveryManager(const Folders& folders, Flow::Shared<Installer> installer,
                                 QObject* parent)
    : QObject(parent),
      m_folders(folders),
      m_files(std::make_shared<RecoveryFiles>(
          QDir(folders.appData).filePath(QStringLiteral("recovery")),
          QDir(folders.appData).filePath(QStringLiteral("history")), folders.archives)),
      m_wrapper(std::move(installer), folders.unpack) {
    QString error;
    const QList<InstallRecovery::Fields> points = m_files->readRecovery(&error);
    if (!error.isEmpty()) {
        qCWarning(lcBackup).noquote() << "Recovery file not read:" << error;
    }
    for (const InstallRecovery::Fields& point : points) {
        m_points.append(makePoint(point));
    }
    error.clear();
    const QList<DriverChanges::Fields> entries = m_files->readHistory(&error);
    if (!error.isEmpty()) {
        qCWarning(lcBackup).noquote() << "History file not read:" << error;
    }
    for (const DriverChanges::Fields& entry : entries) {
        m_history.append(new DriverChanges(entry, this));
    }
}

RecoveryManager::~RecoveryManager() = default;

template <typename Function>
void RecoveryManager::onOwnThread(Function function) {
    if (QThread::currentThread() == thread()) {
        function();
    } else {
        QMetaObject::invokeMethod(this, std::move(function), Qt::QueuedConnection);
    }
}

Flow::Shared<InstallRecovery> RecoveryManager::makePoint(const InstallRecovery::Fields& fields) {
    auto* point = new InstallRecovery(fields);
    point->moveToThread(thread());
    point->setFiles(m_files);
    connect(point, &InstallRecovery::RolledBack, this, &RecoveryManager::OnRolledBack,
            Qt::QueuedConnection);
    return Flow::Shared<InstallRecovery>(point, releasePoint);
}

DriverPackage RecoveryManager::backup(const Hrdw::Driver& driver, QString* error,
                                      const std::atomic<bool>* cancel) const {
    DriverPackage package = DriverPackage::ofInstalledDriver(driver);
    package.pack(m_folders.archives, error, cancel);
    return package;
}

bool RecoveryManager::addRecoveryPoint(const Hrdw::Hardware& hardware, const QString& className,
                                       const DriverPackage& package) {
    if (!package.packed) {
        return false;
    }
    InstallRecovery::Fields fields;
    fields.package = package;
    fields.hardwareId = hardware.id;
    DriverDescription::Fields& driver = fields.changes.driver;
    driver.name = hardware.name;
    driver.category = className;
    if (hardware.driver) {
        driver.provider = hardware.driver->provider;
        driver.version = hardware.driver->version;
        driver.date = hardware.driver->date;
    }
    driver.size = static_cast<quint64>(QFileInfo(package.path).size());
    fields.changes.changesDate = QDate::currentDate();
    QString error;
    if (!m_files->appendRecovery({fields}, &error)) {
        qCWarning(lcBackup).noquote() << "Recovery line not written:" << error;
    }
    Flow::Shared<InstallRecovery> point = makePoint(fields);
    onOwnThread([this, point] {
        m_points.append(point);
        emit historyChanged();
    });
    return true;
}

void RecoveryManager::addHistoryEntry(const Hrdw::Hardware& hardware, const QString& className,
                                      const DriverOffer& offer) {
    DriverChanges::Fields entry;
    entry.driver.name = hardware.name;
    entry.driver.category = className;
    entry.driver.provider = offer.provider;
    entry.driver.version = offer.version;
    entry.driver.date = offer.date;
    entry.driver.size = offer.size;
    entry.changesDate = QDate::currentDate();
    appendHistory(entry);
    onOwnThread([this] { emit historyChanged(); });
}

void RecoveryManager::appendHistory(const DriverChanges::Fields& entry) {
    QString error;
    if (!m_files->appendHistory({entry}, &error)) {
        qCWarning(lcBackup).noquote() << "History line not written:" << error;
    }
    onOwnThread([this, entry] { m_history.append(new DriverChanges(entry, this)); });
}

QList<QObject*> RecoveryManager::recoveryList() const {
    QList<QObject*> list;
    for (const Flow::Shared<InstallRecovery>& point : m_points) {
        list.append(point.get());
    }
    return list;
}

QList<QObject*> RecoveryManager::history() const {
    QList<QObject*> list;
    for (DriverChanges* entry : m_history) {
        list.append(entry);
    }
    return list;
}

void RecoveryManager::recovery(InstallRecovery* rec) {
    for (const Flow::Shared<InstallRecovery>& point : m_points) {
        if (point.get() != rec) {
            continue;
        }
        const InstallState::InstallStatus status = point->state()->status();
        // A failed rollback may be tried again; one under way or done may not.
        if (status == InstallState::Normal || status == InstallState::Error) {
            m_wrapper.start(point);
        }
        return;
    }
}

void RecoveryManager::OnRolledBack(InstallRecovery* item) {
    int index = 0;
    while (index < m_points.size() && m_points[index].get() != item) {
        ++index;
    }
    if (index == m_points.size()) {
        return;
    }
    const Flow::Shared<InstallRecovery> point = m_points.takeAt(index);
    // The files already hold the change.
    m_history.append(new DriverChanges(point->rolledBackEntry(), this));
    emit historyChanged();
    // The page may still show the row until the change reaches it.
    QMetaObject::invokeMethod(
        this, [point] {}, Qt::QueuedConnection);
}

}  // namespace Qln

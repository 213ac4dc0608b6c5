#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <atomic>

#include "backup/driverchanges.h"
#include "backup/driverpackage.h"
#include "backup/installrecovery.h"
#include "backup/recoveryfiles.h"
#include "backup/recoverywrapper.h"
#include "base/shared.h"

namespace Hrdw {
struct Driver;
struct Hardware;
}  // namespace Hrdw

namespace Qln {

class Installer;
struct DriverOffer;

// The recovery points and the history of the running program: their files, the lists the
// pages show, and the rollbacks. One lives for the whole run, on the GUI thread; the update
// pipeline calls it from its worker thread.
class RecoveryManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<QObject*> recoveryList READ recoveryList NOTIFY historyChanged)
    Q_PROPERTY(QList<QObject*> history READ history NOTIFY historyChanged)

public:
    struct Folders {
        QString appData;    // holds the files "recovery" and "history"
        QString archives;   // the recovery archives, id + ".zip"
        QString unpack;     // where a rollback extracts its archive
        QString downloads;  // the update pipeline's download folder
    };

    // Reads both files.
    RecoveryManager(const Folders& folders, Flow::Shared<Installer> installer,
                    QObject* parent = nullptr);
    ~RecoveryManager() override;

    QString archiveFolder() const { return m_folders.archives; }
    QString downloadFolder() const { return m_folders.downloads; }
    QString unpackFolder() const { return m_folders.unpack; }
    const RecoveryFiles& files() const { return *m_files; }
    RecoveryWrapper& wrapper() { return m_wrapper; }

    // The update pipeline's side; callable from any thread.
    //
    // The package of the device's installed driver, packed into the archive folder when that
    // worked (packed set), else as it was with error set.
    DriverPackage backup(const Hrdw::Driver& driver, QString* error = nullptr,
                         const std::atomic<bool>* cancel = nullptr) const;
    // Records the point of a packed backup made before updating this hardware; false, and
    // nothing recorded, for a package that is not packed.
    bool addRecoveryPoint(const Hrdw::Hardware& hardware, const QString& className,
                          const DriverPackage& package);
    // Records the offer installed on this hardware.
    void addHistoryEntry(const Hrdw::Hardware& hardware, const QString& className,
                         const DriverOffer& offer);

    // GUI thread only, like everything below.
    QList<QObject*> recoveryList() const;
    QList<QObject*> history() const;
    const QList<Flow::Shared<InstallRecovery>>& recoveryPoints() const { return m_points; }
    const QList<DriverChanges*>& historyEntries() const { return m_history; }

    // Starts the rollback of a point that is not already under way.
    Q_INVOKABLE void recovery(Qln::InstallRecovery* rec);

signals:
    // Either list changed.
    void historyChanged();

private slots:
    void OnRolledBack(Qln::InstallRecovery* item);

private:
    Flow::Shared<InstallRecovery> makePoint(const InstallRecovery::Fields& fields);
    void appendHistory(const DriverChanges::Fields& entry);
    // Runs on the manager's thread, at once when called there.
    template <typename Function>
    void onOwnThread(Function function);

    const Folders m_folders;
    const Flow::Shared<RecoveryFiles> m_files;
    RecoveryWrapper m_wrapper;
    QList<Flow::Shared<InstallRecovery>> m_points;
    QList<DriverChanges*> m_history;
};

}  // namespace Qln

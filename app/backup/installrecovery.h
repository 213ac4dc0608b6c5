#pragma once

#include <QMutex>
#include <QObject>
#include <QString>

#include "backup/driverchanges.h"
#include "backup/driverpackage.h"
#include "base/shared.h"
#include "hardware/installsource.h"

namespace Qln {

class RecoveryFiles;

// One recovery point: the archived driver a device had before an update, installed back
// through the Installer with the rollback flag.
class InstallRecovery : public InstallSource {
    Q_OBJECT
    Q_PROPERTY(Qln::DriverChanges* changes READ changes CONSTANT)

public:
    struct Fields {
        DriverPackage package;  // packed: the archive
        QString hardwareId;
        // The driver the rollback restores, and the day the point was made.
        DriverChanges::Fields changes;
    };

    explicit InstallRecovery(const Fields& fields, QObject* parent = nullptr);

    DriverChanges* changes() const { return m_changes; }
    Fields fields() const;
    const DriverPackage& package() const { return m_package; }
    QString hardwareId() const { return m_hardwareId; }
    // Set by the rollback once the archive is extracted; read by the installer's thread.
    DriverPackage unpacked() const;
    void setUnpacked(const DriverPackage& package);

    // Where a successful rollback records itself, from whichever thread reports it: so that
    // the files hold the change even when the program ends before the views hear of it.
    void setFiles(Flow::Shared<RecoveryFiles> files);
    // The history entry of the successful rollback; valid once RolledBack was emitted.
    DriverChanges::Fields rolledBackEntry() const;

    Q_INVOKABLE void showInExplorer() const;

    InstallRequest installRequest() const override;

signals:
    // The Installer reported success and the files record it; emitted on the installer's
    // thread.
    void RolledBack(Qln::InstallRecovery* item);

protected:
    void handleResult(const InstallResult& result) override;

private:
    DriverChanges* m_changes;
    const DriverPackage m_package;
    const QString m_hardwareId;
    mutable QMutex m_mutex;
    DriverPackage m_unpacked;                 // guarded by m_mutex
    Flow::Shared<RecoveryFiles> m_files;      // guarded by m_mutex
    DriverChanges::Fields m_rolledBackEntry;  // guarded by m_mutex
};

}  // namespace Qln

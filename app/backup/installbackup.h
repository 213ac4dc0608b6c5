#pragma once

#include <QMutex>
#include <QString>
#include <atomic>

#include "backup/backupdriver.h"
#include "backup/driverpackage.h"
#include "hardware/installsource.h"

namespace Qln {

// One saved driver to restore onto one hardware. Installed twice: first with rollback set,
// then, once that succeeded, without.
class InstallBackup : public InstallSource {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)

public:
    InstallBackup(const Backup::BackupDriver& driver, int hardwareIndex, const QString& archivePath,
                  QObject* parent = nullptr);

    QString name() const;
    const Backup::BackupDriver& driver() const { return m_driver; }
    QString hardwareId() const;
    QString archivePath() const { return m_archivePath; }

    DriverPackage unpacked() const;
    void setUnpacked(const DriverPackage& package);
    bool isFirstPass() const { return m_firstPass; }

    InstallRequest installRequest() const override;
    void setResult(const InstallResult& result) override;
    void dropped() override;

private:
    Backup::BackupDriver m_driver;
    int m_hardwareIndex;
    QString m_archivePath;
    mutable QMutex m_mutex;
    DriverPackage m_unpacked;
    std::atomic<bool> m_firstPass{true};
    bool m_dropped = false;  // guarded by m_mutex
};

}  // namespace Qln

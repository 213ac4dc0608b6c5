#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "base/shared.h"

namespace Utils {
class GAnalytics;
}

namespace Qln {

class DeviceSelectViewModel;
class FindUpdateTask;
class InstallReporter;
class InstallUpdate;
class InstallUpdatesTask;
class Installer;
class RecoveryManager;
class ServiceClient;

// The drivers' jobs, whoever asks for them (the drivers page, the console program): the scan
// and search, and the installation of chosen offers through the update pipeline, recorded for
// recovery and reported to the service.
class DriverUpdates : public QObject {
    Q_OBJECT

public:
    struct Services {
        QString unpackFolder;
        bool includeSystemDevices = false;
        Flow::Shared<ServiceClient> serviceClient;  // none: the search fails at once
        Flow::Shared<Installer> installer;
        Flow::Shared<Utils::GAnalytics> analytics;
        Flow::Shared<RecoveryManager> recovery;
    };

    explicit DriverUpdates(const Services& services, QObject* parent = nullptr);
    // Ends the scan; the package being installed runs to its end, nothing queued after it starts.
    // Empties the unpack folder unless Installer still reads from it.
    ~DriverUpdates() override;

    FindUpdateTask* finder() const { return m_finder; }
    InstallUpdatesTask* installer() const { return m_installTask; }
    // The packages of the last installation, in install order.
    const QList<Flow::Shared<InstallUpdate>>& installList() const { return m_installList; }
    // Null without a service client. Destroying this object drops the reports not yet sent.
    InstallReporter* reporter() const { return m_reporter.get(); }

    // Installs each row's chosen offer, in row order; when the last installation is still
    // ending, this one starts once it has.
    void install(const QList<DeviceSelectViewModel*>& rows);
    void abortInstall();

signals:
    void installListChanged();

private:
    void runInstallation();

    QString m_unpackFolder;
    Flow::Shared<Installer> m_installer;
    Flow::Shared<RecoveryManager> m_recovery;
    Flow::Shared<InstallReporter> m_reporter;
    FindUpdateTask* m_finder;
    InstallUpdatesTask* m_installTask;
    QList<Flow::Shared<InstallUpdate>> m_installList;
    bool m_installPending = false;
};

}  // namespace Qln

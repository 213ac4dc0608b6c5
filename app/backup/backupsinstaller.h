#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <mutex>

#include "base/worker.h"

namespace Utils {
class GAnalytics;
}

namespace Qln {

class InstallBackup;
class InstallSource;
class Installer;

// The chain's data for one restore: the items chosen, in order.
class BackupInstallList : public QObject {
    Q_OBJECT

public:
    explicit BackupInstallList(QList<Flow::Shared<InstallBackup>> items, QObject* parent = nullptr)
        : QObject(parent), items(std::move(items)) {}

    QList<Flow::Shared<InstallBackup>> items;
};

// Unpacks each chosen driver from the archive and has the Installer client install it twice
// (first with rollback, then without); waits until the client is done. A stop takes back only
// this restore's entries still queued: the client is shared with the update pipeline and the
// rollbacks, and the installation under way ends on its own.
class BackupsInstaller : public Flow::Worker {
public:
    BackupsInstaller(Flow::Shared<Installer> installer, const QString& workingFolder,
                     Flow::Weak<Utils::GAnalytics> analytics = {});

    bool work(Flow::Shared<QObject>& data) override;
    void abort() override;

private:
    // Drops this run's queued entries from the client; m_ownMutex held.
    void cancelOwn();

    Flow::Shared<Installer> m_installer;
    QString m_workingFolder;
    Flow::Weak<Utils::GAnalytics> m_analytics;
    std::mutex m_ownMutex;
    // The items this run has queued.
    QSet<const InstallSource*> m_queued;
    int m_appended = 0;
    int m_cancelled = 0;
};

}  // namespace Qln

#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <atomic>

#include "base/worker.h"

namespace Utils {
class GAnalytics;
}

namespace Qln {

class InstallBackup;
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
// (first with rollback, then without); waits until the client is done.
class BackupsInstaller : public Flow::Worker {
public:
    BackupsInstaller(Flow::Shared<Installer> installer, const QString& workingFolder,
                     Flow::Weak<Utils::GAnalytics> analytics = {});

    bool work(Flow::Shared<QObject>& data) override;
    void abort() override;

protected:
    void reset() override;

private:
    Flow::Shared<Installer> m_installer;
    QString m_workingFolder;
    Flow::Weak<Utils::GAnalytics> m_analytics;
    std::atomic<bool> m_stop{false};
};

}  // namespace Qln

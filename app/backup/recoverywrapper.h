#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "base/shared.h"

namespace Qln {

class InstallRecovery;
class Installer;
class RecoveryTask;

// Runs rollbacks, each in a task of its own; idle tasks are reused. The shared Installer client
// installs them one after the other.
class RecoveryWrapper {
public:
    RecoveryWrapper(Flow::Shared<Installer> installer, const QString& workingFolder);
    ~RecoveryWrapper();
    RecoveryWrapper(const RecoveryWrapper&) = delete;
    RecoveryWrapper& operator=(const RecoveryWrapper&) = delete;

    void start(const Flow::Shared<InstallRecovery>& item);

    const Flow::Shared<Installer>& installer() const { return m_installer; }
    QString workingFolder() const { return m_workingFolder; }
    int taskCount() const { return static_cast<int>(m_tasks.size()); }

private:
    const Flow::Shared<Installer> m_installer;
    const QString m_workingFolder;
    std::vector<std::unique_ptr<RecoveryTask>> m_tasks;
};

}  // namespace Qln

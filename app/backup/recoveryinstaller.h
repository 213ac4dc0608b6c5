#pragma once

#include <QString>

#include "base/shared.h"
#include "base/worker.h"

namespace Qln {

class Installer;

// Rolls one recovery point back: extracts its archive into the working folder and queues it on
// the Installer client with the rollback flag. Other inputs are ignored.
class RecoveryInstaller : public Flow::Worker {
public:
    RecoveryInstaller(Flow::Shared<Installer> installer, const QString& workingFolder);

    bool work(Flow::Shared<QObject>& data) override;

private:
    const Flow::Shared<Installer> m_installer;
    const QString m_workingFolder;
};

}  // namespace Qln

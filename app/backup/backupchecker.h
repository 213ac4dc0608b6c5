#pragma once

#include <atomic>

#include "backup/backuparchmodel.h"
#include "base/worker.h"
#include "hardware/inventory.h"

namespace Qln::Backup {

class CheckState;
class BackupModel;

// Compares a read backup with a fresh scan: which saved drivers differ from what is installed
// (restorable), which match it, which hardware is gone and which is new.
class Checker : public Flow::Worker {
public:
    explicit Checker(Flow::Shared<CheckState> state);

    bool work(Flow::Shared<QObject>& data) override;

    // Each saved (driver, hardware) pair is matched at most once, in the backup's order.
    static BackupArchModel compare(const BackupModel& model, const Hrdw::Inventory& inventory,
                                   const std::atomic<bool>* stop = nullptr);

private:
    Flow::Shared<CheckState> m_state;
};

}  // namespace Qln::Backup

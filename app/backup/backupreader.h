#pragma once

#include "base/worker.h"

namespace Qln::Backup {

class CheckState;

// Reads a backup archive's "info" into a new BackupModel; a damaged or hostile archive ends
// the check with a log line that names the fault.
class Reader : public Flow::Worker {
public:
    explicit Reader(Flow::Shared<CheckState> state);

    bool work(Flow::Shared<QObject>& data) override;

private:
    Flow::Shared<CheckState> m_state;
};

}  // namespace Qln::Backup

#pragma once

#include <QString>

#include "base/shared.h"
#include "base/task.h"

namespace Qln {

class Installer;

// The task of one rollback at a time; started with the recovery point as its input.
class RecoveryTask : public Task {
    Q_OBJECT

public:
    RecoveryTask(Flow::Shared<Installer> installer, const QString& workingFolder,
                 QObject* parent = nullptr);
};

}  // namespace Qln

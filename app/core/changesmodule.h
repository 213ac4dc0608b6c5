#pragma once

#include "backup/recoverymanager.h"
#include "base/shared.h"
#include "core/module.h"

namespace Qln {

// A module whose page shows the shared recovery manager's lists.
class ChangesModule : public Module {
    Q_OBJECT
    Q_PROPERTY(Qln::RecoveryManager* recoveryManager READ recoveryManager CONSTANT)

public:
    ChangesModule(const QString& name, const QString& title, Flow::Shared<RecoveryManager> manager,
                  QObject* parent = nullptr);

    RecoveryManager* recoveryManager() const { return m_manager.get(); }

private:
    Flow::Shared<RecoveryManager> m_manager;
};

}  // namespace Qln

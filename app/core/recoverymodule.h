#pragma once

#include "core/changesmodule.h"

namespace Qln {

// The recovery page's object: the recovery points and their rollback.
class RecoveryModule : public ChangesModule {
    Q_OBJECT

public:
    explicit RecoveryModule(Flow::Shared<RecoveryManager> manager, QObject* parent = nullptr);
};

}  // namespace Qln

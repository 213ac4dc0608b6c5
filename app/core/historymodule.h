#pragma once

#include "core/changesmodule.h"

namespace Qln {

// The history page's object: the driver changes made so far.
class HistoryModule : public ChangesModule {
    Q_OBJECT

public:
    explicit HistoryModule(Flow::Shared<RecoveryManager> manager, QObject* parent = nullptr);
};

}  // namespace Qln

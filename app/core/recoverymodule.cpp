#include "core/recoverymodule.h"

namespace Qln {

RecoveryModule::RecoveryModule(Flow::Shared<RecoveryManager> manager, QObject* parent)
    : ChangesModule(QStringLiteral("recovery"), tr("RecoveryTitle"), std::move(manager), parent) {}

}  // namespace Qln

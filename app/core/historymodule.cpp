#include "core/historymodule.h"

namespace Qln {

HistoryModule::HistoryModule(Flow::Shared<RecoveryManager> manager, QObject* parent)
    : ChangesModule(QStringLiteral("history"), tr("DownloadHistoryTitle"), std::move(manager),
                    parent) {}

}  // namespace Qln

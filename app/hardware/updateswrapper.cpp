#include "hardware/updateswrapper.h"

namespace Qln {

UpdatesWrapper::UpdatesWrapper(QList<Flow::Shared<InstallUpdate>> updates, QObject* parent)
    : QObject(parent), m_updates(std::move(updates)) {}

}  // namespace Qln

#include "base/scopeprofiler.h"

#include "base/logcategories.h"

namespace Qln {

ScopeProfiler::ScopeProfiler(const QString& name) : m_name(name) {
    m_timer.start();
}

ScopeProfiler::~ScopeProfiler() {
    qCDebug(lcProfiling).noquote() << m_name << "=>" << m_timer.elapsed();
}

}  // namespace Qln

#pragma once

#include <QElapsedTimer>
#include <QString>

namespace Qln {

// Logs how long the enclosing scope took, as "<name> => <ms>" on "profiling".
class ScopeProfiler {
public:
    explicit ScopeProfiler(const QString& name);
    ~ScopeProfiler();
    ScopeProfiler(const ScopeProfiler&) = delete;
    ScopeProfiler& operator=(const ScopeProfiler&) = delete;

private:
    QString m_name;
    QElapsedTimer m_timer;
};

}  // namespace Qln

#pragma once

#include <QString>

namespace Flow {

// Where a step reports how far it has got.
class IWorkReport {
public:
    virtual ~IWorkReport() = default;
    // A step has done `value` of its weight units.
    virtual void progress(int value, const QString& message) = 0;
    // A step of this weight has finished.
    virtual void complete(int weight, const QString& message) = 0;
};

}  // namespace Flow

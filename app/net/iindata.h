#pragma once

#include <QVariant>

namespace Net {

// The data a request's body is made from.
class IInData {
public:
    virtual ~IInData() = default;
    virtual QVariant toVariant() const = 0;
};

}  // namespace Net

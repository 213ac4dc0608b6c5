#pragma once

#include <QVariant>

namespace Net {

// A result object filled from a reply.
class IOutData {
public:
    virtual ~IOutData() = default;
    virtual void setData(const QVariant& data) = 0;
};

}  // namespace Net

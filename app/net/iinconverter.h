#pragma once

#include <QByteArray>
#include <QVariant>

namespace Net {

// Turns a request's data into the bytes of its body.
class IInConverter {
public:
    virtual ~IInConverter() = default;
    virtual QByteArray convert(const QVariant& data) = 0;
};

}  // namespace Net

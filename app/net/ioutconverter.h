#pragma once

#include <QByteArray>
#include <QVariant>

namespace Net {

// Turns a reply's body into a variant tree.
class IOutConverter {
public:
    virtual ~IOutConverter() = default;
    virtual QVariant convert(const QByteArray& body) = 0;
};

}  // namespace Net

#pragma once

#include "net/ioutconverter.h"

namespace Qln {

// Reply bodies: JSON to a variant tree; anything that is not JSON gives a null variant.
class OutJsonConvert : public Net::IOutConverter {
public:
    QVariant convert(const QByteArray& body) override;
};

}  // namespace Qln

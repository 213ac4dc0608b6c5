#pragma once

#include <QByteArray>

#include "net/iinconverter.h"

namespace Qln {

// Request bodies: compact JSON in a zlib stream (announced as gzip, which the
// service accepts).
class InJsonDeflateConvert : public Net::IInConverter {
public:
    QByteArray convert(const QVariant& data) override;

    // A zlib stream of `input`; empty input, or a stream that cannot be set up, gives empty bytes.
    static QByteArray compressData(const QByteArray& input, int level);
};

}  // namespace Qln

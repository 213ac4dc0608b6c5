#include "net/injsondeflateconvert.h"

#include <zlib.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Qln {

namespace {

constexpr int kPieceSize = 4096;

}  // namespace

QByteArray InJsonDeflateConvert::convert(const QVariant& data) {
    QJsonDocument document;
    switch (static_cast<QMetaType::Type>(data.type())) {
        case QMetaType::QVariantMap:
        case QMetaType::QVariantHash:
            document = QJsonDocument(QJsonObject::fromVariantMap(data.toMap()));
            break;
        case QMetaType::QVariantList:
        case QMetaType::QStringList:
            document = QJsonDocument(QJsonArray::fromVariantList(data.toList()));
            break;
        default:
            return {};
    }
    return compressData(document.toJson(QJsonDocument::Compact), 6);
}

QByteArray InJsonDeflateConvert::compressData(const QByteArray& input, int level) {
    if (input.isEmpty()) {
        return {};
    }
    z_stream stream{};
    if (deflateInit(&stream, level) != Z_OK) {
        return {};
    }
    QByteArray output;
    unsigned char buffer[kPieceSize];
    const auto* data = reinterpret_cast<const unsigned char*>(input.constData());
    const qsizetype total = input.size();
    bool failed = false;
    for (qsizetype offset = 0; offset < total && !failed; offset += kPieceSize) {
        const qsizetype piece = std::min<qsizetype>(kPieceSize, total - offset);
        const int flush = offset + piece >= total ? Z_FINISH : Z_NO_FLUSH;
        stream.next_in = const_cast<unsigned char*>(data + offset);
        stream.avail_in = static_cast<uInt>(piece);
        do {
            stream.next_out = buffer;
            stream.avail_out = kPieceSize;
            if (deflate(&stream, flush) == Z_STREAM_ERROR) {
                failed = true;
                break;
            }
            output.append(reinterpret_cast<const char*>(buffer),
                          kPieceSize - static_cast<int>(stream.avail_out));
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return output;
}

}  // namespace Qln

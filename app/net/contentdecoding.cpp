#include "net/contentdecoding.h"

#include <zlib.h>

namespace Net {

namespace {

// windowBits: 15 + 32 detects zlib and gzip headers, -15 reads raw deflate.
bool inflateWith(const QByteArray& body, int windowBits, qint64 limit, QByteArray& out) {
    z_stream stream{};
    if (inflateInit2(&stream, windowBits) != Z_OK) {
        return false;
    }
    out.clear();
    char buffer[16384];
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.constData()));
    stream.avail_in = static_cast<uInt>(body.size());
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        result = inflate(&stream, Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END) {
            break;
        }
        out.append(buffer, static_cast<int>(sizeof buffer - stream.avail_out));
        if (out.size() > limit) {
            result = Z_MEM_ERROR;
            break;
        }
        if (result == Z_OK && stream.avail_in == 0 && stream.avail_out != 0) {
            result = Z_BUF_ERROR;  // input ended before the stream did
        }
    }
    inflateEnd(&stream);
    return result == Z_STREAM_END;
}

}  // namespace

QByteArray decodeContent(const QByteArray& body, const QString& encoding, qint64 limit,
                         qint64 compressedLimit) {
    const QString name = encoding.trimmed().toLower();
    if (body.isEmpty() || (name != QLatin1String("gzip") && name != QLatin1String("x-gzip") &&
                           name != QLatin1String("deflate"))) {
        return body;
    }
    if (body.size() > compressedLimit) {
        return {};
    }
    QByteArray out;
    if (inflateWith(body, 15 + 32, limit, out)) {
        return out;
    }
    // Some servers send raw deflate under the "deflate" label.
    if (name == QLatin1String("deflate") && inflateWith(body, -15, limit, out)) {
        return out;
    }
    return {};
}

}  // namespace Net

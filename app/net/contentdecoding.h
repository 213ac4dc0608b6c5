#pragma once

#include <QByteArray>
#include <QString>

namespace Net {

// Bodies above this size after inflation are refused rather than held in memory.
constexpr qint64 kMaxInflatedBody = 64 * 1024 * 1024;
// Compressed bodies above this size are refused before any inflating.
constexpr qint64 kMaxCompressedBody = 16 * 1024 * 1024;

// Undoes a gzip, zlib or raw deflate "Content-Encoding"; other encodings pass through.
// A damaged or oversized stream gives empty bytes.
QByteArray decodeContent(const QByteArray& body, const QString& encoding,
                         qint64 limit = kMaxInflatedBody,
                         qint64 compressedLimit = kMaxCompressedBody);

}  // namespace Net

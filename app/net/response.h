#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <QUrl>
#include <QVariant>

#include "net/knownheader.h"

class QNetworkReply;

namespace Net {

// What came back from one call; status 0 means no HTTP answer at all.
struct Response {
    int status = 0;
    QString reason;
    QHash<KnownHeader, QVariant> knownHeaders;
    QMap<QString, QString> rawHeaders;
    QUrl redirect;

    bool isSuccess() const { return status >= 200 && status <= 299; }
    bool isClientError() const { return status >= 400 && status <= 499; }
    qint64 contentLength() const;
    bool hasContentLength() const { return knownHeaders.contains(KnownHeader::ContentLength); }

    // "Accept-Ranges" is exactly "bytes".
    bool acceptsRanges() const;
    struct ContentRange {
        qint64 from = -1;
        qint64 to = -1;
        qint64 total = -1;
    };
    // "Content-Range: bytes a-b/total" or "bytes */total"; what is missing or unparsable is -1.
    ContentRange contentRange() const;

    static Response fromReply(const QNetworkReply* reply);
};

}  // namespace Net

#include "net/response.h"

#include <QNetworkReply>

namespace Net {

qint64 Response::contentLength() const {
    return knownHeaders.value(KnownHeader::ContentLength).toLongLong();
}

namespace {

// Header names arrive as the server spelled them.
QString rawHeader(const QMap<QString, QString>& headers, const QString& name) {
    for (auto it = headers.cbegin(); it != headers.cend(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0) {
            return it.value();
        }
    }
    return QString();
}

qint64 parseBound(const QString& text) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok && value >= 0 ? value : -1;
}

}  // namespace

bool Response::acceptsRanges() const {
    return rawHeader(rawHeaders, QStringLiteral("Accept-Ranges")) == QLatin1String("bytes");
}

Response::ContentRange Response::contentRange() const {
    ContentRange range;
    const QString header = rawHeader(rawHeaders, QStringLiteral("Content-Range"));
    if (!header.startsWith(QLatin1String("bytes"))) {
        return range;
    }
    const int slash = header.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        return range;
    }
    const QString span = header.mid(6, slash - 6).trimmed();
    if (span != QLatin1String("*")) {
        const int dash = span.indexOf(QLatin1Char('-'));
        if (dash > 0) {
            range.from = parseBound(span.left(dash));
            range.to = parseBound(span.mid(dash + 1));
        }
    }
    range.total = parseBound(header.mid(slash + 1));
    return range;
}

Response Response::fromReply(const QNetworkReply* reply) {
    Response response;
    if (reply == nullptr) {
        return response;
    }
    // A transfer cut off below the HTTP level (time-out, abort, TLS, lost
    // connection) may already carry a status line; its body is incomplete, so
    // it counts as no answer.
    const QNetworkReply::NetworkError error = reply->error();
    if (error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied) {
        return response;
    }
    response.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    response.reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    for (const KnownHeader header : kAllKnownHeaders) {
        const QVariant value = reply->header(toNetworkHeader(header));
        if (value.isValid()) {
            response.knownHeaders.insert(header, value);
        }
    }
    for (const QNetworkReply::RawHeaderPair& pair : reply->rawHeaderPairs()) {
        response.rawHeaders.insert(QString::fromUtf8(pair.first), QString::fromUtf8(pair.second));
    }
    response.redirect = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    return response;
}

}  // namespace Net

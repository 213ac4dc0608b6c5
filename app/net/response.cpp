#include "net/response.h"

#include <QNetworkReply>

namespace Net {

qint64 Response::contentLength() const {
    return knownHeaders.value(KnownHeader::ContentLength).toLongLong();
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

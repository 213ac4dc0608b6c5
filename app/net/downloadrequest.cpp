#include "net/downloadrequest.h"

#include "net/manager.h"
#include "net/request.h"

namespace Net {

QNetworkReply* DownloadRequest::send(Kind kind, const QUrl& url, const Headers& headers, int pool) {
    Request request(url, headers);
    const QString host = url.host();
    Manager::instance()->send(
        &request, [kind, pool, host](QNetworkAccessManager& access, const QNetworkRequest& built) {
            QNetworkRequest copy = built;
            // The access manager opens at most six connections per host and key; the
            // verification name is part of that key and names the same host.
            if (pool > 0) {
                copy.setPeerVerifyName(host);
            }
            return kind == Kind::Head ? access.head(copy) : access.get(copy);
        });
    return request.reply();
}

bool DownloadRequest::wasCut(const QNetworkReply* reply) {
    const QNetworkReply::NetworkError error = reply->error();
    return error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
}

int DownloadRequest::httpStatus(const QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

}  // namespace Net

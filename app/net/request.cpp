#include "net/request.h"

namespace Net {

Request::Request(const QUrl& url, const Headers& headers, QObject* parent)
    : QObject(parent), m_url(url), m_headers(headers) {}

QNetworkRequest Request::networkRequest() const {
    QNetworkRequest request(m_url);
    m_headers.applyTo(request);
    return request;
}

}  // namespace Net

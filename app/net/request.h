#pragma once

#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include "net/headers.h"

namespace Net {

// One call in flight: what to send, and the reply once the manager has made it.
class Request : public QObject {
    Q_OBJECT

public:
    Request(const QUrl& url, const Headers& headers, QObject* parent = nullptr);

    QUrl url() const { return m_url; }
    const Headers& headers() const { return m_headers; }
    QNetworkRequest networkRequest() const;

    QNetworkReply* reply() const { return m_reply; }
    void setReply(QNetworkReply* reply) { m_reply = reply; }

signals:
    void Send();

private:
    QUrl m_url;
    Headers m_headers;
    QPointer<QNetworkReply> m_reply;
};

}  // namespace Net

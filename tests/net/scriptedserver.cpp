#include "scriptedserver.h"

#include <QPointer>
#include <QSslSocket>
#include <QTimer>

ScriptedServer::ScriptedServer(Script script, QObject* parent)
    : QTcpServer(parent), m_script(std::move(script)) {
    listen(QHostAddress::LocalHost, 0);
}

void ScriptedServer::useTls(const QSslCertificate& certificate, const QSslKey& key) {
    m_certificate = certificate;
    m_key = key;
}

QString ScriptedServer::baseUrl() const {
    return QStringLiteral("%1://127.0.0.1:%2")
        .arg(m_certificate.isNull() ? QStringLiteral("http") : QStringLiteral("https"))
        .arg(serverPort());
}

int ScriptedServer::count(const QByteArray& path) const {
    int total = 0;
    for (const Received& request : m_received) {
        total += request.target.split('?').first() == path ? 1 : 0;
    }
    return total;
}

void ScriptedServer::incomingConnection(qintptr descriptor) {
    auto* socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (!m_certificate.isNull()) {
        socket->setLocalCertificate(m_certificate);
        socket->setPrivateKey(m_key);
        connect(socket, qOverload<const QList<QSslError>&>(&QSslSocket::sslErrors), socket,
                [socket] { socket->ignoreSslErrors(); });
        socket->startServerEncryption();
    }
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
        buffer->append(socket->readAll());
        while (true) {
            const int end = buffer->indexOf("\r\n\r\n");
            if (end < 0) {
                return;
            }
            Received request;
            const QList<QByteArray> lines = buffer->left(end).split('\n');
            const QList<QByteArray> first = lines.first().trimmed().split(' ');
            request.method = first.value(0);
            request.target = first.value(1);
            for (int i = 1; i < lines.size(); ++i) {
                const int colon = lines[i].indexOf(':');
                if (colon > 0) {
                    request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                           lines[i].mid(colon + 1).trimmed());
                }
            }
            const int length = request.headers.value("content-length", "0").toInt();
            if (buffer->size() < end + 4 + length) {
                return;
            }
            request.body = buffer->mid(end + 4, length);
            buffer->remove(0, end + 4 + length);
            m_received.append(request);
            const Answer answer = m_script(request);
            if (answer.silent) {
                continue;
            }
            QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) + " Scripted\r\n";
            reply += "Content-Type: " + answer.contentType + "\r\n";
            if (!answer.contentEncoding.isEmpty()) {
                reply += "Content-Encoding: " + answer.contentEncoding + "\r\n";
            }
            for (const auto& header : answer.headers) {
                reply += header.first + ": " + header.second + "\r\n";
            }
            if (answer.contentLength != -2) {
                const qint64 length =
                    answer.contentLength >= 0 ? answer.contentLength : answer.body.size();
                reply += "Content-Length: " + QByteArray::number(length) + "\r\n";
            }
            reply += answer.contentLength == -2 ? "Connection: close\r\n\r\n"
                                                : "Connection: keep-alive\r\n\r\n";
            const bool close = answer.cutAfter >= 0 || answer.contentLength == -2;
            if (answer.cutAfter >= 0) {
                reply += answer.body.left(answer.cutAfter);
            } else if (answer.stallAfter >= 0) {
                reply += answer.body.left(answer.stallAfter);
            } else if (!answer.stallBody) {
                reply += answer.body;
            }
            QPointer<QTcpSocket> guard(socket);
            QTimer::singleShot(answer.delayMs, this, [guard, reply, close] {
                if (guard) {
                    guard->write(reply);
                    if (close) {
                        guard->disconnectFromHost();
                    }
                }
            });
        }
    });
}

#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>
#include <functional>

// A loopback HTTP server whose answers the test scripts, request by request.
class ScriptedServer : public QTcpServer {
    Q_OBJECT

public:
    struct Received {
        QByteArray method;
        QByteArray target;
        QMap<QByteArray, QByteArray> headers;  // names in lower case
        QByteArray body;
    };
    struct Answer {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        int delayMs = 0;
        // Never answer: the client has to give up by itself.
        bool silent = false;
        // Send the status line and headers, then stall before the body.
        bool stallBody = false;
        QByteArray contentEncoding;
        QList<QPair<QByteArray, QByteArray>> headers;
        // The Content-Length sent: -1 for the body's size, -2 for none (the body then ends
        // with the connection).
        qint64 contentLength = -1;
        // Send this many body bytes, then close the connection (cutAfter) or fall silent
        // (stallAfter).
        qint64 cutAfter = -1;
        qint64 stallAfter = -1;
    };
    using Script = std::function<Answer(const Received&)>;

    explicit ScriptedServer(Script script, QObject* parent = nullptr);

    // Serves TLS with this certificate from now on.
    void useTls(const QSslCertificate& certificate, const QSslKey& key);
    QString baseUrl() const;
    QList<Received> received() const { return m_received; }
    int count(const QByteArray& path) const;

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void serve(QTcpSocket* socket);

    Script m_script;
    QList<Received> m_received;
    QSslCertificate m_certificate;
    QSslKey m_key;
};

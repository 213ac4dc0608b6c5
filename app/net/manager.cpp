#include "net/manager.h"

#include <QCoreApplication>
#include <QDir>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QSslError>
#include <QThread>
#include <mutex>

#include "net/request.h"

namespace Net {

Manager::Manager() : m_access(new QNetworkAccessManager(this)) {}

Manager* Manager::instance() {
    static std::once_flag once;
    // Lives until the process ends: replies may still refer to it at exit.
    static Manager* manager = nullptr;
    std::call_once(once, [] {
        manager = new Manager;
        if (QCoreApplication::instance() != nullptr) {
            manager->moveToThread(QCoreApplication::instance()->thread());
        }
    });
    return manager;
}

void Manager::configure(const QString& cacheDir, int transferTimeoutMs, bool strict) {
    m_strict = strict;
    runInThread([this, cacheDir, transferTimeoutMs, strict] {
        if (!cacheDir.isEmpty()) {
            QDir().mkpath(cacheDir);
            auto* cache = new QNetworkDiskCache(m_access);
            cache->setCacheDirectory(QDir(cacheDir).absolutePath());
            m_access->setCache(cache);
        }
        if (transferTimeoutMs >= 0) {
            m_access->setTransferTimeout(transferTimeoutMs);
        }
        m_access->setStrictTransportSecurityEnabled(strict);
    });
}

void Manager::dropIdleConnections() {
    runInThread([this] { m_access->clearConnectionCache(); });
}

void Manager::runInThread(const std::function<void()>& function) {
    if (QThread::currentThread() == thread()) {
        function();
    } else {
        QMetaObject::invokeMethod(this, function, Qt::BlockingQueuedConnection);
    }
}

void Manager::send(Request* request, const Operation& operation) {
    const Qt::ConnectionType type =
        request->thread() == thread() ? Qt::DirectConnection : Qt::BlockingQueuedConnection;
    const QMetaObject::Connection connection = connect(
        request, &Request::Send, this,
        [this, request, &operation] {
            request->setReply(createReply(operation, request->networkRequest()));
        },
        type);
    emit request->Send();
    disconnect(connection);
}

QNetworkReply* Manager::createReply(const Operation& operation, const QNetworkRequest& request) {
    QNetworkReply* reply = operation(*m_access, request);
    if (reply != nullptr && !m_strict) {
        connect(reply, &QNetworkReply::sslErrors, reply,
                [reply](const QList<QSslError>& errors) { reply->ignoreSslErrors(errors); });
    }
    return reply;
}

void Manager::runLater(std::function<void()> function) {
    QMetaObject::invokeMethod(this, std::move(function), Qt::QueuedConnection);
}

Manager::Operation Manager::get() {
    return [](QNetworkAccessManager& access, const QNetworkRequest& request) {
        return access.get(request);
    };
}

Manager::Operation Manager::head() {
    return [](QNetworkAccessManager& access, const QNetworkRequest& request) {
        return access.head(request);
    };
}

Manager::Operation Manager::deleteResource() {
    return [](QNetworkAccessManager& access, const QNetworkRequest& request) {
        return access.deleteResource(request);
    };
}

Manager::Operation Manager::post(const QByteArray& body) {
    return [body](QNetworkAccessManager& access, const QNetworkRequest& request) {
        return access.post(request, body);
    };
}

Manager::Operation Manager::put(const QByteArray& body) {
    return [body](QNetworkAccessManager& access, const QNetworkRequest& request) {
        return access.put(request, body);
    };
}

}  // namespace Net

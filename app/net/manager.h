#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>

class QAbstractNetworkCache;

namespace Net {

class Request;

// The process's one access manager. Every reply is created in the manager's
// thread, whichever thread asks, so connections are shared by all callers.
// Worker threads make their transfers through Net::Call, whose wait does not
// depend on this thread; send() blocks the asking thread until this thread has
// made the reply, so it is for callers in this thread.
class Manager : public QObject {
    Q_OBJECT

public:
    // Builds the reply for a request on the access manager.
    using Operation = std::function<QNetworkReply*(QNetworkAccessManager&, const QNetworkRequest&)>;

    static Manager* instance();

    void configure(const QString& cacheDir, int transferTimeoutMs, bool strict);
    bool isStrict() const { return m_strict; }

    // Returns once the request holds its reply (or null when the operation failed).
    void send(Request* request, const Operation& operation);

    // In the manager's thread only: makes the reply, honouring `strict`.
    QNetworkReply* createReply(const Operation& operation, const QNetworkRequest& request);
    // Runs `function` in the manager's thread later; returns at once.
    void runLater(std::function<void()> function);

    // Closes idle kept-alive connections, so a server can stop without waiting for them.
    void dropIdleConnections();

    // Runs `function` in the manager's thread and waits for it.
    void runInThread(const std::function<void()>& function);

    static Operation get();
    static Operation head();
    static Operation deleteResource();
    static Operation post(const QByteArray& body);
    static Operation put(const QByteArray& body);

private:
    Manager();

    QNetworkAccessManager* m_access;
    std::atomic<bool> m_strict{true};
};

}  // namespace Net

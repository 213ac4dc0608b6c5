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

#pragma once

#include <QByteArray>
#include <QNetworkRequest>
#include <QPointer>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

#include "net/manager.h"
#include "net/ptr.h"
#include "net/response.h"

class QEventLoop;
class QNetworkReply;

namespace Net {

// One HTTP transfer, shared by the thread that waits for it and the manager's
// thread, which makes, reads and ends the reply. Either side may let go first.
//
// The wait ends when the reply ends, when abort() is called from any thread,
// when the deadline passes, or when the body outgrows its cap; none of these
// needs the manager's thread, so a worker never hangs on a busy or blocked GUI
// thread (a reply still open is then aborted there once it runs again). A call
// waited for inside a Flow::Worker's work() ends with that worker's abort.
//
// Downloaders reuse it with their own Options: maxBytes -1 (they bound the file
// by its own size), deadlineMs 0 (the manager's no-progress time-out still ends
// a stalled transfer), and onData to take the body as it arrives.
class Call : public std::enable_shared_from_this<Call> {
public:
    enum class End { Running, Finished, Aborted, TimedOut, TooLarge };

    // An API call's reply and time, unless the caller says otherwise.
    static constexpr qint64 kApiReplyLimit = 16 * 1024 * 1024;
    static constexpr int kApiDeadlineMs = 60000;

    struct Options {
        // Body bytes accepted, by Content-Length and by bytes received; -1: no cap.
        qint64 maxBytes = kApiReplyLimit;
        // From start() to the reply's end, in ms; 0: none.
        int deadlineMs = kApiDeadlineMs;
        // Runs in the manager's thread for each piece of body; false ends the call as
        // Aborted. When set, the call keeps no body of its own.
        std::function<bool(QNetworkReply& reply, const QByteArray& piece)> onData;
    };

    static Ptr<Call> create(const QNetworkRequest& request, Manager::Operation operation,
                            Options options);
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

    // Hands the request to the manager's thread and returns at once.
    void start();
    // Blocks until the call has ended and says how. In the manager's own thread it
    // runs a local event loop instead.
    End wait();
    // Any thread; ends the wait at once.
    void abort();

    End end() const;
    // The reply's status and headers; filled only when the call Finished.
    Response response() const;
    // The body as received (still content-encoded), unless onData took it.
    QByteArray body() const;
    QString contentEncoding() const;
    qint64 received() const;
    const Options& options() const { return m_options; }

private:
    Call(const QNetworkRequest& request, Manager::Operation operation, Options options);

    // The manager's thread from here on.
    void begin();
    void readPiece();
    void checkLength();
    void replyFinished();
    // Any thread: the first end wins; returns whether this one did.
    bool finish(End end);

    const QNetworkRequest m_request;
    const Manager::Operation m_operation;
    const Options m_options;
    std::chrono::steady_clock::time_point m_deadline;

    QPointer<QNetworkReply> m_reply;  // the manager's thread only

    mutable std::mutex m_mutex;
    std::condition_variable m_ended;
    End m_end = End::Running;
    Response m_response;
    QByteArray m_body;
    QString m_contentEncoding;
    qint64 m_received = 0;
    QEventLoop* m_loop = nullptr;  // a wait in the manager's thread
};

}  // namespace Net

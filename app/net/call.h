#pragma once

#include <QByteArray>
#include <QNetworkRequest>
#include <QPointer>
#include <QString>
#include <functional>

#include "net/manager.h"
#include "net/ptr.h"
#include "net/response.h"
#include "net/transfer.h"

class QNetworkReply;

namespace Net {

// One HTTP transfer of an API call, with the lifetime of every transfer (Net::Transfer):
// the wait ends when the reply ends, on abort() from any thread, when the deadline passes,
// or when the body outgrows its cap, and none of these needs the manager's thread, so a
// worker never hangs on a busy or blocked GUI thread. A call waited for inside a
// Flow::Worker's work() ends with that worker's abort.
class Call : public Transfer {
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

    // Hands the request to the manager's thread and returns at once.
    void start();
    // Blocks until the call has ended and says how.
    End wait();

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

    void recordAbort() override { m_end = End::Aborted; }
    void cancel() override;
    bool endAs(End end);

    // The manager's thread from here on.
    void begin();
    void readPiece();
    void checkLength();
    void replyFinished();

    const QNetworkRequest m_request;
    const Manager::Operation m_operation;
    const Options m_options;
    Clock::time_point m_deadline;

    QPointer<QNetworkReply> m_reply;  // the manager's thread only

    // Under mutex().
    End m_end = End::Running;
    Response m_response;
    QByteArray m_body;
    QString m_contentEncoding;
    qint64 m_received = 0;
};

}  // namespace Net

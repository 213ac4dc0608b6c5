#include "net/call.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "base/worker.h"

namespace Net {

Ptr<Call> Call::create(const QNetworkRequest& request, Manager::Operation operation,
                       Options options) {
    return Ptr<Call>(new Call(request, std::move(operation), std::move(options)));
}

Call::Call(const QNetworkRequest& request, Manager::Operation operation, Options options)
    : m_request(request), m_operation(std::move(operation)), m_options(std::move(options)) {}

void Call::start() {
    m_deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_options.deadlineMs);
    const Ptr<Call> self = shared_from_this();
    Manager::instance()->runLater([self] { self->begin(); });
}

void Call::begin() {
    if (end() != End::Running) {
        return;
    }
    QNetworkReply* reply = Manager::instance()->createReply(m_operation, m_request);
    if (reply == nullptr) {
        finish(End::Finished);
        return;
    }
    m_reply = reply;
    const Ptr<Call> self = shared_from_this();
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply,
                     [self] { self->checkLength(); });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [self] { self->readPiece(); });
    QObject::connect(reply, &QNetworkReply::finished, reply, [self] { self->replyFinished(); });
    // Ended while the reply was being made: its cleanup was posted before it existed.
    if (end() != End::Running) {
        reply->abort();
    }
}

void Call::checkLength() {
    if (m_reply.isNull() || m_options.maxBytes < 0) {
        return;
    }
    bool known = false;
    const qint64 declared =
        m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    if (known && declared > m_options.maxBytes && finish(End::TooLarge)) {
        m_reply->abort();
    }
}

void Call::readPiece() {
    if (m_reply.isNull() || end() != End::Running) {
        return;
    }
    const QByteArray piece = m_reply->readAll();
    bool tooLarge = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_received += piece.size();
        tooLarge = m_options.maxBytes >= 0 && m_received > m_options.maxBytes;
        if (!tooLarge && !m_options.onData) {
            m_body.append(piece);
        }
    }
    if (tooLarge) {
        finish(End::TooLarge);
        m_reply->abort();
        return;
    }
    if (m_options.onData && !m_options.onData(*m_reply, piece)) {
        finish(End::Aborted);
        m_reply->abort();
    }
}

void Call::replyFinished() {
    QNetworkReply* reply = m_reply.data();
    if (reply == nullptr) {
        return;
    }
    if (end() == End::Running) {
        readPiece();
    }
    if (end() == End::Running) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_response = Response::fromReply(reply);
            m_contentEncoding = QString::fromLatin1(reply->rawHeader("Content-Encoding"));
        }
        finish(End::Finished);
    }
    m_reply.clear();
    reply->deleteLater();
}

bool Call::finish(End how) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_end != End::Running) {
            return false;
        }
        m_end = how;
        m_ended.notify_all();
        if (m_loop != nullptr) {
            QMetaObject::invokeMethod(m_loop, "quit", Qt::QueuedConnection);
        }
    }
    if (how != End::Finished) {
        // The reply, if any, is left to the manager's thread to end when it next runs.
        const Ptr<Call> self = shared_from_this();
        Manager::instance()->runLater([self] {
            if (!self->m_reply.isNull() && self->m_reply->isRunning()) {
                self->m_reply->abort();
            }
        });
    }
    return true;
}

Call::End Call::wait() {
    const Ptr<Call> self = shared_from_this();
    const Flow::Worker::AbortHook hook = Flow::Worker::onAbort([self] { self->abort(); });
    const bool timed = m_options.deadlineMs > 0;
    if (QThread::currentThread() == Manager::instance()->thread()) {
        QEventLoop loop;
        QTimer deadline;
        if (timed) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                m_deadline - std::chrono::steady_clock::now());
            deadline.setSingleShot(true);
            QObject::connect(&deadline, &QTimer::timeout, &loop, [this] { finish(End::TimedOut); });
            deadline.start(static_cast<int>(std::max<qint64>(0, left.count())));
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_end != End::Running) {
                return m_end;
            }
            m_loop = &loop;
        }
        loop.exec();
        std::lock_guard<std::mutex> lock(m_mutex);
        m_loop = nullptr;
        return m_end;
    }
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto ended = [this] { return m_end != End::Running; };
    if (timed) {
        if (!m_ended.wait_until(lock, m_deadline, ended)) {
            lock.unlock();
            finish(End::TimedOut);
            lock.lock();
        }
    } else {
        m_ended.wait(lock, ended);
    }
    return m_end;
}

void Call::abort() {
    finish(End::Aborted);
}

Call::End Call::end() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_end;
}

Response Call::response() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_response;
}

QByteArray Call::body() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_body;
}

QString Call::contentEncoding() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_contentEncoding;
}

qint64 Call::received() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

}  // namespace Net

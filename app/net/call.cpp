#include "net/call.h"

#include <QNetworkReply>

namespace Net {

Ptr<Call> Call::create(const QNetworkRequest& request, Manager::Operation operation,
                       Options options) {
    return Ptr<Call>(new Call(request, std::move(operation), std::move(options)));
}

Call::Call(const QNetworkRequest& request, Manager::Operation operation, Options options)
    : m_request(request), m_operation(std::move(operation)), m_options(std::move(options)) {}

void Call::start() {
    m_deadline = Clock::now() + std::chrono::milliseconds(m_options.deadlineMs);
    const Ptr<Call> self = std::static_pointer_cast<Call>(shared_from_this());
    Manager::instance()->runLater([self] { self->begin(); });
}

void Call::begin() {
    if (hasEnded()) {
        return;
    }
    QNetworkReply* reply = Manager::instance()->createReply(m_operation, m_request);
    if (reply == nullptr) {
        endAs(End::Finished);
        return;
    }
    m_reply = reply;
    const Ptr<Call> self = std::static_pointer_cast<Call>(shared_from_this());
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply,
                     [self] { self->checkLength(); });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [self] { self->readPiece(); });
    QObject::connect(reply, &QNetworkReply::finished, reply, [self] { self->replyFinished(); });
}

void Call::cancel() {
    if (!m_reply.isNull() && m_reply->isRunning()) {
        m_reply->abort();
    }
}

bool Call::endAs(End how) {
    return finish([this, how] { m_end = how; });
}

void Call::checkLength() {
    if (m_reply.isNull() || m_options.maxBytes < 0) {
        return;
    }
    bool known = false;
    const qint64 declared =
        m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    if (known && declared > m_options.maxBytes) {
        endAs(End::TooLarge);
    }
}

void Call::readPiece() {
    if (m_reply.isNull() || hasEnded()) {
        return;
    }
    const QByteArray piece = m_reply->readAll();
    bool tooLarge = false;
    {
        std::lock_guard<std::mutex> lock(mutex());
        m_received += piece.size();
        tooLarge = m_options.maxBytes >= 0 && m_received > m_options.maxBytes;
        if (!tooLarge && !m_options.onData) {
            m_body.append(piece);
        }
    }
    if (tooLarge) {
        endAs(End::TooLarge);
    } else if (m_options.onData && !m_options.onData(*m_reply, piece)) {
        endAs(End::Aborted);
    }
}

void Call::replyFinished() {
    QNetworkReply* reply = m_reply.data();
    if (reply == nullptr) {
        return;
    }
    readPiece();
    finish([this, reply] {
        m_end = End::Finished;
        m_response = Response::fromReply(reply);
        m_contentEncoding = QString::fromLatin1(reply->rawHeader("Content-Encoding"));
    });
    m_reply.clear();
    reply->deleteLater();
}

Call::End Call::wait() {
    const bool timed = m_options.deadlineMs > 0;
    if (!Transfer::wait(timed ? m_deadline : Clock::time_point::max())) {
        endAs(End::TimedOut);
    }
    return end();
}

Call::End Call::end() const {
    std::lock_guard<std::mutex> lock(mutex());
    return m_end;
}

Response Call::response() const {
    std::lock_guard<std::mutex> lock(mutex());
    return m_response;
}

QByteArray Call::body() const {
    std::lock_guard<std::mutex> lock(mutex());
    return m_body;
}

QString Call::contentEncoding() const {
    std::lock_guard<std::mutex> lock(mutex());
    return m_contentEncoding;
}

qint64 Call::received() const {
    std::lock_guard<std::mutex> lock(mutex());
    return m_received;
}

}  // namespace Net

#include "net/singledownloader.h"

#include <QNetworkReply>
#include <QPointer>
#include <QTimer>

#include "base/logcategories.h"
#include "net/downloadrequest.h"
#include "net/manager.h"

namespace Net {

// Lives in the manager's thread once begun; only abort() reaches it from elsewhere.
class SingleDownloader::Job : public DownloadJob {
public:
    Job(const QUrl& url, QIODevice* device, const Progress& progress, qint64 expectedSize,
        bool resumable)
        : DownloadJob(url, device, progress, expectedSize), m_resumable(resumable) {}

private:
    void send() override;
    void cancel() override;
    void onData();
    void onFinished();
    // Ends the job before a file larger than expected reaches the device.
    bool outgrows(qint64 size);

    const bool m_resumable;
    QPointer<QNetworkReply> m_reply;
    qint64 m_written = 0;
    qint64 m_requestedFrom = 0;
    qint64 m_total = -1;
    int m_retries = 0;
    bool m_checked = false;
    bool m_writeBody = true;
};

void SingleDownloader::Job::send() {
    if (hasEnded()) {
        return;
    }
    Headers sent = m_headers;
    if (m_requestedFrom > 0) {
        sent.setRange(m_requestedFrom, -1);
    }
    m_checked = false;
    m_reply = DownloadRequest::send(DownloadRequest::Kind::Get, m_url, sent);
    if (m_reply.isNull()) {
        complete({DownloadResult::NoReply, {}, QStringLiteral("No reply")});
        return;
    }
    const std::shared_ptr<Job> self = std::static_pointer_cast<Job>(shared_from_this());
    QObject::connect(m_reply, &QNetworkReply::readyRead, m_reply, [self] { self->onData(); });
    QObject::connect(m_reply, &QNetworkReply::finished, m_reply, [self] { self->onFinished(); });
}

void SingleDownloader::Job::cancel() {
    if (!m_reply.isNull() && m_reply->isRunning()) {
        m_reply->abort();
    }
}

bool SingleDownloader::Job::outgrows(qint64 size) {
    if (m_expectedSize < 0 || size <= m_expectedSize) {
        return false;
    }
    complete({DownloadResult::TooManyBytes, Response::fromReply(m_reply),
              QStringLiteral("Size (reply/expected): %1/%2").arg(size).arg(m_expectedSize)});
    return true;
}

void SingleDownloader::Job::onData() {
    if (m_reply.isNull() || hasEnded()) {
        return;
    }
    if (!m_checked) {
        m_checked = true;
        const Response response = Response::fromReply(m_reply);
        if (m_requestedFrom > 0) {
            const Response::ContentRange range = response.contentRange();
            if (response.status != 206 || range.from != m_requestedFrom) {
                complete({DownloadResult::RangeMismatch, response,
                          QStringLiteral("Resume (reply/needed): %1 %2/%3")
                              .arg(response.status)
                              .arg(range.from)
                              .arg(m_requestedFrom)});
                return;
            }
            m_total = range.total;
        } else {
            // An error page is not the file; the caller reads the status.
            m_writeBody = response.isSuccess();
            m_total = response.hasContentLength() ? response.contentLength() : -1;
        }
        if (m_writeBody && outgrows(m_total)) {
            return;
        }
    }
    const QByteArray data = m_reply->readAll();
    if (!m_writeBody || data.isEmpty() || outgrows(m_written + data.size())) {
        return;
    }
    switch (write(-1, data)) {
        case Write::Ok:
            m_written += data.size();
            break;
        case Write::Ended:
            return;
        case Write::SeekFailed:
        case Write::WriteFailed:
            complete({DownloadResult::WriteFailed, Response::fromReply(m_reply), QString()});
            return;
    }
    report(m_written, m_total > 0 ? static_cast<quint64>(m_total) : 0);
}

void SingleDownloader::Job::onFinished() {
    if (m_reply.isNull()) {
        return;
    }
    if (m_reply->bytesAvailable() > 0) {
        onData();
    }
    QNetworkReply* ended = m_reply;
    m_reply.clear();
    ended->deleteLater();
    if (hasEnded()) {
        return;
    }
    const Response response = Response::fromReply(ended);
    // A body shorter than announced was cut, whether or not the transport noticed.
    const bool shortBody = m_writeBody && m_total >= 0 && m_written < m_total;
    if (DownloadRequest::wasCut(ended) || shortBody) {
        if (m_resumable && m_retries < DownloadRequest::kMaxRetries) {
            ++m_retries;
            m_requestedFrom = m_written;
            qCInfo(lcNet) << "Download resumed:" << m_url.toString() << m_written;
            const std::shared_ptr<Job> self = std::static_pointer_cast<Job>(shared_from_this());
            QTimer::singleShot(DownloadRequest::retryPauseMs(m_retries), Manager::instance(),
                               [self] { self->send(); });
            return;
        }
        complete({DownloadResult::NoReply, response, ended->errorString()});
        return;
    }
    complete({DownloadResult::Ok, response, QString()});
}

SingleDownloader::SingleDownloader(Ptr<IParamsSetter> paramsSetter)
    : Downloader(std::move(paramsSetter)) {}

SingleDownloader::~SingleDownloader() {
    stop();
}

std::shared_ptr<DownloadJob> SingleDownloader::makeStream(const QUrl& url, QIODevice* device,
                                                          const Progress& progress,
                                                          qint64 expectedSize, bool resumable) {
    return std::make_shared<Job>(url, device, progress, expectedSize, resumable);
}

std::shared_ptr<DownloadJob> SingleDownloader::makeJob(const QUrl& url, QIODevice* device,
                                                       const Progress& progress,
                                                       qint64 expectedSize) {
    return makeStream(url, device, progress, expectedSize, m_resumable);
}

}  // namespace Net

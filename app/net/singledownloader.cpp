#include "net/singledownloader.h"

#include <QPointer>
#include <QRecursiveMutex>
#include <QTimer>
#include <atomic>

#include "base/logcategories.h"
#include "net/downloadrequest.h"
#include "net/downloadsink.h"
#include "net/downloadwait.h"
#include "net/manager.h"

namespace Net {

// Lives in the manager's thread once started; only abort() reaches it from elsewhere.
struct SingleDownloader::Job : std::enable_shared_from_this<SingleDownloader::Job> {
    Job(const QUrl& url, const Headers& headers, QIODevice* device, const Progress& progress,
        bool resumable, qint64 expectedSize)
        : url(url),
          headers(headers),
          sink(device, progress),
          resumable(resumable),
          expectedSize(expectedSize) {}

    // Ends the transfer before a file larger than expected reaches the device.
    bool outgrows(qint64 size);

    void send();
    void onData();
    void onFinished();
    void deliver(const DownloadResult& result);

    const QUrl url;
    const Headers headers;
    DownloadSink sink;
    const bool resumable;
    const qint64 expectedSize;
    Finished finished;
    std::atomic<bool> aborted{false};
    // Held while the result is delivered, so a downloader destroyed meanwhile waits for it.
    QRecursiveMutex delivery;
    bool orphaned = false;

    QPointer<QNetworkReply> reply;
    int state = DownloadResult::Ok;
    QString message;
    qint64 written = 0;
    qint64 requestedFrom = 0;
    qint64 total = -1;
    int retries = 0;
    bool checked = false;
    bool writeBody = true;
};

void SingleDownloader::Job::send() {
    if (aborted) {
        deliver({DownloadResult::Aborted, {}, message});
        return;
    }
    Headers sent = headers;
    if (requestedFrom > 0) {
        sent.setRange(requestedFrom, -1);
    }
    checked = false;
    reply = DownloadRequest::send(DownloadRequest::Kind::Get, url, sent);
    if (reply.isNull()) {
        deliver({DownloadResult::NoReply, {}, QStringLiteral("No reply")});
        return;
    }
    const std::shared_ptr<Job> self = shared_from_this();
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [self] { self->onData(); });
    QObject::connect(reply, &QNetworkReply::finished, reply, [self] { self->onFinished(); });
}

void SingleDownloader::Job::onData() {
    if (reply.isNull() || state != DownloadResult::Ok) {
        return;
    }
    if (!checked) {
        checked = true;
        const Response response = Response::fromReply(reply);
        if (requestedFrom > 0) {
            const Response::ContentRange range = response.contentRange();
            if (response.status != 206 || range.from != requestedFrom) {
                state = DownloadResult::RangeMismatch;
                message = QStringLiteral("Resume (reply/needed): %1 %2/%3")
                              .arg(response.status)
                              .arg(range.from)
                              .arg(requestedFrom);
                reply->abort();
                return;
            }
            total = range.total;
        } else {
            // An error page is not the file; the caller reads the status.
            writeBody = response.isSuccess();
            total = response.hasContentLength() ? response.contentLength() : -1;
        }
        if (writeBody && outgrows(total)) {
            return;
        }
    }
    const QByteArray data = reply->readAll();
    if (!writeBody || data.isEmpty() || outgrows(written + data.size())) {
        return;
    }
    switch (sink.write(-1, data)) {
        case DownloadSink::Write::Ok:
            written += data.size();
            break;
        case DownloadSink::Write::Detached:
            return;
        case DownloadSink::Write::SeekFailed:
        case DownloadSink::Write::WriteFailed:
            state = DownloadResult::WriteFailed;
            reply->abort();
            return;
    }
    sink.report(written, total > 0 ? static_cast<quint64>(total) : 0);
}

bool SingleDownloader::Job::outgrows(qint64 size) {
    if (expectedSize < 0 || size <= expectedSize) {
        return false;
    }
    state = DownloadResult::TooManyBytes;
    message = QStringLiteral("Size (reply/expected): %1/%2").arg(size).arg(expectedSize);
    reply->abort();
    return true;
}

void SingleDownloader::Job::onFinished() {
    if (reply.isNull()) {
        return;
    }
    QNetworkReply* ended = reply;
    reply.clear();
    ended->deleteLater();
    if (!aborted && state == DownloadResult::Ok && ended->bytesAvailable() > 0) {
        reply = ended;
        onData();
        reply.clear();
    }
    const Response response = Response::fromReply(ended);
    if (state != DownloadResult::Ok) {
        deliver({state, response, message});
        return;
    }
    if (aborted) {
        deliver({DownloadResult::Aborted, response, message});
        return;
    }
    // A body shorter than announced was cut, whether or not the transport noticed.
    const bool shortBody = writeBody && total >= 0 && written < total;
    if (DownloadRequest::wasCut(ended) || shortBody) {
        if (resumable && retries < DownloadRequest::kMaxRetries) {
            ++retries;
            requestedFrom = written;
            qCInfo(lcNet) << "Download resumed:" << url.toString() << written;
            QTimer::singleShot(DownloadRequest::retryPauseMs(retries), Manager::instance(),
                               [self = shared_from_this()] { self->send(); });
            return;
        }
        deliver({DownloadResult::NoReply, response, ended->errorString()});
        return;
    }
    deliver({DownloadResult::Ok, response, QString()});
}

void SingleDownloader::Job::deliver(const DownloadResult& result) {
    const std::shared_ptr<Job> self = shared_from_this();
    QMutexLocker lock(&delivery);
    if (!orphaned && finished) {
        const Finished call = std::move(finished);
        finished = nullptr;
        call(result);
    }
}

SingleDownloader::SingleDownloader(Ptr<IParamsSetter> paramsSetter)
    : m_paramsSetter(std::move(paramsSetter)) {}

SingleDownloader::~SingleDownloader() {
    std::shared_ptr<Job> job;
    {
        QMutexLocker lock(&m_mutex);
        job = m_job;
    }
    if (job) {
        abort();
        QMutexLocker lock(&job->delivery);
        job->orphaned = true;
    }
}

DownloadResult SingleDownloader::download(const QUrl& url, const Headers& headers,
                                          QIODevice* device, const Progress& progress) {
    return DownloadWait::block([&](const std::shared_ptr<DownloadWait>& wait) {
        const int refusal = start(
            url, headers, device, progress,
            [wait](const DownloadResult& result) { wait->complete(result); }, wait);
        return DownloadResult{refusal, {}, QString()};
    });
}

bool SingleDownloader::downloadAsync(const QUrl& url, const Headers& headers, QIODevice* device,
                                     const Progress& progress, const Finished& finished) {
    return start(url, headers, device, progress, finished, nullptr) == DownloadResult::Ok;
}

int SingleDownloader::start(const QUrl& url, const Headers& headers, QIODevice* device,
                            const Progress& progress, const Finished& finished,
                            const std::shared_ptr<DownloadWait>& wait) {
    QMutexLocker lock(&m_mutex);
    if (m_job) {
        return DownloadResult::Busy;
    }
    if (!url.isValid() || device == nullptr) {
        return DownloadResult::Refused;
    }
    Headers sent = headers;
    if (m_paramsSetter && !m_paramsSetter->setParams(sent)) {
        return DownloadResult::Refused;
    }
    const auto job =
        std::make_shared<Job>(url, sent, device, progress, m_resumable, m_expectedSize);
    m_job = job;
    m_wait = wait;
    std::weak_ptr<Job> weakJob = job;
    job->finished = [this, weakJob, finished](const DownloadResult& result) {
        {
            QMutexLocker lock(&m_mutex);
            if (m_job == weakJob.lock()) {
                m_job.reset();
                m_wait.reset();
            }
        }
        if (finished) {
            finished(result);
        }
    };
    QMetaObject::invokeMethod(
        Manager::instance(), [job] { job->send(); }, Qt::QueuedConnection);
    return DownloadResult::Ok;
}

void SingleDownloader::abort() {
    std::shared_ptr<Job> job;
    std::shared_ptr<DownloadWait> wait;
    {
        QMutexLocker lock(&m_mutex);
        job = m_job;
        wait = m_wait;
        // The blocking caller returns at once; the reply ends in the manager's thread.
        if (wait) {
            m_job.reset();
            m_wait.reset();
        }
    }
    if (!job) {
        return;
    }
    job->aborted = true;
    job->sink.detach();
    QMetaObject::invokeMethod(
        Manager::instance(),
        [job] {
            if (!job->reply.isNull() && job->reply->isRunning()) {
                job->reply->abort();
            }
        },
        Qt::QueuedConnection);
    if (wait) {
        wait->complete({DownloadResult::Aborted, {}, QString()});
    }
}

bool SingleDownloader::isRunning() const {
    QMutexLocker lock(&m_mutex);
    return m_job != nullptr;
}

void SingleDownloader::setExpectedSize(qint64 bytes) {
    QMutexLocker lock(&m_mutex);
    m_expectedSize = bytes;
}

}  // namespace Net

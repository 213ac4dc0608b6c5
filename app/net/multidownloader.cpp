#include "net/multidownloader.h"

#include <QPointer>
#include <QRecursiveMutex>
#include <QTimer>
#include <atomic>
#include <vector>

#include "base/logcategories.h"
#include "net/downloadrequest.h"
#include "net/downloadsink.h"
#include "net/downloadwait.h"
#include "net/manager.h"
#include "net/singledownloader.h"

namespace Net {

namespace {

// The access manager opens at most this many connections for one host and key.
constexpr int kPartsPerPool = 6;

}  // namespace

QList<QPair<qint64, qint64>> splitParts(qint64 total, int count) {
    QList<QPair<qint64, qint64>> parts;
    if (count < 1) {
        return parts;
    }
    const qint64 partSize = total / count;
    for (int i = 0; i < count; ++i) {
        const qint64 from = i * partSize;
        parts.append({from, i + 1 < count ? from + partSize - 1 : -1});
    }
    return parts;
}

// Lives in the manager's thread once started; only abort() reaches it from elsewhere.
struct MultiDownloader::Job : std::enable_shared_from_this<MultiDownloader::Job> {
    struct Part {
        qint64 from = 0;
        qint64 to = -1;
        qint64 written = 0;
        qint64 requestedFrom = 0;
        int retries = 0;
        bool checked = false;
        bool complete = false;
        bool settled = false;
        QPointer<QNetworkReply> reply;
    };

    Job(const QUrl& url, const Headers& headers, QIODevice* device, const Progress& progress,
        int partCount, qint64 expectedSize)
        : url(url),
          headers(headers),
          device(device),
          sink(device, progress),
          hasProgress(static_cast<bool>(progress)),
          partCount(partCount),
          expectedSize(expectedSize) {}

    void probe();
    void onProbeFinished();
    void fallBack(bool resumable);
    void startPart(int index);
    void onPartData(int index);
    void onPartFinished(int index);
    void settle(int index);
    void fail(int code, const Response& response, const QString& message);
    void cancelReplies();
    void deliver(const DownloadResult& result);

    const QUrl url;
    const Headers headers;
    QIODevice* const device;
    DownloadSink sink;
    const bool hasProgress;
    const int partCount;
    const qint64 expectedSize;
    IDownloader::Finished finished;
    std::atomic<bool> aborted{false};
    QRecursiveMutex delivery;
    bool orphaned = false;
    bool delivered = false;

    QPointer<QNetworkReply> probeReply;
    Response probeResponse;
    QMutex singleMutex;
    std::unique_ptr<SingleDownloader> single;

    std::vector<Part> parts;
    int outstanding = 0;
    qint64 total = 0;
    qint64 reported = 0;
    bool failed = false;
    DownloadResult failure;
};

void MultiDownloader::Job::probe() {
    if (aborted) {
        deliver({DownloadResult::Aborted, {}, QString()});
        return;
    }
    probeReply = DownloadRequest::send(DownloadRequest::Kind::Head, url, headers);
    if (probeReply.isNull()) {
        deliver({DownloadResult::BadStatus, {}, QString()});
        return;
    }
    QObject::connect(probeReply, &QNetworkReply::finished, probeReply,
                     [self = shared_from_this()] { self->onProbeFinished(); });
}

void MultiDownloader::Job::onProbeFinished() {
    QNetworkReply* reply = probeReply;
    if (reply == nullptr) {
        return;
    }
    probeReply.clear();
    reply->deleteLater();
    probeResponse = Response::fromReply(reply);
    if (aborted) {
        deliver({DownloadResult::Aborted, probeResponse, QString()});
        return;
    }
    if (!probeResponse.isSuccess()) {
        deliver({DownloadResult::BadStatus, probeResponse, QString()});
        return;
    }
    total = probeResponse.contentLength();
    if (expectedSize >= 0 && probeResponse.hasContentLength() && total > expectedSize) {
        deliver({DownloadResult::TooManyBytes, probeResponse,
                 QStringLiteral("Size (reply/expected): %1/%2").arg(total).arg(expectedSize)});
        return;
    }
    // Without a size, or below one byte per part, the parts would all start at byte 0.
    if (!probeResponse.acceptsRanges() || !probeResponse.hasContentLength() || total < partCount) {
        fallBack(probeResponse.acceptsRanges());
        return;
    }
    const QList<QPair<qint64, qint64>> ranges = splitParts(total, partCount);
    parts.resize(static_cast<std::size_t>(ranges.size()));
    for (int i = 0; i < ranges.size(); ++i) {
        parts[i].from = ranges[i].first;
        parts[i].to = ranges[i].second;
        parts[i].requestedFrom = ranges[i].first;
    }
    outstanding = ranges.size();
    for (int i = 0; i < ranges.size(); ++i) {
        startPart(i);
    }
}

void MultiDownloader::Job::fallBack(bool resumable) {
    bool started = false;
    {
        QMutexLocker lock(&singleMutex);
        if (!aborted) {
            // The headers already carry the token.
            single = std::make_unique<SingleDownloader>();
            single->setResumable(resumable);
            single->setExpectedSize(expectedSize);
            const std::weak_ptr<Job> weak = shared_from_this();
            Progress progress;
            if (hasProgress) {
                progress = [weak](qint64 received, quint64 size) {
                    if (const std::shared_ptr<Job> self = weak.lock()) {
                        self->sink.report(received, size);
                    }
                };
            }
            started = single->downloadAsync(
                url, headers, device, progress, [weak](const DownloadResult& result) {
                    // Delivered later, so the single downloader is not torn down inside its
                    // own call.
                    QMetaObject::invokeMethod(
                        Manager::instance(),
                        [weak, result] {
                            const std::shared_ptr<Job> self = weak.lock();
                            if (!self) {
                                return;
                            }
                            DownloadResult mapped = result;
                            if (self->aborted) {
                                mapped.error = DownloadResult::Aborted;
                            } else if (mapped.isOk() && !mapped.response.isSuccess()) {
                                mapped.error = DownloadResult::BadStatus;
                            }
                            self->deliver(mapped);
                        },
                        Qt::QueuedConnection);
                });
        }
    }
    if (aborted) {
        deliver({DownloadResult::Aborted, probeResponse, QString()});
    } else if (!started) {
        deliver({DownloadResult::Refused, probeResponse, QString()});
    }
}

void MultiDownloader::Job::startPart(int index) {
    Part& part = parts[static_cast<std::size_t>(index)];
    if (aborted || failed) {
        settle(index);
        return;
    }
    Headers sent = headers;
    sent.setRange(part.requestedFrom, part.to);
    part.checked = false;
    part.reply =
        DownloadRequest::send(DownloadRequest::Kind::Get, url, sent, index / kPartsPerPool);
    if (part.reply.isNull()) {
        fail(DownloadResult::NoReply, {}, QStringLiteral("No reply"));
        settle(index);
        return;
    }
    const std::shared_ptr<Job> self = shared_from_this();
    QObject::connect(part.reply, &QNetworkReply::readyRead, part.reply,
                     [self, index] { self->onPartData(index); });
    QObject::connect(part.reply, &QNetworkReply::finished, part.reply,
                     [self, index] { self->onPartFinished(index); });
}

void MultiDownloader::Job::onPartData(int index) {
    Part& part = parts[static_cast<std::size_t>(index)];
    QNetworkReply* reply = part.reply;
    if (reply == nullptr || aborted || failed) {
        return;
    }
    if (!part.checked) {
        part.checked = true;
        const Response response = Response::fromReply(reply);
        if (response.status != 206) {
            fail(DownloadResult::BadStatus, response, QString());
            return;
        }
        // Every bound must agree, or the bytes would land at another offset.
        const Response::ContentRange range = response.contentRange();
        if (range.from != part.requestedFrom || range.total != total ||
            (part.to >= 0 && range.to != part.to)) {
            fail(DownloadResult::RangeMismatch, response,
                 QStringLiteral("Range (reply/needed): %1/%2 - %3/%4, Size: %5/%6")
                     .arg(range.from)
                     .arg(part.requestedFrom)
                     .arg(range.to)
                     .arg(part.to)
                     .arg(range.total)
                     .arg(total));
            return;
        }
    }
    const qint64 expected = (part.to < 0 ? total - 1 : part.to) - part.from + 1;
    const QByteArray data = reply->readAll();
    if (part.written + data.size() > expected) {
        fail(DownloadResult::TooManyBytes, Response::fromReply(reply),
             QStringLiteral("Size (write/part): %1/%2")
                 .arg(part.written + data.size())
                 .arg(expected));
        return;
    }
    switch (sink.write(part.from + part.written, data)) {
        case DownloadSink::Write::Ok:
            break;
        case DownloadSink::Write::Detached:
            return;
        case DownloadSink::Write::SeekFailed:
            fail(DownloadResult::SeekFailed, Response::fromReply(reply), QString());
            return;
        case DownloadSink::Write::WriteFailed:
            fail(DownloadResult::WriteFailed, Response::fromReply(reply), QString());
            return;
    }
    part.written += data.size();
    part.complete = part.written == expected;
    qint64 sum = 0;
    for (const Part& each : parts) {
        sum += each.written;
    }
    if (sum > reported) {
        reported = sum;
        sink.report(sum, static_cast<quint64>(total));
    }
}

void MultiDownloader::Job::onPartFinished(int index) {
    Part& part = parts[static_cast<std::size_t>(index)];
    QNetworkReply* reply = part.reply;
    if (reply == nullptr) {
        return;
    }
    if (reply->bytesAvailable() > 0) {
        onPartData(index);
    }
    part.reply.clear();
    reply->deleteLater();
    if (part.complete || aborted || failed) {
        settle(index);
        return;
    }
    const Response response = Response::fromReply(reply);
    // A checked part that ends short was cut, whether or not the transport noticed.
    if (!part.checked && !DownloadRequest::wasCut(reply)) {
        fail(DownloadResult::BadStatus, response, QString());
        settle(index);
        return;
    }
    const QString reason = reply->error() == QNetworkReply::NoError
                               ? QStringLiteral("ended after %1 bytes").arg(part.written)
                               : reply->errorString();
    if (part.retries < DownloadRequest::kMaxRetries) {
        ++part.retries;
        part.requestedFrom = part.from + part.written;
        qCInfo(lcNet) << "Download part resumed:" << index << part.requestedFrom << reason;
        QTimer::singleShot(DownloadRequest::retryPauseMs(part.retries), Manager::instance(),
                           [self = shared_from_this(), index] { self->startPart(index); });
        return;
    }
    fail(DownloadResult::BadStatus, response, QStringLiteral("Part %1: %2").arg(index).arg(reason));
    settle(index);
}

void MultiDownloader::Job::settle(int index) {
    Part& part = parts[static_cast<std::size_t>(index)];
    if (part.settled) {
        return;
    }
    part.settled = true;
    if (--outstanding == 0) {
        deliver(failed    ? failure
                : aborted ? DownloadResult{DownloadResult::Aborted, probeResponse, QString()}
                          : DownloadResult{DownloadResult::Ok, probeResponse, QString()});
    }
}

void MultiDownloader::Job::fail(int code, const Response& response, const QString& message) {
    if (failed || aborted) {
        return;
    }
    failed = true;
    failure = {code, response, message};
    cancelReplies();
}

void MultiDownloader::Job::cancelReplies() {
    // Queued, so that no reply finishes inside the handler that is failing it.
    QMetaObject::invokeMethod(
        Manager::instance(),
        [self = shared_from_this()] {
            if (!self->probeReply.isNull()) {
                self->probeReply->abort();
            }
            for (Part& part : self->parts) {
                if (!part.reply.isNull()) {
                    part.reply->abort();
                }
            }
        },
        Qt::QueuedConnection);
}

void MultiDownloader::Job::deliver(const DownloadResult& result) {
    const std::shared_ptr<Job> self = shared_from_this();
    QMutexLocker lock(&delivery);
    if (delivered) {
        return;
    }
    delivered = true;
    if (!orphaned && finished) {
        const IDownloader::Finished call = std::move(finished);
        finished = nullptr;
        call(result);
    }
}

MultiDownloader::MultiDownloader(Ptr<IParamsSetter> paramsSetter, QObject* parent)
    : QObject(parent), m_paramsSetter(std::move(paramsSetter)) {}

MultiDownloader::~MultiDownloader() {
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

bool MultiDownloader::start(const QUrl& url, const Headers& headers, QIODevice* device,
                            const Progress& progress, const IDownloader::Finished& finished,
                            const std::shared_ptr<DownloadWait>& wait, DownloadResult& refusal) {
    QMutexLocker lock(&m_mutex);
    if (m_job) {
        refusal = {DownloadResult::Busy, {}, QString()};
        return false;
    }
    if (!url.isValid() || device == nullptr) {
        refusal = {DownloadResult::Refused, {}, QString()};
        return false;
    }
    if (device->isSequential()) {
        refusal = {DownloadResult::Sequential, {}, QString()};
        return false;
    }
    Headers sent = headers;
    if (m_paramsSetter && !m_paramsSetter->setParams(sent)) {
        refusal = {DownloadResult::Refused, {}, QStringLiteral("Not authorised")};
        return false;
    }
    const auto job =
        std::make_shared<Job>(url, sent, device, progress, m_partCount, m_expectedSize);
    const std::weak_ptr<Job> weak = job;
    job->finished = [this, weak, finished](const DownloadResult& result) {
        bool current = false;
        {
            QMutexLocker lock(&m_mutex);
            current = m_job == weak.lock();
            if (current) {
                m_job.reset();
                m_wait.reset();
            }
        }
        // A blocking job that was aborted has already ended for its caller.
        if (current) {
            emit Finished();
        }
        if (finished) {
            finished(result);
        }
    };
    m_job = job;
    m_wait = wait;
    QMetaObject::invokeMethod(
        Manager::instance(), [job] { job->probe(); }, Qt::QueuedConnection);
    return true;
}

DownloadResult MultiDownloader::download(const QUrl& url, const Headers& headers, QIODevice* device,
                                         const Progress& progress) {
    return DownloadWait::block([&](const std::shared_ptr<DownloadWait>& wait) {
        DownloadResult refusal;
        start(
            url, headers, device, progress,
            [wait](const DownloadResult& result) { wait->complete(result); }, wait, refusal);
        return refusal;
    });
}

bool MultiDownloader::downloadAsync(const QUrl& url, const Headers& headers, QIODevice* device,
                                    const Progress& progress,
                                    const IDownloader::Finished& finished) {
    DownloadResult refusal;
    return start(url, headers, device, progress, finished, nullptr, refusal);
}

void MultiDownloader::abort() {
    std::shared_ptr<Job> job;
    std::shared_ptr<DownloadWait> wait;
    {
        QMutexLocker lock(&m_mutex);
        job = m_job;
        wait = m_wait;
        // The blocking caller returns at once; the replies end in the manager's thread.
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
    {
        QMutexLocker lock(&job->singleMutex);
        if (job->single) {
            job->single->abort();
        }
    }
    job->cancelReplies();
    if (wait) {
        emit Finished();
        wait->complete({DownloadResult::Aborted, {}, QString()});
    }
}

bool MultiDownloader::isRunning() const {
    QMutexLocker lock(&m_mutex);
    return m_job != nullptr;
}

void MultiDownloader::setExpectedSize(qint64 bytes) {
    QMutexLocker lock(&m_mutex);
    m_expectedSize = bytes;
}

}  // namespace Net

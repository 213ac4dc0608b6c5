#include "net/multidownloader.h"

#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <vector>

#include "base/logcategories.h"
#include "net/downloadrequest.h"
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

// Lives in the manager's thread once begun; only abort() reaches it from elsewhere.
class MultiDownloader::Job : public DownloadJob {
public:
    Job(const QUrl& url, QIODevice* device, const Progress& progress, qint64 expectedSize,
        int partCount)
        : DownloadJob(url, device, progress, expectedSize), m_partCount(partCount) {}

private:
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

    void send() override;
    void cancel() override;
    void onProbeFinished();
    void fallBack(bool resumable);
    void startPart(int index);
    void onPartData(int index);
    void onPartFinished(int index);
    void settle(int index);
    std::shared_ptr<Job> self() { return std::static_pointer_cast<Job>(shared_from_this()); }

    const int m_partCount;
    QPointer<QNetworkReply> m_probe;
    Response m_probeResponse;
    std::vector<Part> m_parts;
    int m_outstanding = 0;
    qint64 m_total = 0;
    qint64 m_reported = 0;
};

void MultiDownloader::Job::send() {
    m_probe = DownloadRequest::send(DownloadRequest::Kind::Head, m_url, m_headers);
    if (m_probe.isNull()) {
        complete({DownloadResult::BadStatus, {}, QString()});
        return;
    }
    QObject::connect(m_probe, &QNetworkReply::finished, m_probe,
                     [self = self()] { self->onProbeFinished(); });
}

void MultiDownloader::Job::cancel() {
    if (!m_probe.isNull()) {
        m_probe->abort();
    }
    for (Part& part : m_parts) {
        if (!part.reply.isNull()) {
            part.reply->abort();
        }
    }
}

void MultiDownloader::Job::onProbeFinished() {
    QNetworkReply* reply = m_probe;
    if (reply == nullptr) {
        return;
    }
    m_probe.clear();
    reply->deleteLater();
    if (hasEnded()) {
        return;
    }
    m_probeResponse = Response::fromReply(reply);
    if (!m_probeResponse.isSuccess()) {
        complete({DownloadResult::BadStatus, m_probeResponse, QString()});
        return;
    }
    m_total = m_probeResponse.contentLength();
    if (m_expectedSize >= 0 && m_probeResponse.hasContentLength() && m_total > m_expectedSize) {
        complete({DownloadResult::TooManyBytes, m_probeResponse,
                  QStringLiteral("Size (reply/expected): %1/%2").arg(m_total).arg(m_expectedSize)});
        return;
    }
    // Without a size, or below one byte per part, the parts would all start at byte 0.
    if (!m_probeResponse.acceptsRanges() || !m_probeResponse.hasContentLength() ||
        m_total < m_partCount) {
        fallBack(m_probeResponse.acceptsRanges());
        return;
    }
    const QList<QPair<qint64, qint64>> ranges = splitParts(m_total, m_partCount);
    m_parts.resize(static_cast<std::size_t>(ranges.size()));
    for (int i = 0; i < ranges.size(); ++i) {
        m_parts[i].from = ranges[i].first;
        m_parts[i].to = ranges[i].second;
        m_parts[i].requestedFrom = ranges[i].first;
    }
    m_outstanding = ranges.size();
    for (int i = 0; i < ranges.size(); ++i) {
        startPart(i);
    }
}

void MultiDownloader::Job::fallBack(bool resumable) {
    const std::weak_ptr<Job> weak = self();
    Progress progress;
    if (m_progress) {
        progress = [weak](qint64 received, quint64 size) {
            if (const std::shared_ptr<Job> job = weak.lock()) {
                job->report(received, size);
            }
        };
    }
    const std::shared_ptr<DownloadJob> single =
        SingleDownloader::makeStream(m_url, m_device, progress, m_expectedSize, resumable);
    single->setOnEnd([weak](const DownloadResult& result) {
        if (const std::shared_ptr<Job> job = weak.lock()) {
            DownloadResult mapped = result;
            if (mapped.isOk() && !mapped.response.isSuccess()) {
                mapped.error = DownloadResult::BadStatus;
            }
            job->complete(mapped);
        }
    });
    // Ending this job ends the stream too, and waits for a write of it in progress.
    adopt(single);
    // The headers already carry the token.
    single->begin(m_headers);
}

void MultiDownloader::Job::startPart(int index) {
    Part& part = m_parts[static_cast<std::size_t>(index)];
    if (hasEnded()) {
        settle(index);
        return;
    }
    Headers sent = m_headers;
    sent.setRange(part.requestedFrom, part.to);
    part.checked = false;
    part.reply =
        DownloadRequest::send(DownloadRequest::Kind::Get, m_url, sent, index / kPartsPerPool);
    if (part.reply.isNull()) {
        complete({DownloadResult::NoReply, {}, QStringLiteral("No reply")});
        settle(index);
        return;
    }
    const std::shared_ptr<Job> job = self();
    QObject::connect(part.reply, &QNetworkReply::readyRead, part.reply,
                     [job, index] { job->onPartData(index); });
    QObject::connect(part.reply, &QNetworkReply::finished, part.reply,
                     [job, index] { job->onPartFinished(index); });
}

void MultiDownloader::Job::onPartData(int index) {
    Part& part = m_parts[static_cast<std::size_t>(index)];
    QNetworkReply* reply = part.reply;
    if (reply == nullptr || hasEnded()) {
        return;
    }
    if (!part.checked) {
        part.checked = true;
        const Response response = Response::fromReply(reply);
        if (response.status != 206) {
            complete({DownloadResult::BadStatus, response, QString()});
            return;
        }
        // Every bound must agree, or the bytes would land at another offset.
        const Response::ContentRange range = response.contentRange();
        if (range.from != part.requestedFrom || range.total != m_total ||
            (part.to >= 0 && range.to != part.to)) {
            complete({DownloadResult::RangeMismatch, response,
                      QStringLiteral("Range (reply/needed): %1/%2 - %3/%4, Size: %5/%6")
                          .arg(range.from)
                          .arg(part.requestedFrom)
                          .arg(range.to)
                          .arg(part.to)
                          .arg(range.total)
                          .arg(m_total)});
            return;
        }
    }
    const qint64 expected = (part.to < 0 ? m_total - 1 : part.to) - part.from + 1;
    const QByteArray data = reply->readAll();
    if (part.written + data.size() > expected) {
        complete({DownloadResult::TooManyBytes, Response::fromReply(reply),
                  QStringLiteral("Size (write/part): %1/%2")
                      .arg(part.written + data.size())
                      .arg(expected)});
        return;
    }
    switch (write(part.from + part.written, data)) {
        case Write::Ok:
            break;
        case Write::Ended:
            return;
        case Write::SeekFailed:
            complete({DownloadResult::SeekFailed, Response::fromReply(reply), QString()});
            return;
        case Write::WriteFailed:
            complete({DownloadResult::WriteFailed, Response::fromReply(reply), QString()});
            return;
    }
    part.written += data.size();
    part.complete = part.written == expected;
    qint64 sum = 0;
    for (const Part& each : m_parts) {
        sum += each.written;
    }
    if (sum > m_reported) {
        m_reported = sum;
        report(sum, static_cast<quint64>(m_total));
    }
}

void MultiDownloader::Job::onPartFinished(int index) {
    Part& part = m_parts[static_cast<std::size_t>(index)];
    QNetworkReply* reply = part.reply;
    if (reply == nullptr) {
        return;
    }
    if (reply->bytesAvailable() > 0) {
        onPartData(index);
    }
    part.reply.clear();
    reply->deleteLater();
    if (part.complete || hasEnded()) {
        settle(index);
        return;
    }
    const Response response = Response::fromReply(reply);
    // A checked part that ends short was cut, whether or not the transport noticed.
    if (!part.checked && !DownloadRequest::wasCut(reply)) {
        complete({DownloadResult::BadStatus, response, QString()});
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
                           [job = self(), index] { job->startPart(index); });
        return;
    }
    complete({DownloadResult::BadStatus, response,
              QStringLiteral("Part %1: %2").arg(index).arg(reason)});
    settle(index);
}

void MultiDownloader::Job::settle(int index) {
    Part& part = m_parts[static_cast<std::size_t>(index)];
    if (part.settled) {
        return;
    }
    part.settled = true;
    if (--m_outstanding == 0) {
        complete({DownloadResult::Ok, m_probeResponse, QString()});
    }
}

MultiDownloader::MultiDownloader(Ptr<IParamsSetter> paramsSetter, QObject* parent)
    : QObject(parent), Downloader(std::move(paramsSetter)) {}

MultiDownloader::~MultiDownloader() {
    stop();
}

int MultiDownloader::check(QIODevice* device) const {
    return device->isSequential() ? DownloadResult::Sequential : DownloadResult::Ok;
}

std::shared_ptr<DownloadJob> MultiDownloader::makeJob(const QUrl& url, QIODevice* device,
                                                      const Progress& progress,
                                                      qint64 expectedSize) {
    return std::make_shared<Job>(url, device, progress, expectedSize, m_partCount);
}

}  // namespace Net

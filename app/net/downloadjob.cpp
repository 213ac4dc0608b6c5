#include "net/downloadjob.h"

#include "net/manager.h"

namespace Net {

DownloadJob::DownloadJob(const QUrl& url, QIODevice* device, IDownloader::Progress progress,
                         qint64 expectedSize)
    : m_url(url), m_device(device), m_progress(std::move(progress)), m_expectedSize(expectedSize) {}

void DownloadJob::begin(const Headers& headers) {
    const std::shared_ptr<DownloadJob> self =
        std::static_pointer_cast<DownloadJob>(shared_from_this());
    Manager::instance()->runLater([self, headers] {
        if (!self->hasEnded()) {
            self->m_headers = headers;
            self->send();
        }
    });
}

DownloadResult DownloadJob::result() const {
    std::lock_guard<std::mutex> lock(mutex());
    return m_result;
}

bool DownloadJob::complete(const DownloadResult& result) {
    return finish([this, &result] { m_result = result; });
}

DownloadJob::Write DownloadJob::write(qint64 offset, const QByteArray& data) {
    const Owner owner(*this, Owner::Part::Device);
    if (!owner) {
        return Write::Ended;
    }
    if (offset >= 0 && m_device->pos() != offset && !m_device->seek(offset)) {
        return Write::SeekFailed;
    }
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 count = m_device->write(data.constData() + done, data.size() - done);
        if (count <= 0) {
            return Write::WriteFailed;
        }
        done += count;
    }
    return Write::Ok;
}

void DownloadJob::report(qint64 received, quint64 total) {
    const Owner owner(*this, Owner::Part::Device);
    if (owner && m_progress) {
        m_progress(received, total);
    }
}

void DownloadJob::recordAbort() {
    m_result = {DownloadResult::Aborted, {}, QString()};
}

void DownloadJob::ended() {
    if (m_onEnd) {
        m_onEnd(result());
    }
}

}  // namespace Net

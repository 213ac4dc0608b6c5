#include "net/downloader.h"

namespace Net {

Downloader::Downloader(Ptr<IParamsSetter> paramsSetter) : m_paramsSetter(std::move(paramsSetter)) {}

Downloader::~Downloader() {
    stop();
}

void Downloader::stop() {
    if (const std::shared_ptr<DownloadJob> current = job()) {
        current->abort();
        current->release();
    }
}

std::shared_ptr<DownloadJob> Downloader::job() const {
    return std::atomic_load(&m_job);
}

int Downloader::check(QIODevice*) const {
    return DownloadResult::Ok;
}

std::shared_ptr<DownloadJob> Downloader::start(const QUrl& url, const Headers& headers,
                                               QIODevice* device, const Progress& progress,
                                               const Finished& finished, DownloadResult& refusal) {
    refusal = {};
    if (isRunning()) {
        refusal.error = DownloadResult::Busy;
    } else if (!url.isValid() || device == nullptr) {
        refusal.error = DownloadResult::Refused;
    } else {
        refusal.error = check(device);
    }
    if (!refusal.isOk()) {
        return nullptr;
    }
    const std::shared_ptr<DownloadJob> job = makeJob(url, device, progress, m_expectedSize);
    job->setOnEnd([this, finished](const DownloadResult& result) {
        jobEnded();
        if (finished) {
            finished(result);
        }
    });
    std::shared_ptr<DownloadJob> previous = this->job();
    do {
        if (previous && !previous->hasEnded()) {
            refusal.error = DownloadResult::Busy;
            return nullptr;
        }
    } while (!std::atomic_compare_exchange_weak(&m_job, &previous, job));
    // A job replaced by a new one reports nothing more: its end would pass for the new one's.
    if (previous) {
        previous->release();
    }
    Headers sent = headers;
    if (m_paramsSetter && !m_paramsSetter->setParams(sent) && !job->hasEnded()) {
        job->release();
        job->complete({DownloadResult::Refused, {}, QStringLiteral("Not authorised")});
        refusal = job->result();
        return nullptr;
    }
    job->begin(sent);
    return job;
}

DownloadResult Downloader::download(const QUrl& url, const Headers& headers, QIODevice* device,
                                    const Progress& progress) {
    DownloadResult refusal;
    const std::shared_ptr<DownloadJob> job = start(url, headers, device, progress, {}, refusal);
    if (!job) {
        return refusal;
    }
    job->wait();
    return job->result();
}

bool Downloader::downloadAsync(const QUrl& url, const Headers& headers, QIODevice* device,
                               const Progress& progress, const Finished& finished) {
    DownloadResult refusal;
    return start(url, headers, device, progress, finished, refusal) != nullptr;
}

void Downloader::abort() {
    if (const std::shared_ptr<DownloadJob> current = job()) {
        current->abort();
    }
}

bool Downloader::isRunning() const {
    const std::shared_ptr<DownloadJob> current = job();
    return current && !current->hasEnded();
}

}  // namespace Net

#pragma once

#include "net/downloader.h"

namespace Net {

// One GET streamed into the device as it arrives. The HTTP status is the caller's to judge.
class SingleDownloader : public Downloader {
public:
    explicit SingleDownloader(Ptr<IParamsSetter> paramsSetter = nullptr);
    ~SingleDownloader() override;

    // For a server known to offer byte ranges: a cut transfer is taken up again from the
    // bytes already written instead of failing.
    void setResumable(bool resumable) { m_resumable = resumable; }

    // A job of its own, for a downloader that hands a file on to one stream.
    static std::shared_ptr<DownloadJob> makeStream(const QUrl& url, QIODevice* device,
                                                   const Progress& progress, qint64 expectedSize,
                                                   bool resumable);

protected:
    std::shared_ptr<DownloadJob> makeJob(const QUrl& url, QIODevice* device,
                                         const Progress& progress, qint64 expectedSize) override;

private:
    class Job;

    std::atomic<bool> m_resumable{false};
};

}  // namespace Net

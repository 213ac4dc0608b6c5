#pragma once

#include <QMutex>
#include <memory>

#include "net/idownloader.h"
#include "net/iparamssetter.h"
#include "net/ptr.h"

namespace Net {

class DownloadWait;

// One GET streamed into the device as it arrives. The HTTP status is the caller's to judge.
class SingleDownloader : public IDownloader {
public:
    explicit SingleDownloader(Ptr<IParamsSetter> paramsSetter = nullptr);
    ~SingleDownloader() override;

    DownloadResult download(const QUrl& url, const Headers& headers, QIODevice* device,
                            const Progress& progress) override;
    bool downloadAsync(const QUrl& url, const Headers& headers, QIODevice* device,
                       const Progress& progress, const Finished& finished) override;
    void abort() override;
    bool isRunning() const override;
    void setExpectedSize(qint64 bytes) override;

    // For a server known to offer byte ranges: a cut transfer is taken up again from the
    // bytes already written instead of failing.
    void setResumable(bool resumable) { m_resumable = resumable; }

private:
    struct Job;

    // A code of DownloadResult: Ok when the job was started.
    int start(const QUrl& url, const Headers& headers, QIODevice* device, const Progress& progress,
              const Finished& finished, const std::shared_ptr<DownloadWait>& wait);

    Ptr<IParamsSetter> m_paramsSetter;
    bool m_resumable = false;
    mutable QMutex m_mutex;
    qint64 m_expectedSize = -1;
    std::shared_ptr<Job> m_job;
    std::shared_ptr<DownloadWait> m_wait;
};

}  // namespace Net

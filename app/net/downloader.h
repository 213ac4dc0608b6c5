#pragma once

#include <atomic>
#include <memory>

#include "net/downloadjob.h"
#include "net/idownloader.h"
#include "net/iparamssetter.h"
#include "net/ptr.h"

namespace Net {

// What every downloader does around its job: refusals, the token, the blocking wait and
// abort, all through the job's Net::Transfer. Nothing is locked while the token is renewed,
// so abort() and isRunning() answer at once from any thread, and an abort that comes during
// the renewal ends the job before anything is sent. Final classes call stop() in their
// destructors.
class Downloader : public IDownloader {
public:
    ~Downloader() override;

    DownloadResult download(const QUrl& url, const Headers& headers, QIODevice* device,
                            const Progress& progress) override;
    // A job aborted while it was being started counts as started: `finished` gets Aborted.
    bool downloadAsync(const QUrl& url, const Headers& headers, QIODevice* device,
                       const Progress& progress, const Finished& finished) override;
    void abort() override;
    bool isRunning() const override;
    void setExpectedSize(qint64 bytes) override { m_expectedSize = bytes; }

protected:
    explicit Downloader(Ptr<IParamsSetter> paramsSetter);

    // A refusal code for this device, or Ok.
    virtual int check(QIODevice* device) const;
    virtual std::shared_ptr<DownloadJob> makeJob(const QUrl& url, QIODevice* device,
                                                 const Progress& progress, qint64 expectedSize) = 0;
    // In the manager's thread, when a job of this downloader has ended, before its callback.
    virtual void jobEnded() {}
    // Aborts the job and lets it go: once this returns, it calls nothing of this object.
    void stop();

private:
    std::shared_ptr<DownloadJob> start(const QUrl& url, const Headers& headers, QIODevice* device,
                                       const Progress& progress, const Finished& finished,
                                       DownloadResult& refusal);
    std::shared_ptr<DownloadJob> job() const;

    const Ptr<IParamsSetter> m_paramsSetter;
    std::atomic<qint64> m_expectedSize{-1};
    // Read and replaced with std::atomic_load and std::atomic_compare_exchange only.
    std::shared_ptr<DownloadJob> m_job;
};

}  // namespace Net

#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <memory>

#include "net/idownloader.h"
#include "net/iparamssetter.h"
#include "net/ptr.h"

namespace Net {

class DownloadWait;

// (from, to) byte ranges; the last part is open-ended (to = -1). No parts when count < 1.
QList<QPair<qint64, qint64>> splitParts(qint64 total, int count);

// Probes the file with HEAD and fetches it as concurrent ranged GETs, each written at
// its own offset as it arrives; servers without ranges get one GET. A part cut by the
// network is asked for again from its first missing byte.
class MultiDownloader : public QObject, public IDownloader {
    Q_OBJECT

public:
    explicit MultiDownloader(Ptr<IParamsSetter> paramsSetter = nullptr, QObject* parent = nullptr);
    ~MultiDownloader() override;

    DownloadResult download(const QUrl& url, const Headers& headers, QIODevice* device,
                            const Progress& progress) override;
    bool downloadAsync(const QUrl& url, const Headers& headers, QIODevice* device,
                       const Progress& progress, const IDownloader::Finished& finished) override;
    void abort() override;
    bool isRunning() const override;
    void setExpectedSize(qint64 bytes) override;

    int partCount() const { return m_partCount; }

signals:
    // Emitted when a job has ended: in the manager's thread, or in abort()'s for a blocking
    // download, which abort() ends at once.
    void Finished();

private:
    struct Job;

    bool start(const QUrl& url, const Headers& headers, QIODevice* device, const Progress& progress,
               const IDownloader::Finished& finished, const std::shared_ptr<DownloadWait>& wait,
               DownloadResult& refusal);

    const int m_partCount = 10;
    Ptr<IParamsSetter> m_paramsSetter;
    mutable QMutex m_mutex;
    qint64 m_expectedSize = -1;
    std::shared_ptr<Job> m_job;
    std::shared_ptr<DownloadWait> m_wait;
};

}  // namespace Net

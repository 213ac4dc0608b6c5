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

    int partCount() const { return m_partCount; }

signals:
    // Emitted in the manager's thread when a job has ended.
    void Finished();

private:
    struct Job;

    bool start(const QUrl& url, const Headers& headers, QIODevice* device, const Progress& progress,
               const IDownloader::Finished& finished, DownloadResult& refusal);

    const int m_partCount = 10;
    Ptr<IParamsSetter> m_paramsSetter;
    mutable QMutex m_mutex;
    std::shared_ptr<Job> m_job;
};

}  // namespace Net

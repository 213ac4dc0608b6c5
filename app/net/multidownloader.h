#pragma once

#include <QList>
#include <QObject>
#include <QPair>

#include "net/downloader.h"

namespace Net {

// (from, to) byte ranges; the last part is open-ended (to = -1). No parts when count < 1.
QList<QPair<qint64, qint64>> splitParts(qint64 total, int count);

// Probes the file with HEAD and fetches it as concurrent ranged GETs, each written at
// its own offset as it arrives; servers without ranges get one GET. A part cut by the
// network is asked for again from its first missing byte.
class MultiDownloader : public QObject, public Downloader {
    Q_OBJECT

public:
    explicit MultiDownloader(Ptr<IParamsSetter> paramsSetter = nullptr, QObject* parent = nullptr);
    ~MultiDownloader() override;

    int partCount() const { return m_partCount; }

signals:
    // Emitted in the manager's thread when a job has ended.
    void Finished();

protected:
    int check(QIODevice* device) const override;
    std::shared_ptr<DownloadJob> makeJob(const QUrl& url, QIODevice* device,
                                         const Progress& progress, qint64 expectedSize) override;
    void jobEnded() override { emit Finished(); }

private:
    class Job;

    const int m_partCount = 10;
};

}  // namespace Net

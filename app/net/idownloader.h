#pragma once

#include <QIODevice>
#include <QUrl>
#include <functional>

#include "net/downloadresult.h"
#include "net/headers.h"

namespace Net {

// Fetches one URL into an open output device. The callbacks run in the network
// manager's thread; a blocking download returns in the caller's thread.
class IDownloader {
public:
    using Progress = std::function<void(qint64 received, quint64 total)>;
    using Finished = std::function<void(const DownloadResult& result)>;

    virtual ~IDownloader() = default;
    virtual DownloadResult download(const QUrl& url, const Headers& headers, QIODevice* device,
                                    const Progress& progress) = 0;
    // False when the job was refused; `finished` is then not called.
    virtual bool downloadAsync(const QUrl& url, const Headers& headers, QIODevice* device,
                               const Progress& progress, const Finished& finished) = 0;
    // Once it returns, the device is no longer written to; the job ends as Aborted.
    virtual void abort() = 0;
    virtual bool isRunning() const = 0;
    // Bounds the jobs started from now on: a file larger than `bytes`, by its announced
    // length or by the bytes received, ends as TooManyBytes before the bytes beyond reach
    // the device. Negative: no bound (the default).
    virtual void setExpectedSize(qint64 bytes) = 0;
};

}  // namespace Net

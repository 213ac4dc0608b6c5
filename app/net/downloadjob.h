#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QUrl>

#include "net/downloadresult.h"
#include "net/headers.h"
#include "net/idownloader.h"
#include "net/transfer.h"

namespace Net {

// One download's transfer: what the multi-part and the single-stream jobs share. Its
// device and progress callback are the owner's (see Net::Transfer): written and called
// only in the manager's thread, and never once the job has ended.
class DownloadJob : public Transfer {
public:
    // Before begin(): receives the result in the manager's thread while the owner holds on.
    void setOnEnd(IDownloader::Finished onEnd) { m_onEnd = std::move(onEnd); }
    // Sends the first request, with `headers` (the token included), from the manager's thread.
    void begin(const Headers& headers);
    DownloadResult result() const;
    // Ends the job with `result` unless it has ended; true when this was its end.
    bool complete(const DownloadResult& result);

protected:
    DownloadJob(const QUrl& url, QIODevice* device, IDownloader::Progress progress,
                qint64 expectedSize);

    enum class Write { Ok, SeekFailed, WriteFailed, Ended };
    // A negative offset writes at the device's current position.
    Write write(qint64 offset, const QByteArray& data);
    void report(qint64 received, quint64 total);
    // The manager's thread: the first request, with m_headers set.
    virtual void send() = 0;

    const QUrl m_url;
    Headers m_headers;  // the manager's thread only
    QIODevice* const m_device;
    const IDownloader::Progress m_progress;
    const qint64 m_expectedSize;

private:
    void recordAbort() override;
    void ended() override;

    IDownloader::Finished m_onEnd;
    DownloadResult m_result;  // under mutex()
};

}  // namespace Net

#pragma once

#include <QNetworkReply>
#include <QUrl>

#include "net/headers.h"

namespace Net {

// What the downloaders share: sending a transfer from the manager's thread and
// telling a cut transfer (worth resuming) from an answer.
class DownloadRequest {
public:
    enum class Kind { Head, Get };

    // Retries of one transfer after a cut, with a growing pause.
    static constexpr int kMaxRetries = 3;
    static int retryPauseMs(int retry) { return 250 * retry; }

    // Call in the manager's thread. Transfers with different pools use separate
    // connections, so more than one host's worth of parts run at once.
    static QNetworkReply* send(Kind kind, const QUrl& url, const Headers& headers, int pool = 0);

    // The transfer ended below HTTP (time-out, reset, cut body) without being aborted by us.
    static bool wasCut(const QNetworkReply* reply);
    static int httpStatus(const QNetworkReply* reply);
};

}  // namespace Net

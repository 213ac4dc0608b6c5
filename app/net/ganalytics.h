#pragma once

#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>
#include <functional>
#include <memory>

#include "net/headers.h"

class QNetworkReply;

namespace Net {
class Request;
}

namespace Utils {

// Usage reports in the Measurement Protocol's batch form: hits wait in memory
// and go out at most twenty at a time, one batch in flight.
class GAnalytics : public QObject {
    Q_OBJECT

public:
    using Pairs = QList<QPair<QString, QString>>;
    using Clock = std::function<QDateTime()>;

    static constexpr int kBatchSize = 20;
    static constexpr int kIntervalMs = 30000;
    static constexpr qint64 kMaxAgeMs = 14400000;
    // How long the last hits may hold up the program's end.
    static constexpr int kSendAllMs = 5000;

    GAnalytics(const QString& appName, const QString& appVersion, const QUrl& batchUrl,
               QObject* parent = nullptr);
    ~GAnalytics() override;

    static QUrl defaultBatchUrl();
    static QString clientId();

    void setTrackingId(const QString& id);
    QString trackingId() const { return m_trackingId; }
    void setBatchUrl(const QUrl& url) { m_batchUrl = url; }
    QUrl batchUrl() const { return m_batchUrl; }
    // Starts the timer once, and only when there is a tracking identifier.
    void start();
    bool isStarted() const { return m_started; }
    int queueSize() const;

    QString userAgent() const;
    QString language() const { return m_language; }
    QString screenResolution() const { return m_screenResolution; }
    const Net::Headers& headers() const { return m_headers; }

    // Creation times come from here; replaceable so the expiry can be tested.
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Posts what is queued, batch after batch, waiting for each reply; gives up on
    // what is left after `waitMs`, so a silent collector cannot hold up the end.
    void sendAll(int waitMs = kSendAllMs);

    Q_INVOKABLE void sendAppView(const QString& screenName,
                                 const QVariantMap& customValues = QVariantMap());
    Q_INVOKABLE void sendEvent(const QString& category, const QString& action,
                               const QString& label = QString(), const QVariant& value = QVariant(),
                               const QVariantMap& customValues = QVariantMap());
    Q_INVOKABLE void sendException(const QString& exceptionDescription, bool exceptionFatal = false,
                                   const QVariantMap& customValues = QVariantMap());
    Q_INVOKABLE void startSession();
    Q_INVOKABLE void endSession();

public slots:
    void postMessages();
    void postMessagesFinished();

signals:
    // A batch's reply has been handled; `status` is 0 when there was no HTTP answer.
    void batchFinished(int hits, int status);

private:
    struct Hit {
        Pairs pairs;
        QDateTime created;
    };

    void enqueue(Pairs pairs);
    QList<Hit> takeBatch();
    QByteArray hitLine(const Hit& hit, const QDateTime& now) const;
    // Sends one batch; returns false when there was nothing to send or no reply came about.
    bool postBatch();
    QDateTime now() const;

    Net::Headers m_headers;
    QList<Hit> m_queue;
    mutable QMutex m_mutex;
    QTimer m_timer;
    QString m_trackingId;
    QString m_appName;
    QString m_appVersion;
    QString m_language;
    QString m_screenResolution;
    QUrl m_batchUrl;
    bool m_started = false;
    bool m_givingUp = false;
    Clock m_clock;

    std::unique_ptr<Net::Request> m_request;
    QPointer<QNetworkReply> m_reply;
    int m_batchHits = 0;
};

}  // namespace Utils

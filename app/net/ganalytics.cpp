#include "net/ganalytics.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLocale>
#include <QNetworkReply>
#include <QOperatingSystemVersion>
#include <QScreen>
#include <QUrlQuery>
#include <QUuid>

#include "base/logcategories.h"
#include "net/manager.h"
#include "net/request.h"

namespace Utils {

namespace {

QString osLabel() {
    const QOperatingSystemVersion current = QOperatingSystemVersion::current();
    if (current >= QOperatingSystemVersion::Windows10) {
        return QStringLiteral("Win 10");
    }
    if (current >= QOperatingSystemVersion::Windows8_1) {
        return QStringLiteral("Win 8.1");
    }
    if (current >= QOperatingSystemVersion::Windows8) {
        return QStringLiteral("Win 8");
    }
    if (current >= QOperatingSystemVersion::Windows7) {
        return QStringLiteral("Win 7");
    }
    return QStringLiteral("unknown");
}

QString percentEncoded(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

}  // namespace

GAnalytics::GAnalytics(const QString& appName, const QString& appVersion, const QUrl& batchUrl,
                       QObject* parent)
    : QObject(parent),
      m_appName(appName),
      m_appVersion(appVersion),
      m_language(QLocale::system().name().toLower().replace(QLatin1Char('_'), QLatin1Char('-'))),
      m_batchUrl(batchUrl) {
    if (const QScreen* screen =
            qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
                ? QGuiApplication::primaryScreen()
                : nullptr) {
        m_screenResolution =
            QStringLiteral("%1x%2").arg(screen->size().width()).arg(screen->size().height());
    }
    m_headers.set(Net::KnownHeader::UserAgent, userAgent());
    m_headers.set(Net::KnownHeader::ContentType,
                  QStringLiteral("application/x-www-form-urlencoded"));
    m_timer.setInterval(kIntervalMs);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &GAnalytics::postMessages);
}

GAnalytics::~GAnalytics() {
    m_timer.stop();
    // Hits without a tracking identifier have nowhere to go.
    if (!m_trackingId.isEmpty()) {
        sendAll();
    }
}

QUrl GAnalytics::defaultBatchUrl() {
    return QUrl(QStringLiteral("https://www.google-analytics.com/batch"));
}

QString GAnalytics::clientId() {
    static const QString id = QUuid::createUuid().toString(QUuid::WithBraces);
    return id;
}

QString GAnalytics::userAgent() const {
    return QStringLiteral("%1/%2 (%3; %4)")
        .arg(m_appName, m_appVersion, QStringLiteral("Windows; ") + osLabel(), m_language);
}

void GAnalytics::setTrackingId(const QString& id) {
    if (!id.isEmpty()) {
        m_trackingId = id;
    }
}

void GAnalytics::start() {
    if (m_started || m_trackingId.isEmpty()) {
        return;
    }
    m_started = true;
    m_timer.start();
}

int GAnalytics::queueSize() const {
    QMutexLocker lock(&m_mutex);
    return m_queue.size();
}

QDateTime GAnalytics::now() const {
    return m_clock ? m_clock() : QDateTime::currentDateTimeUtc();
}

void GAnalytics::sendAppView(const QString& screenName, const QVariantMap& customValues) {
    qCDebug(lcAnalytics).noquote() << "View:" << screenName << customValues;
    Pairs pairs{{QStringLiteral("t"), QStringLiteral("pageview")},
                {QStringLiteral("cd"), screenName}};
    for (auto it = customValues.cbegin(); it != customValues.cend(); ++it) {
        pairs.append({it.key(), it.value().toString()});
    }
    enqueue(std::move(pairs));
}

void GAnalytics::sendEvent(const QString& category, const QString& action, const QString& label,
                           const QVariant& value, const QVariantMap& customValues) {
    qCDebug(lcAnalytics).noquote()
        << "Event:" << category << action << label << value << customValues;
    Pairs pairs{{QStringLiteral("t"), QStringLiteral("event")},
                {QStringLiteral("ec"), category},
                {QStringLiteral("ea"), action}};
    if (!label.isEmpty()) {
        pairs.append({QStringLiteral("el"), label});
    }
    if (value.isValid()) {
        pairs.append({QStringLiteral("ev"), value.toString()});
    }
    for (auto it = customValues.cbegin(); it != customValues.cend(); ++it) {
        pairs.append({it.key(), it.value().toString()});
    }
    enqueue(std::move(pairs));
}

void GAnalytics::sendException(const QString& exceptionDescription, bool exceptionFatal,
                               const QVariantMap& customValues) {
    qCDebug(lcAnalytics).noquote()
        << "Exception:" << exceptionDescription << exceptionFatal << customValues;
    Pairs pairs{
        {QStringLiteral("t"), QStringLiteral("exception")},
        {QStringLiteral("exd"), exceptionDescription},
        {QStringLiteral("exf"), exceptionFatal ? QStringLiteral("1") : QStringLiteral("0")}};
    for (auto it = customValues.cbegin(); it != customValues.cend(); ++it) {
        pairs.append({it.key(), it.value().toString()});
    }
    enqueue(std::move(pairs));
}

void GAnalytics::startSession() {
    sendEvent(QStringLiteral("Session"), QStringLiteral("Start"), QString(), QVariant(),
              {{QStringLiteral("sc"), QStringLiteral("start")}});
}

void GAnalytics::endSession() {
    sendEvent(QStringLiteral("Session"), QStringLiteral("End"), QString(), QVariant(),
              {{QStringLiteral("sc"), QStringLiteral("end")}});
}

void GAnalytics::enqueue(Pairs pairs) {
    const QDateTime created = now();
    QMutexLocker lock(&m_mutex);
    m_queue.append({std::move(pairs), created});
}

QList<GAnalytics::Hit> GAnalytics::takeBatch() {
    QMutexLocker lock(&m_mutex);
    const int count = std::min<int>(kBatchSize, m_queue.size());
    QList<Hit> batch = m_queue.mid(0, count);
    m_queue.erase(m_queue.begin(), m_queue.begin() + count);
    return batch;
}

QByteArray GAnalytics::hitLine(const Hit& hit, const QDateTime& at) const {
    Pairs pairs = hit.pairs;
    pairs.append({QStringLiteral("v"), QStringLiteral("1")});
    pairs.append({QStringLiteral("qt"), QString::number(hit.created.msecsTo(at))});
    pairs.append({QStringLiteral("tid"), m_trackingId});
    pairs.append({QStringLiteral("cid"), clientId()});
    pairs.append({QStringLiteral("ul"), m_language});
    pairs.append({QStringLiteral("sr"), m_screenResolution});
    pairs.append({QStringLiteral("ds"), QStringLiteral("app")});
    pairs.append({QStringLiteral("an"), m_appName});
    pairs.append({QStringLiteral("av"), m_appVersion});
    QStringList items;
    items.reserve(pairs.size());
    for (const auto& pair : pairs) {
        items.append(percentEncoded(pair.first) + QLatin1Char('=') + percentEncoded(pair.second));
    }
    return items.join(QLatin1Char('&')).toLatin1() + '\n';
}

bool GAnalytics::postBatch() {
    const QList<Hit> batch = takeBatch();
    if (batch.isEmpty()) {
        return false;
    }
    const QDateTime at = QDateTime::currentDateTimeUtc();
    QByteArray body;
    int hits = 0;
    for (const Hit& hit : batch) {
        if (hit.created.msecsTo(at) > kMaxAgeMs) {
            continue;
        }
        body += hitLine(hit, at);
        ++hits;
    }
    if (hits == 0) {
        // Everything in this batch had expired; carry on with the next one.
        return postBatch();
    }
    qCDebug(lcAnalytics) << "postMessages:" << hits;
    Net::Headers headers = m_headers;
    headers.set(Net::KnownHeader::ContentLength, body.size());
    m_request = std::make_unique<Net::Request>(m_batchUrl, headers);
    m_batchHits = hits;
    Net::Manager::instance()->send(m_request.get(), Net::Manager::post(body));
    m_reply = m_request->reply();
    if (m_reply.isNull()) {
        m_request.reset();
        return false;
    }
    connect(m_reply.data(), &QNetworkReply::finished, this, &GAnalytics::postMessagesFinished);
    return true;
}

void GAnalytics::postMessages() {
    if (!m_reply.isNull()) {
        return;
    }
    if (!postBatch()) {
        m_timer.start();
    }
}

void GAnalytics::postMessagesFinished() {
    int status = 0;
    if (!m_reply.isNull()) {
        status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        m_reply->disconnect(this);
        m_reply->deleteLater();
        m_reply.clear();
    }
    m_request.reset();
    if (status < 200 || status > 299) {
        qCWarning(lcAnalytics) << "Http Status code:" << status;
    }
    emit batchFinished(m_batchHits, status);
    if (m_givingUp) {
        return;
    }
    if (!postBatch() && m_started) {
        m_timer.start();
    }
}

void GAnalytics::sendAll(int waitMs) {
    qCDebug(lcAnalytics) << "Send all:" << queueSize();
    m_timer.stop();
    m_started = false;
    const QDeadlineTimer deadline(waitMs);
    // Each reply's handler posts the next batch, so waiting on the reply in flight drains the
    // queue.
    if (m_reply.isNull()) {
        postBatch();
    }
    while (!m_reply.isNull()) {
        if (deadline.hasExpired()) {
            qCWarning(lcAnalytics) << "Send all: gave up, hits left:" << queueSize() + m_batchHits;
            m_givingUp = true;
            m_reply->abort();
            m_givingUp = false;
            break;
        }
        QEventLoop loop;
        connect(m_reply.data(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(static_cast<int>(deadline.remainingTime()), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

}  // namespace Utils

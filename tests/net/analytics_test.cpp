#include <QRegularExpression>
#include <QSignalSpy>
#include <QUrlQuery>
#include <QtTest>

#include "net/ganalytics.h"
#include "net/manager.h"
#include "serviceprocess.h"

namespace {

using Pairs = QList<QPair<QString, QString>>;

QList<Pairs> collectedHits(const ServiceProcess& service) {
    QList<Pairs> hits;
    for (const QVariant& line : service.hook("/_test/collected").value("hits").toList()) {
        hits.append(QUrlQuery(line.toString()).queryItems(QUrl::FullyDecoded));
    }
    return hits;
}

QStringList keys(const Pairs& pairs) {
    QStringList result;
    for (const auto& pair : pairs) {
        result.append(pair.first);
    }
    return result;
}

QString valueOf(const Pairs& pairs, const QString& key) {
    for (const auto& pair : pairs) {
        if (pair.first == key) {
            return pair.second;
        }
    }
    return QStringLiteral("<missing>");
}

const QStringList kCommonKeys{"v", "qt", "tid", "cid", "ul", "sr", "ds", "an", "av"};

#define REQUIRE_SERVICE(service) QVERIFY2((service).isRunning(), qPrintable((service).error()))

}  // namespace

class AnalyticsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Utils::GAnalytics> tracker(const ServiceProcess& service,
                                               const QString& path = "/collect/batch") {
        auto analytics = std::make_unique<Utils::GAnalytics>("QuillonPro", "1.2.0.2134",
                                                             QUrl(service.baseUrl() + path));
        analytics->setTrackingId("UA-42-1");
        return analytics;
    }

private slots:
    void initTestCase() {
        QVERIFY2(!ServiceProcess::program().isEmpty(), "QUILLON_SERVICE names no program");
        Net::Manager::instance()->configure(QString(), 10000, true);
    }

    void hitPairsInOrder() {
        ServiceProcess service;
        REQUIRE_SERVICE(service);
        auto analytics = tracker(service);
        analytics->sendEvent("Drivers-scan-screen", "Scan-button");
        analytics->sendEvent("Lang-change", "de_DE", "system", 5, {{"cd1", "a b&c"}});
        analytics->sendEvent("Cat", "Act", QString(), QVariant(), {});
        analytics->sendAppView("About-screen", {{"cd2", "x"}});
        analytics->sendException("boom", true);
        analytics->sendException("soft");
        analytics->startSession();
        analytics->endSession();
        QSignalSpy finished(analytics.get(), &Utils::GAnalytics::batchFinished);
        analytics->postMessages();
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.first().value(1).toInt(), 200);

        const QList<Pairs> hits = collectedHits(service);
        QCOMPARE(hits.size(), 8);
        QCOMPARE(keys(hits[0]), QStringList({"t", "ec", "ea"}) + kCommonKeys);
        QCOMPARE(keys(hits[1]), QStringList({"t", "ec", "ea", "el", "ev", "cd1"}) + kCommonKeys);
        QCOMPARE(valueOf(hits[1], "ev"), QStringLiteral("5"));
        QCOMPARE(valueOf(hits[1], "cd1"), QStringLiteral("a b&c"));
        QCOMPARE(keys(hits[2]), QStringList({"t", "ec", "ea"}) + kCommonKeys);
        QCOMPARE(keys(hits[3]), QStringList({"t", "cd", "cd2"}) + kCommonKeys);
        QCOMPARE(valueOf(hits[3], "t"), QStringLiteral("pageview"));
        QCOMPARE(keys(hits[4]), QStringList({"t", "exd", "exf"}) + kCommonKeys);
        QCOMPARE(valueOf(hits[4], "exf"), QStringLiteral("1"));
        QCOMPARE(valueOf(hits[5], "exf"), QStringLiteral("0"));
        QCOMPARE(keys(hits[6]), QStringList({"t", "ec", "ea", "sc"}) + kCommonKeys);
        QCOMPARE(valueOf(hits[6], "ea"), QStringLiteral("Start"));
        QCOMPARE(valueOf(hits[6], "sc"), QStringLiteral("start"));
        QCOMPARE(valueOf(hits[7], "sc"), QStringLiteral("end"));

        const Pairs& hit = hits[0];
        QCOMPARE(valueOf(hit, "v"), QStringLiteral("1"));
        QCOMPARE(valueOf(hit, "tid"), QStringLiteral("UA-42-1"));
        QCOMPARE(valueOf(hit, "ds"), QStringLiteral("app"));
        QCOMPARE(valueOf(hit, "an"), QStringLiteral("QuillonPro"));
        QCOMPARE(valueOf(hit, "av"), QStringLiteral("1.2.0.2134"));
        QCOMPARE(valueOf(hit, "cid"), Utils::GAnalytics::clientId());
        QVERIFY(QUuid(valueOf(hit, "cid")).toString() == valueOf(hit, "cid"));
        bool number = false;
        QVERIFY(valueOf(hit, "qt").toLongLong(&number) >= 0 && number);
    }

    void batchesOfTwentyAfterEachReply() {
        ServiceProcess service;
        REQUIRE_SERVICE(service);
        auto analytics = tracker(service);
        for (int i = 0; i < 45; ++i) {
            analytics->sendAppView(QStringLiteral("Screen-%1").arg(i));
        }
        QSignalSpy finished(analytics.get(), &Utils::GAnalytics::batchFinished);
        analytics->postMessages();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 3, 30000);
        QCOMPARE(finished[0].value(0).toInt(), 20);
        QCOMPARE(finished[1].value(0).toInt(), 20);
        QCOMPARE(finished[2].value(0).toInt(), 5);
        QCOMPARE(analytics->queueSize(), 0);
        const QVariantMap counters = service.hook("/_test/counters");
        QCOMPARE(counters.value("collect_batches").toInt(), 3);
        QCOMPARE(counters.value("collect_hits").toInt(), 45);
        const QList<Pairs> hits = collectedHits(service);
        QCOMPARE(hits.size(), 45);
        QCOMPARE(valueOf(hits[0], "cd"), QStringLiteral("Screen-0"));
        QCOMPARE(valueOf(hits[44], "cd"), QStringLiteral("Screen-44"));
    }

    void hitsOlderThanFourHoursAreDropped() {
        ServiceProcess service;
        REQUIRE_SERVICE(service);
        auto analytics = tracker(service);
        analytics->setClock([] { return QDateTime::currentDateTimeUtc().addSecs(-5 * 3600); });
        analytics->sendAppView("Old");
        analytics->setClock([] { return QDateTime::currentDateTimeUtc().addSecs(-3 * 3600); });
        analytics->sendAppView("Three hours");
        analytics->setClock({});
        analytics->sendAppView("New");
        QSignalSpy finished(analytics.get(), &Utils::GAnalytics::batchFinished);
        analytics->postMessages();
        QVERIFY(finished.wait(20000));
        const QList<Pairs> hits = collectedHits(service);
        QCOMPARE(hits.size(), 2);
        QCOMPARE(valueOf(hits[0], "cd"), QStringLiteral("Three hours"));
        QVERIFY(valueOf(hits[0], "qt").toLongLong() >= 3 * 3600 * 1000LL);
        QCOMPARE(valueOf(hits[1], "cd"), QStringLiteral("New"));
    }

    void refusedBatchIsDropped() {
        ServiceProcess service;
        REQUIRE_SERVICE(service);
        auto analytics = tracker(service, "/collect/elsewhere");
        analytics->sendAppView("Lost");
        QSignalSpy finished(analytics.get(), &Utils::GAnalytics::batchFinished);
        analytics->postMessages();
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.first().value(1).toInt(), 404);
        QCOMPARE(analytics->queueSize(), 0);
    }

    void shutdownSendsEverything() {
        ServiceProcess service;
        REQUIRE_SERVICE(service);
        {
            auto analytics = tracker(service);
            analytics->start();
            for (int i = 0; i < 25; ++i) {
                analytics->sendEvent("Cat", QStringLiteral("Action-%1").arg(i));
            }
            analytics->endSession();
        }
        {
            // Without a tracking identifier nothing is ever posted.
            Utils::GAnalytics silent("QuillonPro", "1.2.0.2134",
                                     QUrl(service.baseUrl() + "/collect/batch"));
            silent.sendAppView("Unsent");
        }
        const QVariantMap counters = service.hook("/_test/counters");
        QCOMPARE(counters.value("collect_batches").toInt(), 2);
        QCOMPARE(counters.value("collect_hits").toInt(), 26);
        QCOMPARE(valueOf(collectedHits(service).last(), "sc"), QStringLiteral("end"));
    }

    void startNeedsTrackingId() {
        Utils::GAnalytics analytics("QuillonPro", "1.2.0.2134", QUrl("http://127.0.0.1:1/"));
        analytics.setTrackingId(QString());
        analytics.start();
        QVERIFY(!analytics.isStarted());
        analytics.setTrackingId("UA-1");
        analytics.setTrackingId(QString());
        QCOMPARE(analytics.trackingId(), QStringLiteral("UA-1"));
        analytics.start();
        QVERIFY(analytics.isStarted());
        // The hits have nowhere to go here; shutting down must not wait for them.
        analytics.setBatchUrl(QUrl());
    }

    void userAgentAndHeaders() {
        Utils::GAnalytics analytics("QuillonPro", "1.2.0.2134", QUrl());
        QVERIFY2(QRegularExpression(R"(^QuillonPro/1\.2\.0\.2134 \(Windows; (Win (10|8\.1|8|7)|)"
                                    R"(unknown); [a-z]+(-[a-z0-9]+)*\)$)")
                     .match(analytics.userAgent())
                     .hasMatch(),
                 qPrintable(analytics.userAgent()));
        QCOMPARE(analytics.language(), QLocale::system().name().toLower().replace('_', '-'));
        QCOMPARE(analytics.headers().value(Net::KnownHeader::ContentType).toString(),
                 QStringLiteral("application/x-www-form-urlencoded"));
        QCOMPARE(analytics.headers().value(Net::KnownHeader::UserAgent).toString(),
                 analytics.userAgent());
        QVERIFY(QRegularExpression(R"(^\d+x\d+$)").match(analytics.screenResolution()).hasMatch());
    }
};

QTEST_MAIN(AnalyticsTest)
#include "analytics_test.moc"

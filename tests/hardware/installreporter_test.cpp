#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "hardware/installreporter.h"
#include "net/injsondeflateconvert.h"
#include "net/manager.h"
#include "net/outjsonconvert.h"
#include "scriptedserver.h"

using Qln::InstallReport;
using Qln::InstallReporter;

namespace {

Net::Method reportMethod() {
    return Net::Method(QUrl(), Net::Verb::Put, Net::Headers(),
                       std::make_shared<Qln::InJsonDeflateConvert>(),
                       std::make_shared<Qln::OutJsonConvert>(), nullptr);
}

}  // namespace

class InstallReporterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Net::Manager::instance()->configure(QString(), 10000, true); }

    void bodyCarriesBothCodesButNotTheReboot() {
        const InstallReport report("http://h/app/report/1/ab", 0xE0000203u, 102, true);
        QCOMPARE(
            report.toVariant(),
            QVariant(QVariantMap{
                {"report", QVariantMap{{"error_code", 102}, {"system_error_code", 0xE0000203u}}}}));
    }

    void pauseDoublesToAMinute_data() {
        QTest::addColumn<int>("failures");
        QTest::addColumn<int>("pause");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("first") << 1 << 1000;
        QTest::newRow("second") << 2 << 2000;
        QTest::newRow("sixth") << 6 << 32000;
        QTest::newRow("seventh, capped") << 7 << 60000;
        QTest::newRow("hundredth") << 100 << 60000;
    }
    void pauseDoublesToAMinute() {
        QFETCH(int, failures);
        QFETCH(int, pause);
        QCOMPARE(InstallReporter::pauseMs(failures), pause);
    }

    // A refused report is sent again after a pause; the next one waits behind it; a report the
    // service can never take (no such scan) is given up so the queue moves on.
    void refusedReportsAreRetriedInOrder() {
        int firstTries = 0;
        ScriptedServer server([&](const ScriptedServer::Received& request) {
            ScriptedServer::Answer answer;
            if (request.target == "/r/1" && ++firstTries < 3) {
                answer.status = 500;
                answer.body = R"({"error": {"code": 500, "message": "busy"}})";
            } else if (request.target == "/r/gone") {
                answer.status = 404;
                answer.body = R"({"error": {"code": 404, "message": "no such scan"}})";
            } else {
                answer.body = "{}";
            }
            return answer;
        });
        InstallReporter reporter(reportMethod());
        QSignalSpy sent(&reporter, &InstallReporter::Sent);
        QSignalSpy dropped(&reporter, &InstallReporter::Dropped);
        reporter.append(InstallReport(server.baseUrl() + "/r/1", 0, 0, false));
        reporter.append(InstallReport(server.baseUrl() + "/r/gone", 0, 0, false));
        reporter.append(InstallReport(server.baseUrl() + "/r/2", 31, 102, false));
        QTRY_COMPARE_WITH_TIMEOUT(sent.count(), 2, 20000);
        QCOMPARE(dropped.count(), 1);
        QStringList targets;
        for (const ScriptedServer::Received& request : server.received()) {
            QCOMPARE(request.method, QByteArray("PUT"));
            targets << QString::fromLatin1(request.target);
        }
        QCOMPARE(targets, (QStringList{"/r/1", "/r/1", "/r/1", "/r/gone", "/r/2"}));
        QCOMPARE(reporter.pending(), 0);
    }

    // The service never answers: destroying the reporter must not wait for it.
    void destroyingEndsTheSendUnderWay() {
        ScriptedServer server([](const ScriptedServer::Received&) {
            ScriptedServer::Answer answer;
            answer.silent = true;
            return answer;
        });
        auto reporter = std::make_unique<InstallReporter>(reportMethod());
        reporter->append(InstallReport(server.baseUrl() + "/r/1", 0, 0, false));
        reporter->append(InstallReport(server.baseUrl() + "/r/2", 0, 0, false));
        QTRY_COMPARE_WITH_TIMEOUT(server.received().size(), 1, 10000);
        reporter.reset();
        QCOMPARE(server.received().size(), 1);
    }
};

QTEST_MAIN(InstallReporterTest)
#include "installreporter_test.moc"

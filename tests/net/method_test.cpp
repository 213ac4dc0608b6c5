#include <QtConcurrent>
#include <QtTest>
#include <atomic>

#include "base/task.h"
#include "net/manager.h"
#include "net/method.h"
#include "net/serviceclient.h"
#include "net/settingsdata.h"
#include "scriptedserver.h"

namespace {

// Result of a call made on a pool thread, the way workers make them.
template <typename Call>
Net::Response onWorker(Call call) {
    QFuture<Net::Response> future = QtConcurrent::run(call);
    if (!QTest::qWaitFor([&] { return future.isFinished(); }, 30000)) {
        Net::Response stuck;
        stuck.status = -1;
        return stuck;
    }
    return future.result();
}

class Payload : public Net::IInData {
public:
    explicit Payload(QVariant value) : m_value(std::move(value)) {}
    QVariant toVariant() const override { return m_value; }

private:
    QVariant m_value;
};

class Recorded : public Qln::OutDataWithError {
public:
    void setData(const QVariant& data) override {
        error.setData(data);
        ++calls;
        last = data;
    }
    int calls = 0;
    QVariant last;
};

// One call as a step of a task, the way the program's workers make them.
class CallStep : public Flow::Worker {
public:
    struct Outcome {
        std::atomic<bool> ended{false};
        std::atomic<int> status{-1};
    };

    CallStep(Net::Method method, std::shared_ptr<Outcome> outcome)
        : m_method(std::move(method)), m_outcome(std::move(outcome)) {}

    bool work(Flow::Shared<QObject>&) override {
        m_outcome->status = m_method.exec({}, {}).status;
        m_outcome->ended = true;
        return true;
    }

private:
    Net::Method m_method;
    std::shared_ptr<Outcome> m_outcome;
};

ScriptedServer::Answer silentAnswer(const ScriptedServer::Received&) {
    ScriptedServer::Answer answer;
    answer.silent = true;
    return answer;
}

Net::Method methodFor(const QString& url, Net::Verb verb) {
    const Qln::ServiceClient client(QStringLiteral("http://127.0.0.1:1"),
                                    std::make_shared<Qln::AuthData>());
    return Net::Method(QUrl(url), verb, client.jsonWriteHeaders(),
                       std::make_shared<Qln::InJsonDeflateConvert>(),
                       std::make_shared<Qln::OutJsonConvert>(), nullptr);
}

}  // namespace

class MethodTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Net::Manager::instance()->configure(QString(), 10000, true); }

    void emptyUrlSendsNothing() {
        ScriptedServer server([](const auto&) { return ScriptedServer::Answer{}; });
        auto result = std::make_shared<Recorded>();
        Net::Method method = methodFor(QString(), Net::Verb::Put);
        const Net::Response response =
            onWorker([&] { return method.exec(std::make_shared<Payload>(QVariantMap()), result); });
        QCOMPARE(response.status, 0);
        QCOMPARE(result->calls, 0);
        QVERIFY(server.received().isEmpty());
    }

    void statuses_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QByteArray error = R"({"error":{"code":5,"message":"x"}})";
        QTest::newRow("200") << 200 << QByteArray(R"({"a":1})") << true << 0 << "";
        QTest::newRow("404 with error body") << 404 << error << true << 5 << "x";
        QTest::newRow("401 non-numeric code")
            << 401 << QByteArray(R"({"error":{"code":"no","message":"m"}})") << true << 0 << "m";
        QTest::newRow("500 with error body") << 500 << error << false << 0 << "";
        QTest::newRow("302") << 302 << error << false << 0 << "";
        QTest::newRow("200 not JSON") << 200 << QByteArray("<html>ok</html>") << true << 0 << "";
    }

    void statuses() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, filled);
        QFETCH(int, code);
        QFETCH(QString, message);
        ScriptedServer server([&](const auto&) {
            ScriptedServer::Answer answer;
            answer.status = status;
            answer.body = body;
            return answer;
        });
        auto result = std::make_shared<Recorded>();
        Net::Method method = methodFor(server.baseUrl() + "/x", Net::Verb::Get);
        const Net::Response response = onWorker([&] { return method.exec({}, result); });
        QCOMPARE(response.status, status);
        QCOMPARE(response.reason, QStringLiteral("Scripted"));
        QCOMPARE(response.isSuccess(), status / 100 == 2);
        QCOMPARE(response.isClientError(), status / 100 == 4);
        QCOMPARE(response.contentLength(), qint64(body.size()));
        QCOMPARE(response.rawHeaders.value("Connection"), QStringLiteral("keep-alive"));
        QCOMPARE(result->calls, filled ? 1 : 0);
        QCOMPARE(result->error.code, code);
        QCOMPARE(result->error.message, message);
        if (filled && body.startsWith('<')) {
            QVERIFY(!result->last.isValid());
        }
    }

    void bodyAndHeadersOnTheWire_data() {
        QTest::addColumn<QVariant>("data");
        QTest::addColumn<int>("verb");
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<bool>("hasBody");
        QTest::newRow("PUT {}") << QVariant(QVariantMap()) << int(Net::Verb::Put)
                                << QByteArray("PUT") << true;
        QTest::newRow("POST list")
            << QVariant(QVariantList{1}) << int(Net::Verb::Post) << QByteArray("POST") << true;
        QTest::newRow("PUT plain string") << QVariant(QStringLiteral("text")) << int(Net::Verb::Put)
                                          << QByteArray("PUT") << false;
        QTest::newRow("DELETE") << QVariant() << int(Net::Verb::Delete) << QByteArray("DELETE")
                                << false;
        QTest::newRow("unknown verb is HEAD") << QVariant() << 9 << QByteArray("HEAD") << false;
    }

    void bodyAndHeadersOnTheWire() {
        QFETCH(QVariant, data);
        QFETCH(int, verb);
        QFETCH(QByteArray, method);
        QFETCH(bool, hasBody);
        ScriptedServer server([](const auto&) { return ScriptedServer::Answer{}; });
        Net::Method call = methodFor(server.baseUrl() + "/app/x?keep=1", Net::Verb(verb));
        Net::Headers extra;
        extra.setRaw("X-Extra", "1");
        const Net::Response response = onWorker([&] {
            return call.exec(std::make_shared<Payload>(data), {}, extra,
                             {{"ppg", QString()}, {"b", "c d"}});
        });
        QCOMPARE(response.status, 200);
        QCOMPARE(server.received().size(), 1);
        const ScriptedServer::Received request = server.received().first();
        QCOMPARE(request.method, method);
        QCOMPARE(request.target, QByteArray("/app/x?keep=1&b=c%20d&ppg="));
        QCOMPARE(request.headers.value("user-agent"), QByteArray("QuillonPro/1.2.0.2134"));
        QCOMPARE(request.headers.value("content-encoding"), QByteArray("gzip"));
        QCOMPARE(request.headers.value("x-extra"), QByteArray("1"));
        QCOMPARE(request.body.isEmpty(), !hasBody);
        if (hasBody) {
            QCOMPARE(request.body.left(2), QByteArray::fromHex("789c"));
        }
    }

    void transferTimeoutEndsWithoutStatus() {
        ScriptedServer server([](const auto&) {
            ScriptedServer::Answer answer;
            answer.silent = true;
            return answer;
        });
        Net::Manager::instance()->configure(QString(), 300, true);
        auto result = std::make_shared<Recorded>();
        Net::Method method = methodFor(server.baseUrl() + "/slow", Net::Verb::Get);
        const Net::Response response = onWorker([&] { return method.exec({}, result); });
        Net::Manager::instance()->configure(QString(), 10000, true);
        QCOMPARE(response.status, 0);
        QCOMPARE(result->calls, 0);
        QCOMPARE(server.received().size(), 1);
    }

    void stalledBodyEndsWithoutStatus() {
        ScriptedServer server([](const auto&) {
            ScriptedServer::Answer answer;
            answer.body = R"({"error":{"code":1}})";
            answer.stallBody = true;
            return answer;
        });
        Net::Manager::instance()->configure(QString(), 300, true);
        auto result = std::make_shared<Recorded>();
        Net::Method method = methodFor(server.baseUrl() + "/half", Net::Verb::Get);
        const Net::Response response = onWorker([&] { return method.exec({}, result); });
        Net::Manager::instance()->configure(QString(), 10000, true);
        QCOMPARE(response.status, 0);
        QCOMPARE(result->calls, 0);
    }

    void compressedReplies_data() {
        QTest::addColumn<QByteArray>("encoding");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("code");
        const QByteArray json = R"({"error":{"code":6,"message":"z"}})";
        QTest::newRow("zlib as gzip")
            << QByteArray("gzip") << Qln::InJsonDeflateConvert::compressData(json, 6) << 6;
        QTest::newRow("zlib as deflate")
            << QByteArray("deflate") << Qln::InJsonDeflateConvert::compressData(json, 9) << 6;
        QTest::newRow("plain") << QByteArray() << json << 6;
        QTest::newRow("damaged stream")
            << QByteArray("gzip") << Qln::InJsonDeflateConvert::compressData(json, 6).left(12)
            << -1;
        QTest::newRow("labelled but plain") << QByteArray("gzip") << json << -1;
    }

    void compressedReplies() {
        QFETCH(QByteArray, encoding);
        QFETCH(QByteArray, body);
        QFETCH(int, code);
        ScriptedServer server([&](const auto&) {
            ScriptedServer::Answer answer;
            answer.status = 400;
            answer.body = body;
            answer.contentEncoding = encoding;
            return answer;
        });
        auto result = std::make_shared<Recorded>();
        result->error.code = -1;
        Net::Method method = methodFor(server.baseUrl() + "/z", Net::Verb::Get);
        QCOMPARE(onWorker([&] { return method.exec({}, result); }).status, 400);
        QCOMPARE(result->error.code, code);
    }

    void abortEndsTheWait() {
        ScriptedServer server([](const auto&) {
            ScriptedServer::Answer answer;
            answer.silent = true;
            return answer;
        });
        auto result = std::make_shared<Recorded>();
        Net::Method method = methodFor(server.baseUrl() + "/hang", Net::Verb::Get);
        QFuture<Net::Response> future = QtConcurrent::run([&] { return method.exec({}, result); });
        QTRY_COMPARE_WITH_TIMEOUT(server.received().size(), 1, 10000);
        method.abort();
        QTRY_VERIFY_WITH_TIMEOUT(future.isFinished(), 5000);
        QCOMPARE(future.result().status, 0);
        QCOMPARE(result->calls, 0);
    }

    void repliesAreBounded_data() {
        using Failure = Net::Response::Failure;
        QTest::addColumn<qint64>("declared");
        QTest::addColumn<int>("bodySize");
        QTest::addColumn<bool>("untilClose");
        QTest::addColumn<int>("trickleMs");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<int>("deadlineMs");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("logLine");
        const qint64 cap = Net::Call::kApiReplyLimit;
        const int deadline = Net::Call::kApiDeadlineMs;
        QTest::newRow("declared over 16 MiB") << cap + 1 << 2 << false << 0 << cap << deadline << 0
                                              << int(Failure::TooLarge) << "Reply too large:";
        QTest::newRow("received over the cap, no length")
            << qint64(-1) << 4096 << true << 0 << qint64(1024) << deadline << 0
            << int(Failure::TooLarge) << "Reply too large:";
        QTest::newRow("at the cap") << qint64(-1) << 1024 << true << 0 << qint64(1024) << deadline
                                    << 200 << int(Failure::None) << QString();
        QTest::newRow("no cap") << qint64(-1) << 4096 << true << 0 << qint64(-1) << deadline << 200
                                << int(Failure::None) << QString();
        // Each byte is progress, so only the overall deadline ends this one.
        QTest::newRow("trickle past the deadline")
            << qint64(-1) << 200 << false << 20 << cap << 300 << 0 << int(Failure::TimedOut)
            << "Call timed out:";
    }

    void repliesAreBounded() {
        QFETCH(qint64, declared);
        QFETCH(int, bodySize);
        QFETCH(bool, untilClose);
        QFETCH(int, trickleMs);
        QFETCH(qint64, maxBytes);
        QFETCH(int, deadlineMs);
        QFETCH(int, status);
        QFETCH(int, failure);
        QFETCH(QString, logLine);
        ScriptedServer server([&](const auto&) {
            ScriptedServer::Answer answer;
            answer.body = QByteArray(bodySize, ' ');
            answer.declaredLength = declared;
            answer.untilClose = untilClose;
            answer.trickleMs = trickleMs;
            return answer;
        });
        if (!logLine.isEmpty()) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^" + logLine));
        }
        auto result = std::make_shared<Recorded>();
        Net::Method method = methodFor(server.baseUrl() + "/big", Net::Verb::Get);
        method.maxReplyBytes = maxBytes;
        method.deadlineMs = deadlineMs;
        const Net::Response response = onWorker([&] { return method.exec({}, result); });
        QCOMPARE(response.status, status);
        QCOMPARE(int(response.failure), failure);
        QCOMPARE(result->calls, status == 0 ? 0 : 1);
    }

    void destroyedTaskEndsItsWait_data() {
        QTest::addColumn<bool>("withToken");
        QTest::newRow("the call itself") << true;
        QTest::newRow("the authorisation on its way") << false;
    }

    void destroyedTaskEndsItsWait() {
        QFETCH(bool, withToken);
        ScriptedServer server(&silentAnswer);
        Qln::ServiceClient client(server.baseUrl(), std::make_shared<Qln::AuthData>());
        if (withToken) {
            client.token()->token = QStringLiteral("t");
            client.token()->ttl = 3600;
            client.token()->timestamp = QDateTime::currentSecsSinceEpoch();
        }
        auto outcome = std::make_shared<CallStep::Outcome>();
        auto task = std::make_unique<Qln::Task>();
        task->chain().add(std::make_shared<CallStep>(client.settingsMethod(), outcome));
        task->start();
        QTRY_COMPARE_WITH_TIMEOUT(server.received().size(), 1, 10000);
        task.reset();
        // The wait ends on the abort alone: this thread runs no events meanwhile. The bound is
        // far below the call's own deadline.
        QVERIFY(QThreadPool::globalInstance()->waitForDone(30000));
        QVERIFY(outcome->ended);
        QCOMPARE(outcome->status.load(), 0);
    }

    void unreachableServerGivesNoStatus() {
        quint16 port = 0;
        {
            ScriptedServer closed([](const auto&) { return ScriptedServer::Answer{}; });
            port = closed.serverPort();
        }
        auto result = std::make_shared<Recorded>();
        Net::Method method =
            methodFor(QStringLiteral("http://127.0.0.1:%1/x").arg(port), Net::Verb::Get);
        QCOMPARE(onWorker([&] { return method.exec({}, result); }).status, 0);
        QCOMPARE(result->calls, 0);
    }

    void destroyedResultIsNotFilled() {
        ScriptedServer server([](const auto&) {
            ScriptedServer::Answer answer;
            answer.body = R"({"error":{"code":1}})";
            return answer;
        });
        Net::WeakPtr<Net::IOutData> gone = std::make_shared<Recorded>();
        Net::Method method = methodFor(server.baseUrl() + "/x", Net::Verb::Get);
        QCOMPARE(onWorker([&] { return method.exec({}, gone); }).status, 200);
    }

    void callFromTheManagersThread() {
        ScriptedServer server([](const auto&) {
            ScriptedServer::Answer answer;
            answer.body = R"({"error":{"code":3}})";
            answer.delayMs = 50;
            return answer;
        });
        auto result = std::make_shared<Recorded>();
        Net::Method method = methodFor(server.baseUrl() + "/x", Net::Verb::Get);
        QCOMPARE(method.exec({}, result).status, 200);
        QCOMPARE(result->error.code, 3);
    }
};

QTEST_GUILESS_MAIN(MethodTest)
#include "method_test.moc"

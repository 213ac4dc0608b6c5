#include <QtConcurrent>
#include <QtTest>

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

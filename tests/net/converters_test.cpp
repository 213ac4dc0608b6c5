#include <zlib.h>
#include <QJsonDocument>
#include <QtTest>

#include "net/contentdecoding.h"
#include "net/injsondeflateconvert.h"
#include "net/outerror.h"
#include "net/outjsonconvert.h"
#include "net/serviceclient.h"

using Qln::InJsonDeflateConvert;

namespace {

QByteArray inflateAll(const QByteArray& stream) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) {
        return {};
    }
    QByteArray out;
    char buffer[16384];
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.constData()));
    z.avail_in = static_cast<uInt>(stream.size());
    int result = Z_OK;
    while (result == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        result = inflate(&z, Z_NO_FLUSH);
        out.append(buffer, int(sizeof buffer - z.avail_out));
    }
    inflateEnd(&z);
    return result == Z_STREAM_END ? out : QByteArray("<broken stream>");
}

}  // namespace

class ConvertersTest : public QObject {
    Q_OBJECT

private slots:
    void compressData_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("empty object") << QByteArray("{}");
        QTest::newRow("one piece exactly") << QByteArray(4096, 'a');
        QTest::newRow("piece and a byte") << QByteArray(4097, 'b');
        QByteArray noise(1 << 20, Qt::Uninitialized);
        quint32 seed = 7;
        for (char& byte : noise) {
            seed = seed * 1103515245u + 12345u;
            byte = char(seed >> 24);
        }
        QTest::newRow("1 MiB incompressible") << noise;
        QByteArray json = "[";
        while (json.size() < (1 << 20)) {
            json += R"({"id":"PCI\\VEN_8086&DEV_1234","rank":4096},)";
        }
        json += "{}]";
        QTest::newRow("1 MiB JSON") << json;
    }

    void compressData() {
        QFETCH(QByteArray, input);
        const QByteArray stream = InJsonDeflateConvert::compressData(input, 6);
        QCOMPARE(stream.left(2), QByteArray::fromHex("789c"));
        QCOMPARE(inflateAll(stream), input);
    }

    void compressDataOfNothingIsNothing() {
        QVERIFY(InJsonDeflateConvert::compressData(QByteArray(), 6).isEmpty());
        QVERIFY(InJsonDeflateConvert::compressData("x", 42).isEmpty());
    }

    void decodeContent_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QByteArray>("decoded");
        const QByteArray json = R"({"a":[1,2,3]})";
        const QByteArray zlib = InJsonDeflateConvert::compressData(json, 6);
        // A gzip member of the same text, as Python's gzip.compress writes it.
        const QByteArray gzip = QByteArray::fromHex(
            "1f8b0800000000000203ab564a54b28a36d431d2318ead0500911a11870d000000");
        QTest::newRow("gzip") << gzip << "gzip" << json;
        QTest::newRow("x-gzip") << gzip << "X-GZIP" << json;
        QTest::newRow("zlib labelled gzip") << zlib << "gzip" << json;
        QTest::newRow("raw deflate") << zlib.mid(2, zlib.size() - 6) << "deflate" << json;
        QTest::newRow("identity") << json << "identity" << json;
        QTest::newRow("no encoding") << json << "" << json;
        QTest::newRow("truncated") << zlib.left(zlib.size() - 3) << "gzip" << QByteArray();
        QTest::newRow("not compressed") << json << "gzip" << QByteArray();
    }

    void decodeContent() {
        QFETCH(QByteArray, body);
        QFETCH(QString, encoding);
        QFETCH(QByteArray, decoded);
        QCOMPARE(Net::decodeContent(body, encoding), decoded);
    }

    void decodeContentIsBounded() {
        const QByteArray bomb = InJsonDeflateConvert::compressData(QByteArray(1 << 20, ' '), 9);
        QVERIFY(bomb.size() < 4096);
        QCOMPARE(Net::decodeContent(bomb, "gzip", 1 << 20).size(), 1 << 20);
        QVERIFY(Net::decodeContent(bomb, "gzip", (1 << 20) - 1).isEmpty());
        // The compressed size is bounded before inflating.
        QCOMPARE(Net::decodeContent(bomb, "gzip", 1 << 20, bomb.size()).size(), 1 << 20);
        QVERIFY(Net::decodeContent(bomb, "gzip", 1 << 20, bomb.size() - 1).isEmpty());
    }

    void convertBodies_data() {
        QTest::addColumn<QVariant>("data");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("empty map") << QVariant(QVariantMap()) << QByteArray("{}");
        QTest::newRow("hash") << QVariant(QVariantHash{{"a", 1}}) << QByteArray(R"({"a":1})");
        QTest::newRow("list") << QVariant(QVariantList{1, "x"}) << QByteArray(R"([1,"x"])");
        QTest::newRow("string list")
            << QVariant(QStringList{"a", "b"}) << QByteArray(R"(["a","b"])");
        QTest::newRow("plain string") << QVariant(QStringLiteral("{}")) << QByteArray();
        QTest::newRow("number") << QVariant(5) << QByteArray();
        QTest::newRow("invalid") << QVariant() << QByteArray();
    }

    void convertBodies() {
        QFETCH(QVariant, data);
        QFETCH(QByteArray, json);
        const QByteArray body = InJsonDeflateConvert().convert(data);
        if (json.isEmpty()) {
            QVERIFY(body.isEmpty());
        } else {
            QCOMPARE(inflateAll(body), json);
        }
    }

    void parseReplies_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("valid");
        QTest::newRow("object") << QByteArray(R"({"a":1})") << true;
        QTest::newRow("array") << QByteArray("[1,2]") << true;
        QTest::newRow("html") << QByteArray("<html>502</html>") << false;
        QTest::newRow("truncated") << QByteArray(R"({"a":)") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void parseReplies() {
        QFETCH(QByteArray, body);
        QFETCH(bool, valid);
        QCOMPARE(Qln::OutJsonConvert().convert(body).isValid(), valid);
    }

    void errorObject_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("error") << QByteArray(R"({"error":{"code":5,"message":"x"}})") << 5 << "x";
        QTest::newRow("code as text") << QByteArray(R"({"error":{"code":"7"}})") << 7 << "";
        QTest::newRow("non-numeric code")
            << QByteArray(R"({"error":{"code":"bad","message":"m"}})") << 0 << "m";
        QTest::newRow("no code") << QByteArray(R"({"error":{"message":"m"}})") << 0 << "m";
        QTest::newRow("no error key keeps fields") << QByteArray(R"({"ok":1})") << -1 << "kept";
        QTest::newRow("array keeps fields") << QByteArray("[1]") << -1 << "kept";
    }

    void errorObject() {
        QFETCH(QByteArray, body);
        QFETCH(int, code);
        QFETCH(QString, message);
        Qln::OutError error;
        error.code = -1;
        error.message = QStringLiteral("kept");
        error.setData(Qln::OutJsonConvert().convert(body));
        QCOMPARE(error.code, code);
        QCOMPARE(error.message, message);
        QCOMPARE(error.isOk(), code == 0);
    }

    void headerPresets() {
        const Qln::ServiceClient client(QStringLiteral("http://127.0.0.1:1"),
                                        std::make_shared<Qln::AuthData>());
        QCOMPARE(client.plainHeaders().value(Net::KnownHeader::UserAgent).toString(),
                 QStringLiteral("QuillonPro/1.2.0.2134"));
        QVERIFY(client.plainHeaders().raw().isEmpty());
        const Net::Headers& read = client.jsonReadHeaders();
        QCOMPARE(read.rawValue("Accept"), QStringLiteral("application/json, */*"));
        QCOMPARE(read.rawValue("Accept-Encoding"), QStringLiteral("gzip, deflate"));
        QVERIFY(!read.contains(Net::KnownHeader::ContentType));
        const Net::Headers& write = client.jsonWriteHeaders();
        QCOMPARE(write.value(Net::KnownHeader::ContentType).toString(),
                 QStringLiteral("application/json"));
        QCOMPARE(write.rawValue("Content-Encoding"), QStringLiteral("gzip"));
        QCOMPARE(write.rawValue("Accept"), read.rawValue("Accept"));
    }

    void headersMergeReplaces() {
        Net::Headers target;
        target.setRaw("Accept", "a");
        target.setRaw("accept", "lower case is another name");
        Net::Headers extra;
        extra.setRaw("Accept", "b");
        extra.set(Net::KnownHeader::ContentLength, 3);
        target.merge(extra);
        QCOMPARE(target.rawValue("Accept"), QStringLiteral("b"));
        QCOMPARE(target.rawValue("accept"), QStringLiteral("lower case is another name"));
        QCOMPARE(target.value(Net::KnownHeader::ContentLength).toInt(), 3);
    }
};

QTEST_GUILESS_MAIN(ConvertersTest)
#include "converters_test.moc"

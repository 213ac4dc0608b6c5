#include <QJsonDocument>
#include <QtTest>

#include "hardware/hardwareid.h"
#include "net/authdata.h"
#include "net/headers.h"
#include "net/jwttoken.h"
#include "net/outjsonconvert.h"
#include "net/settingsdata.h"

namespace {

QVariant json(const QByteArray& text) {
    return Qln::OutJsonConvert().convert(text);
}

}  // namespace

class RecordsTest : public QObject {
    Q_OBJECT

private slots:
    void tokenExpiry_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<qint64>("arrival");
        QTest::addColumn<qint64>("checkedAt");
        QTest::addColumn<bool>("valid");
        const QByteArray issued = R"({"token":"t","ttl":100,"timestamp":1000})";
        QTest::newRow("elapsed equals ttl") << issued << qint64(1000) << qint64(1100) << true;
        QTest::newRow("elapsed ttl+1") << issued << qint64(1000) << qint64(1101) << false;
        QTest::newRow("service clock ahead") << issued << qint64(1000) << qint64(900) << true;
        const QByteArray noTimestamp = R"({"token":"t","ttl":100})";
        QTest::newRow("no timestamp, ttl after arrival")
            << noTimestamp << qint64(5000) << qint64(5100) << true;
        QTest::newRow("no timestamp, ttl+1 after arrival")
            << noTimestamp << qint64(5000) << qint64(5101) << false;
        const QByteArray noTtl = R"({"token":"t","timestamp":1000})";
        QTest::newRow("no ttl, same second") << noTtl << qint64(0) << qint64(1000) << true;
        QTest::newRow("no ttl, next second") << noTtl << qint64(0) << qint64(1001) << false;
        QTest::newRow("no token") << QByteArray(R"({"ttl":100,"timestamp":1000})") << qint64(0)
                                  << qint64(1000) << false;
    }

    void tokenExpiry() {
        QFETCH(QByteArray, reply);
        QFETCH(qint64, arrival);
        QFETCH(qint64, checkedAt);
        QFETCH(bool, valid);
        qint64 clock = arrival;
        Qln::JWTToken token;
        token.setClock([&clock] { return clock; });
        token.setData(json(reply));
        clock = checkedAt;
        Net::Headers headers;
        QCOMPARE(token.setParams(headers), valid);
        QCOMPARE(headers.rawValue("Authorization"), valid ? QStringLiteral("Bearer t") : QString());
    }

    void tokenKeepsFieldsOnError_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("error object") << QByteArray(R"({"error":{"code":3,"message":"no"}})");
        QTest::newRow("not JSON") << QByteArray("<html>");
        QTest::newRow("array") << QByteArray("[]");
    }

    void tokenKeepsFieldsOnError() {
        QFETCH(QByteArray, reply);
        Qln::JWTToken token;
        token.setData(json(R"({"token":"old","ttl":60,"timestamp":7})"));
        token.setData(json(reply));
        QCOMPARE(token.token, QStringLiteral("old"));
        QCOMPARE(token.ttl, qint64(60));
        QCOMPARE(token.timestamp, qint64(7));
    }

    void tokenAfterARefusedRenewalIsTaken() {
        Qln::JWTToken token;
        token.setData(json(R"({"token":"old","ttl":60,"timestamp":7})"));
        token.setData(json(R"({"error":{"code":429,"message":"slow down"}})"));
        QCOMPARE(token.error.code, 429);
        token.setData(json(R"({"token":"new","ttl":3600})"));
        QCOMPARE(token.error.code, 0);
        QVERIFY(token.error.message.isEmpty());
        QCOMPARE(token.token, QStringLiteral("new"));
        Net::Headers headers;
        QVERIFY(token.setParams(headers));
    }

    void tokenWithoutTokenKeyIsEmptied() {
        Qln::JWTToken token;
        token.setData(json(R"({"token":"old","ttl":60})"));
        token.setData(json(R"({"ttl":60})"));
        QVERIFY(token.token.isEmpty());
        Net::Headers headers;
        QVERIFY(!token.setParams(headers));
    }

    void authBody_data() {
        QTest::addColumn<QString>("os");
        QTest::addColumn<bool>("is64");
        QTest::addColumn<QString>("arch");
        QTest::newRow("64-bit Windows 10") << "10.0" << true << "x64";
        QTest::newRow("32-bit Windows 7") << "6.1" << false << "x86";
        QTest::newRow("version unavailable") << "" << false << "x86";
    }

    void authBody() {
        QFETCH(QString, os);
        QFETCH(bool, is64);
        QFETCH(QString, arch);
        Qln::AuthData data;
        data.version = QStringLiteral("1.2.0.2134");
        data.osLocale = QLocale(QLocale::English, QLocale::UnitedStates);
        data.locale = QLocale(QLocale::German, QLocale::Germany);
        data.os = os;
        data.is64 = is64;
        data.appid = QStringLiteral("{00000000-0000-0000-0000-000000000001}");
        data.hwid = QStringLiteral("abc");
        const QVariantMap body = data.toVariant().toMap();
        QCOMPARE(body.keys(), (QStringList{"appid", "arch", "hwid", "locale", "locale_os", "os",
                                           "product", "version"}));
        QCOMPARE(body["product"].toString(), QStringLiteral("pro"));
        QCOMPARE(body["locale_os"].toString(), QStringLiteral("en_US"));
        QCOMPARE(body["locale"].toString(), QStringLiteral("de_DE"));
        QCOMPARE(body["os"].toString(), os);
        QCOMPARE(body["arch"].toString(), arch);
        QCOMPARE(body["appid"].toString(), data.appid);
    }

    void settings_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("updatesFind");
        QTest::addColumn<qint64>("fileSize");
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("errorCode");
        QTest::newRow("full")
            << QByteArray(
                   R"({"urls":{"api":{"updates_find":"http://s/f",)"
                   R"("app_auth":"a","app_settings":"s","app_update":"u","upload_check":"c",)"
                   R"("upload_upload":"p"},"public":{"site":"x"}},"user_drivers":{"enabled":true,)"
                   R"("max_size":104857600},"drivers":{"updated_at":"2026-12-01"},"ga":{"id":"UA-1"},)"
                   R"("update":{"version":"1.3.0.5","file_name":"setup.exe","file_size":4294967297,)"
                   R"("hash_sha1":"ab","force":true},"user_country":"DE","contact_email":"a@b"})")
            << "http://s/f" << qint64(4294967297LL) << "1.3.0.5" << 0;
        QTest::newRow("urls without api")
            << QByteArray(R"({"urls":{"public":{}}})") << "" << qint64(0) << "" << 0;
        QTest::newRow("wrong types")
            << QByteArray(R"({"urls":[],"update":"x","ga":5})") << "" << qint64(0) << "" << 0;
        QTest::newRow("error object") << QByteArray(R"({"error":{"code":401,"message":"m"}})") << ""
                                      << qint64(0) << "" << 401;
    }

    void settings() {
        QFETCH(QByteArray, reply);
        QFETCH(QString, updatesFind);
        QFETCH(qint64, fileSize);
        QFETCH(QString, version);
        QFETCH(int, errorCode);
        Qln::SettingsData settings;
        settings.setData(json(reply));
        QCOMPARE(settings.error.code, errorCode);
        QCOMPARE(settings.endpoints.updatesFind, updatesFind);
        QCOMPARE(settings.update.fileSize, fileSize);
        QCOMPARE(settings.update.version.toString(), version);
        if (updatesFind.isEmpty()) {
            const Qln::EndpointTable& table = settings.endpoints;
            QVERIFY(table.appAuth.isEmpty() && table.appSettings.isEmpty() &&
                    table.appUpdate.isEmpty() && table.uploadCheck.isEmpty() &&
                    table.uploadUpload.isEmpty());
        } else {
            QCOMPARE(settings.endpoints.uploadUpload, QStringLiteral("p"));
            QCOMPARE(settings.publicUrls.value("site").toString(), QStringLiteral("x"));
            QCOMPARE(settings.userDrivers.maxSize, qint64(104857600));
            QVERIFY(settings.userDrivers.enabled);
            QCOMPARE(settings.driversUpdatedAt, QStringLiteral("2026-12-01"));
            QCOMPARE(settings.analyticsId, QStringLiteral("UA-1"));
            QCOMPARE(settings.update.fileName, QStringLiteral("setup.exe"));
            QVERIFY(settings.update.force);
            QCOMPARE(settings.userCountry, QStringLiteral("DE"));
            QCOMPARE(settings.contactEmail, QStringLiteral("a@b"));
        }
    }

    void hardwareId_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("hash");
        QTest::newRow("nothing known")
            << QStringList({"", "", "", "", "", "", "", "", "", "", "", ""})
            << "bc95dfc14146aa23e43f2ea7af04d310";
        QTest::newRow("typical machine") << QStringList{"",
                                                        "6",
                                                        "BFEBFBFF000906EA",
                                                        "Intel(R) Core(TM) i7",
                                                        "40458",
                                                        "ASUSTeK",
                                                        "MB-123",
                                                        "PRIME Z370",
                                                        "ALASKA - 1072009",
                                                        "BIOS-9",
                                                        "American Megatrends",
                                                        "1401"}
                                         << "a7fd2405fcc8a90a6c52f76e91d898b0";
    }

    void hardwareId() {
        QFETCH(QStringList, values);
        QFETCH(QString, hash);
        System::SystemInfo info;
        info.processor.uniqueId = values[0];
        info.processor.family = values[1];
        info.processor.processorId = values[2];
        info.processor.name = values[3];
        info.processor.revision = values[4];
        info.baseboard.manufacturer = values[5];
        info.baseboard.serialNumber = values[6];
        info.baseboard.product = values[7];
        info.bios.version = values[8];
        info.bios.serialNumber = values[9];
        info.bios.manufacturer = values[10];
        info.bios.smbiosBiosVersion = values[11];
        // Values outside the recipe must not change the identifier.
        info.processor.caption = QStringLiteral("ignored");
        info.bios.name = QStringLiteral("ignored");
        QCOMPARE(Qln::hardwareId(info), hash);
    }
};

QTEST_GUILESS_MAIN(RecordsTest)
#include "records_test.moc"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>
#include <condition_variable>
#include <mutex>

#include "hardware/devicecollector.h"
#include "hardware/devicescanner.h"
#include "hardware/driversupdatemodel.h"
#include "hardware/findupdatetask.h"
#include "hardware/scandata.h"
#include "hardware/updatedataserializer.h"
#include "net/injsondeflateconvert.h"
#include "net/manager.h"
#include "net/outjsonconvert.h"
#include "scriptedserver.h"
#include "signalwait.h"

using Hrdw::Impl::DeviceEnumerator;
using Hrdw::Impl::DeviceInfo;
using Qln::UpdateDataSerializer;

namespace {

const QUuid kNetClass(QStringLiteral("{4D36E972-E325-11CE-BFC1-08002BE10318}"));

DeviceInfo device(const QString& instanceId, const QString& matchingId, const QString& infName) {
    DeviceInfo info;
    info.instanceId = instanceId;
    info.matchingId = matchingId;
    info.hardwareIds = QStringList{matchingId};
    info.infName = infName;
    info.infPath = infName.isEmpty() ? QString() : "/store/" + infName;
    info.classGuid = kNetClass;
    info.className = "Net";
    info.connected = true;
    info.name = instanceId + " name";
    info.provider = "Maker";
    info.version = "1.0.0.1";
    info.date = QDate(2019, 3, 4);
    info.driverType = 2;
    info.rank = 0xff0000;
    return info;
}

DeviceEnumerator::Source listSource(QVector<DeviceInfo> devices) {
    return [devices](const std::atomic<bool>& keepGoing, const DeviceEnumerator::Callback& callback,
                     QString&) {
        for (const DeviceInfo& info : devices) {
            if (!keepGoing.load()) {
                break;
            }
            callback(info);
        }
        return true;
    };
}

Hrdw::Inventory collect(const QVector<DeviceInfo>& devices) {
    DeviceEnumerator enumerator(listSource(devices));
    Hrdw::Inventory inventory;
    Hrdw::Impl::DeviceCollector(enumerator).collect(inventory, false);
    return inventory;
}

const QString kInfSha1 = QStringLiteral("aa11aa11aa11aa11aa11aa11aa11aa11aa11aa11");
const QString kFileSha1 = QStringLiteral("ff00ff00ff00ff00ff00ff00ff00ff00ff00ff00");

QVariantMap offer(int index, const QString& sha1 = kInfSha1) {
    return QVariantMap{
        {"device_index", index},
        {"class", "Net"},
        {"drivers",
         QVariantList{QVariantMap{
             {"id", 7},
             {"hid", "PCI\\VEN_1&DEV_A"},
             {"inf", QVariantMap{{"path", "net/a.inf"},
                                 {"sha1", sha1},
                                 {"version", "2.0.0.0"},
                                 {"date", "2023-05-06"},
                                 {"provider", "Maker"}}},
             {"file", QVariantMap{{"sha1", kFileSha1}, {"size", 3145728}, {"ext", "zip"}}},
             {"urls",
              QVariantMap{{"download", "http://h/d.zip"}, {"install_report", "http://h/r"}}},
         }}}};
}

Net::Method searchMethod(const QString& url) {
    return Net::Method(QUrl(url), Net::Verb::Put, Net::Headers(),
                       std::make_shared<Qln::InJsonDeflateConvert>(),
                       std::make_shared<Qln::OutJsonConvert>(), nullptr);
}

}  // namespace

class UpdateSearchTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Net::Manager::instance()->configure(QString(), 10000, true); }

    void requestDescribesEveryDevice() {
        DeviceInfo withCompatible = device("PCI\\A\\1", "PCI\\VEN_1&DEV_A", "oem1.inf");
        withCompatible.hardwareIds = QStringList{"PCI\\VEN_1&DEV_A&SUBSYS_1", "PCI\\VEN_1&DEV_A"};
        withCompatible.compatibleIds = QStringList{"PCI\\CC_0200"};
        withCompatible.lowerLogoVersion = "6.1";
        const UpdateDataSerializer serializer(
            collect({withCompatible, device("USB\\B\\1", "USB\\VID_2", QString())}));
        const QVariantList devices = serializer.toVariant().toMap().value("devices").toList();
        QCOMPARE(devices.size(), 2);

        const QVariantMap first = devices[0].toMap();
        QCOMPARE(first.value("connected").toBool(), true);
        QCOMPARE(first.value("lowerlogoversion").toString(), QString("6.1"));
        QCOMPARE(first.value("class").toMap().value("guid").toString(),
                 QString("{4d36e972-e325-11ce-bfc1-08002be10318}"));
        QStringList hids;
        for (const QVariant& hid : first.value("hids").toList()) {
            hids << hid.toMap().value("name").toString() + "/" +
                        (hid.toMap().value("compatible").toBool() ? "c" : "h");
        }
        QCOMPARE(hids, (QStringList{"PCI\\VEN_1&DEV_A&SUBSYS_1/h", "PCI\\VEN_1&DEV_A/h",
                                    "PCI\\CC_0200/c"}));
        const QVariantMap driver = first.value("driver").toMap();
        QCOMPARE(driver.value("date").toString(), QString("2019-03-04"));
        QCOMPARE(driver.value("version").toString(), QString("1.0.0.1"));
        QCOMPARE(driver.value("type").toUInt(), 2u);
        QCOMPARE(driver.value("rank").toUInt(), 0xff0000u);

        QVERIFY(!devices[1].toMap().contains("driver"));
    }

    void devicesOfOneHardwareAreSentTogether() {
        UpdateDataSerializer serializer(
            collect({device("PCI\\A\\1", "PCI\\A", "a.inf"), device("PCI\\B\\1", "PCI\\B", "b.inf"),
                     device("PCI\\A\\2", "PCI\\A", "a.inf")}));
        QStringList order;
        for (const auto& pair : serializer.devices()) {
            order << pair.first.instanceId;
        }
        QCOMPARE(order, (QStringList{"PCI\\A\\1", "PCI\\A\\2", "PCI\\B\\1"}));
        serializer.setData(QVariantMap{{"scan_id", 5}, {"updates", QVariantList{offer(2)}}});
        QCOMPARE(serializer.updates().size(), 1);
        QCOMPARE(serializer.updates()[0].hardware->id, QString("PCI\\B"));
    }

    void answers_data() {
        QTest::addColumn<QVariantMap>("answer");
        QTest::addColumn<qint64>("scanId");
        QTest::addColumn<int>("errorCode");
        QTest::addColumn<QString>("hardware");  // of each offer, "-" for none

        QTest::newRow("offer for the first device")
            << QVariantMap{{"scan_id", 12}, {"updates", QVariantList{offer(0)}}} << qint64(12) << 0
            << "PCI\\A";
        QTest::newRow("device_index -1")
            << QVariantMap{{"scan_id", 12}, {"updates", QVariantList{offer(-1)}}} << qint64(12) << 0
            << "-";
        QTest::newRow("device_index past the end")
            << QVariantMap{{"scan_id", 12}, {"updates", QVariantList{offer(1), offer(0)}}}
            << qint64(12) << 0 << "-,PCI\\A";
        QTest::newRow("device_index missing")
            << QVariantMap{{"scan_id", 12},
                           {"updates", QVariantList{QVariantMap{{"class", "Net"}}}}}
            << qint64(12) << 0 << "-";
        QTest::newRow("no scan_id")
            << QVariantMap{{"updates", QVariantList{offer(0)}}} << qint64(0) << 0 << "";
        QTest::newRow("negative scan_id")
            << QVariantMap{{"scan_id", -3}, {"updates", QVariantList{offer(0)}}} << qint64(-3) << 0
            << "";
        QTest::newRow("error object")
            << QVariantMap{{"error", QVariantMap{{"code", 4}, {"message", "bad"}}},
                           {"scan_id", 12},
                           {"updates", QVariantList{offer(0)}}}
            << qint64(0) << 4 << "";
    }

    void answers() {
        QFETCH(QVariantMap, answer);
        QFETCH(qint64, scanId);
        QFETCH(int, errorCode);
        QFETCH(QString, hardware);
        UpdateDataSerializer serializer(collect({device("PCI\\A\\1", "PCI\\A", "a.inf")}));
        serializer.setData(answer);
        QCOMPARE(serializer.scanId(), scanId);
        QCOMPARE(serializer.error.code, errorCode);
        QStringList seen;
        for (const Qln::UpdateOffer& update : serializer.updates()) {
            seen << (update.hardware ? update.hardware->id : "-");
        }
        QCOMPARE(seen.join(","), hardware);
    }

    void driverOfferReadsEveryKey() {
        UpdateDataSerializer serializer(collect({device("PCI\\A\\1", "PCI\\A", "a.inf")}));
        serializer.setData(QVariantMap{{"scan_id", 1}, {"updates", QVariantList{offer(0)}}});
        const Qln::DriverOffer driver = serializer.updates().at(0).drivers.at(0);
        QCOMPARE(driver.id, quint64(7));
        QCOMPARE(driver.hid, QString("PCI\\VEN_1&DEV_A"));
        QCOMPARE(driver.infPath, QString("net/a.inf"));
        QCOMPARE(driver.infSha1, kInfSha1);
        QCOMPARE(driver.version, QString("2.0.0.0"));
        QCOMPARE(driver.date, QDate(2023, 5, 6));
        QCOMPARE(driver.provider, QString("Maker"));
        QCOMPARE(driver.fileSha1, kFileSha1);
        QCOMPARE(driver.size, quint64(3145728));
        QCOMPARE(driver.ext, QString("zip"));
        QCOMPARE(driver.downloadUrl, QString("http://h/d.zip"));
        QCOMPARE(driver.reportUrl, QString("http://h/r"));
    }

    // The hash and the INF path become file names of an elevated program, the URLs addresses it
    // sends to: an offer that breaks one rule is dropped, its device's other offers stay.
    void hostileOffersAreDropped_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("kept");
        QTest::newRow("upper-case hash, refused later by the download check")
            << "inf.sha1" << QVariant(kInfSha1.toUpper()) << true;
        QTest::newRow("https") << "urls.download" << QVariant("https://h/d.zip") << true;
        QTest::newRow("inf path in a folder") << "inf.path" << QVariant("drv/x64/a.inf") << true;
        QTest::newRow("short inf hash") << "inf.sha1" << QVariant("aa11") << false;
        QTest::newRow("41 digits") << "file.sha1" << QVariant(kFileSha1 + "0") << false;
        QTest::newRow("not hexadecimal") << "file.sha1" << QVariant(QString(40, 'g')) << false;
        QTest::newRow("hash missing") << "file.sha1" << QVariant() << false;
        QTest::newRow("parent folder") << "inf.path" << QVariant("../../a.inf") << false;
        QTest::newRow("absolute path") << "inf.path" << QVariant("/etc/a.inf") << false;
        QTest::newRow("drive letter") << "inf.path" << QVariant("C:\\w\\a.inf") << false;
        QTest::newRow("empty inf path") << "inf.path" << QVariant("") << false;
        QTest::newRow("file URL") << "urls.download" << QVariant("file:///etc/passwd") << false;
        QTest::newRow("ftp report URL") << "urls.install_report" << QVariant("ftp://h/r") << false;
        QTest::newRow("no host") << "urls.download" << QVariant("http:///d.zip") << false;
    }
    void hostileOffersAreDropped() {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(bool, kept);
        QVariantMap answer = offer(0);
        QVariantList drivers = answer.value("drivers").toList();
        QVariantMap hostile = drivers.first().toMap();
        const QStringList path = key.split('.');
        QVariantMap inner = hostile.value(path[0]).toMap();
        inner.insert(path[1], value);
        hostile.insert(path[0], inner);
        drivers.prepend(hostile);
        answer.insert("drivers", drivers);
        UpdateDataSerializer serializer(collect({device("PCI\\A\\1", "PCI\\A", "a.inf")}));
        serializer.setData(QVariantMap{{"scan_id", 1}, {"updates", QVariantList{answer}}});
        QCOMPARE(serializer.updates().size(), 1);
        QCOMPARE(serializer.updates()[0].drivers.size(), kept ? 2 : 1);
    }

    void stoppedScanKeepsWhatItCounted() {
        QVector<DeviceInfo> devices;
        for (int i = 0; i < 25; ++i) {
            devices << device(QString("PCI\\D\\%1").arg(i), QString("PCI\\D%1").arg(i), "d.inf");
        }
        // The walk holds after ten devices until the stop reaches it.
        std::mutex mutex;
        std::condition_variable stopped;
        std::atomic<int> walked{0};
        auto source = [&](const std::atomic<bool>& keepGoing,
                          const DeviceEnumerator::Callback& callback, QString&) {
            for (const DeviceInfo& info : devices) {
                if (!keepGoing.load()) {
                    break;
                }
                callback(info);
                if (++walked == 10) {
                    std::unique_lock<std::mutex> lock(mutex);
                    stopped.wait_for(lock, std::chrono::seconds(20),
                                     [&] { return !keepGoing.load(); });
                }
            }
            return true;
        };
        Qln::DeviceScanner::setDeviceTotal(20);
        Qln::FindUpdateTask task(std::make_shared<Qln::DeviceScanner>(false, source),
                                 searchMethod("http://127.0.0.1:9/unused"));
        QSignalSpy finished(&task, &Qln::Task::finished);
        task.start();
        QTRY_COMPARE(walked.load(), 10);
        QTRY_COMPARE(task.state()->message(), QString("ScanTitle: 10 / 20"));
        task.abort();
        {
            std::lock_guard<std::mutex> lock(mutex);
            stopped.notify_all();
        }
        QVERIFY(finished.count() == 1 || finished.wait(20000));
        QCOMPARE(finished.first().first().toBool(), true);
        QCOMPARE(task.scanData()->inventory.deviceCount(), 10);
        QCOMPARE(Qln::DeviceScanner::deviceTotal(), 10);
        QCOMPARE(Qln::DeviceScanner(false, source).weight(), 10);
        // The search never ran for this scan.
        std::unique_ptr<Qln::DriversUpdateModel> model(task.takeResult());
        QVERIFY(model->devices().isEmpty());
    }

    void searchOutcomes_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QVariantMap>("answer");
        QTest::addColumn<bool>("error");
        QTest::addColumn<int>("rows");

        const QVariantMap twoOffers{{"scan_id", 3}, {"updates", QVariantList{offer(0), offer(1)}}};
        const QVariantMap errorObject{{"error", QVariantMap{{"code", 9}, {"message", "down"}}}};
        QTest::newRow("offers") << 200 << twoOffers << false << 2;
        QTest::newRow("no scan_id")
            << 200 << QVariantMap{{"updates", QVariantList{offer(0)}}} << false << 0;
        QTest::newRow("refused with an error") << 400 << errorObject << true << 0;
        QTest::newRow("refused without an error") << 503 << QVariantMap() << true << 0;
        QTest::newRow("error code in a 200 answer") << 200 << errorObject << false << 0;
    }

    void searchOutcomes() {
        QFETCH(int, status);
        QFETCH(QVariantMap, answer);
        QFETCH(bool, error);
        QFETCH(int, rows);
        ScriptedServer server([&](const ScriptedServer::Received&) {
            ScriptedServer::Answer reply;
            reply.status = status;
            reply.body = QJsonDocument::fromVariant(answer).toJson();
            return reply;
        });
        auto scanner = std::make_shared<Qln::DeviceScanner>(
            false, listSource({device("PCI\\A\\1", "PCI\\A", "a.inf"),
                               device("PCI\\B\\1", "PCI\\B", "b.inf")}));
        Qln::FindUpdateTask task(scanner, searchMethod(server.baseUrl() + "/updates/find"));
        QSignalSpy finished(&task, &Qln::Task::finished);
        task.start();
        QVERIFY(signalArrived(finished, 20000));
        QCOMPARE(finished.first().first().toBool(), false);
        QCOMPARE(server.count("/updates/find"), 1);
        QCOMPARE(server.received().first().method, QByteArray("PUT"));
        std::unique_ptr<Qln::DriversUpdateModel> model(task.takeResult());
        QCOMPARE(model->error(), error);
        QCOMPARE(model->devices().size(), rows);
    }
};

QTEST_GUILESS_MAIN(UpdateSearchTest)
#include "updatesearch_test.moc"

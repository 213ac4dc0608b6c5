#include <QtTest>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "hardware/devicecollector.h"
#include "hardware/deviceenumerator.h"
#include "hardware/devicefilter.h"

using Hrdw::Inventory;
using Hrdw::Impl::DeviceCollector;
using Hrdw::Impl::DeviceEnumerator;
using Hrdw::Impl::DeviceFilter;
using Hrdw::Impl::DeviceInfo;

namespace {

const QUuid kNetClass(QStringLiteral("{4d36e972-e325-11ce-bfc1-08002be10318}"));

DeviceInfo device(const QString& instanceId, const QString& matchingId, const QString& infPath,
                  const QUuid& classGuid = kNetClass, bool connected = true) {
    DeviceInfo info;
    info.instanceId = instanceId;
    info.matchingId = matchingId;
    info.hardwareIds = QStringList{matchingId};
    info.infPath = infPath;
    info.infName = QFileInfo(infPath).fileName();
    info.classGuid = classGuid;
    info.connected = connected;
    info.name = instanceId + " name";
    return info;
}

DeviceEnumerator::Source listSource(QVector<DeviceInfo> devices, bool result = true) {
    return [devices, result](const std::atomic<bool>& keepGoing,
                             const DeviceEnumerator::Callback& callback, QString& error) {
        for (const DeviceInfo& info : devices) {
            if (!keepGoing.load()) {
                break;
            }
            callback(info);
        }
        if (!result) {
            error = QStringLiteral("broken walk");
        }
        return result;
    };
}

}  // namespace

class DeviceCollectorTest : public QObject {
    Q_OBJECT

private slots:
    void grouping() {
        DeviceEnumerator enumerator(listSource({
            device("PCI\\A\\1", "PCI\\VEN_1&DEV_A", "/store/a.inf"),
            device("PCI\\B\\1", "PCI\\VEN_1&DEV_B", "/store/a.inf"),
            device("PCI\\A\\2", "PCI\\VEN_1&DEV_A", "/store/a.inf"),
            device("USB\\C\\1", "USB\\VID_2&PID_C", "/store/c.inf"),
        }));
        DeviceCollector collector(enumerator);
        Inventory inventory;
        QStringList seen;
        QVERIFY(collector.collect(
            inventory, false, [&](const Hrdw::Device& d, const Flow::Shared<Hrdw::Hardware>& h) {
                seen.append(d.instanceId + "@" + h->id);
            }));
        QCOMPARE(seen, (QStringList{"PCI\\A\\1@PCI\\VEN_1&DEV_A", "PCI\\B\\1@PCI\\VEN_1&DEV_B",
                                    "PCI\\A\\2@PCI\\VEN_1&DEV_A", "USB\\C\\1@USB\\VID_2&PID_C"}));
        // Same matching id: one Hardware with both devices, in enumeration order.
        QCOMPARE(inventory.hardware.size(), 3);
        QCOMPARE(inventory.hardware[0]->id, QStringLiteral("PCI\\VEN_1&DEV_A"));
        QCOMPARE(inventory.hardware[0]->devices.size(), 2);
        QCOMPARE(inventory.hardware[0]->devices[1].instanceId, QStringLiteral("PCI\\A\\2"));
        QCOMPARE(inventory.hardware[0]->name, QStringLiteral("PCI\\A\\1 name"));
        // Same INF path: one Driver shared by both hardware records.
        QCOMPARE(inventory.drivers.size(), 2);
        QCOMPARE(inventory.hardware[0]->driver, inventory.hardware[1]->driver);
        QCOMPARE(inventory.drivers[0]->hardware.size(), std::size_t(2));
        QCOMPARE(inventory.drivers[0]->hardware[1].lock(), inventory.hardware[1]);
        QCOMPARE(inventory.drivers[1]->infName, QStringLiteral("c.inf"));
        QCOMPARE(inventory.deviceCount(), 4);
    }

    void recordsDoNotKeepEachOtherAlive() {
        DeviceEnumerator enumerator(listSource({device("A\\1", "A", "/a.inf")}));
        Flow::Weak<Hrdw::Driver> driver;
        {
            Inventory inventory;
            DeviceCollector(enumerator).collect(inventory, true);
            driver = inventory.drivers[0];
        }
        QVERIFY(driver.expired());
    }

    void filter_data() {
        QTest::addColumn<QUuid>("classGuid");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<bool>("checksys");
        QTest::addColumn<bool>("kept");
        const QUuid system = DeviceFilter::systemClass();
        QTest::newRow("present device of a class") << kNetClass << true << false << true;
        QTest::newRow("not present") << kNetClass << false << true << false;
        QTest::newRow("no class") << QUuid() << true << true << false;
        QTest::newRow("system device without checksys") << system << true << false << false;
        QTest::newRow("system device with checksys") << system << true << true << true;
        QTest::newRow("absent system device with checksys") << system << false << true << false;
    }

    void filter() {
        QFETCH(QUuid, classGuid);
        QFETCH(bool, connected);
        QFETCH(bool, checksys);
        QFETCH(bool, kept);
        DeviceEnumerator enumerator(
            listSource({device("X\\1", "X", "/x.inf", classGuid, connected)}));
        Inventory inventory;
        QVERIFY(DeviceCollector(enumerator).collect(inventory, checksys));
        QCOMPARE(inventory.deviceCount(), kept ? 1 : 0);
        QCOMPARE(inventory.drivers.size(), kept ? 1 : 0);
    }

    void failedWalkKeepsWhatWasCollected() {
        DeviceEnumerator enumerator(listSource({device("A\\1", "A", "/a.inf")}, false));
        Inventory inventory;
        QVERIFY(!DeviceCollector(enumerator).collect(inventory, false));
        QCOMPARE(enumerator.lastError(), QStringLiteral("broken walk"));
        QCOMPARE(inventory.deviceCount(), 1);
        QVERIFY(!enumerator.isRunning());
    }

    void stopFromAnotherThreadEndsAfterTheCurrentDevice() {
        std::mutex mutex;
        std::condition_variable changed;
        bool inside = false;
        bool released = false;
        int visited = 0;
        DeviceEnumerator enumerator([&](const std::atomic<bool>& keepGoing,
                                        const DeviceEnumerator::Callback& callback, QString&) {
            for (int i = 0; i < 1000 && keepGoing.load(); ++i) {
                callback(device(QStringLiteral("D\\%1").arg(i), "D", "/d.inf"));
            }
            return true;
        });
        bool result = false;
        std::thread walker([&] {
            result = enumerator.enumerate([&](const DeviceInfo&) {
                std::unique_lock<std::mutex> lock(mutex);
                ++visited;
                if (visited == 3) {
                    inside = true;
                    changed.notify_all();
                    changed.wait(lock, [&] { return released; });
                }
            });
        });
        {
            std::unique_lock<std::mutex> lock(mutex);
            changed.wait(lock, [&] { return inside; });
        }
        QVERIFY(enumerator.isRunning());
        // A second walk is refused at once and calls nothing.
        int secondCalls = 0;
        QVERIFY(!enumerator.enumerate([&](const DeviceInfo&) { ++secondCalls; }));
        QCOMPARE(secondCalls, 0);
        enumerator.stop();
        {
            std::lock_guard<std::mutex> lock(mutex);
            released = true;
        }
        changed.notify_all();
        walker.join();
        QVERIFY(result);
        QCOMPARE(visited, 3);
        QVERIFY(!enumerator.isRunning());
        // The enumerator is idle again and walks anew.
        visited = 0;
        QVERIFY(enumerator.enumerate([&](const DeviceInfo&) { ++visited; }));
        QCOMPARE(visited, 1000);
    }

    void samplePc_data() {
        QTest::addColumn<bool>("checksys");
        QTest::addColumn<int>("devices");
        QTest::newRow("without system devices") << false << 73;
        QTest::newRow("with system devices") << true << 117;
    }

    void samplePc() {
        QFETCH(bool, checksys);
        QFETCH(int, devices);
        DeviceEnumerator enumerator;
        Inventory inventory;
        int counted = 0;
        QVERIFY(DeviceCollector(enumerator)
                    .collect(inventory, checksys,
                             [&](const Hrdw::Device&, const Flow::Shared<Hrdw::Hardware>&) {
                                 ++counted;
                             }));
        QCOMPARE(inventory.deviceCount(), devices);
        QCOMPARE(counted, devices);
        QSet<QString> ids;
        for (const auto& hardware : inventory.hardware) {
            QVERIFY2(!ids.contains(hardware->id), qPrintable(hardware->id));
            ids.insert(hardware->id);
            QVERIFY(hardware->driver);
            QVERIFY(checksys || hardware->classGuid != DeviceFilter::systemClass());
        }
        const auto monitors = std::find_if(
            inventory.hardware.begin(), inventory.hardware.end(),
            [](const auto& hardware) { return hardware->id == QLatin1String("*PNP09FF"); });
        QVERIFY(monitors != inventory.hardware.end());
        // The third monitor is remembered but not connected.
        QCOMPARE((*monitors)->devices.size(), 2);
        QVERIFY((*monitors)->driver->infPath.contains("FileRepository/monitor.inf_amd64_"));
        QCOMPARE((*monitors)->driver->date, QDate(2006, 6, 21));
        const auto net = std::find_if(
            inventory.drivers.begin(), inventory.drivers.end(),
            [](const auto& driver) { return driver->infName == QLatin1String("oem9.inf"); });
        QVERIFY(net != inventory.drivers.end());
        QCOMPARE((*net)->provider, QStringLiteral("Intel"));
        QCOMPARE((*net)->version, QStringLiteral("12.18.9.10"));
    }

    void malformedMachineFailsTheScan() {
        QTemporaryDir dir;
        QFile file(dir.filePath("machine.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"devices\": [{\"instanceId\": 12}]}");
        file.close();
        const QByteArray previous = qgetenv("QUILLON_MACHINE");
        qputenv("QUILLON_MACHINE", dir.path().toLocal8Bit());
        DeviceEnumerator enumerator;
        Inventory inventory;
        QVERIFY(!DeviceCollector(enumerator).collect(inventory, true));
        QVERIFY(enumerator.lastError().contains(
            "machine.json:1: devices[0].instanceId: expected a string"));
        QCOMPARE(inventory.deviceCount(), 0);
        qputenv("QUILLON_MACHINE", previous);
    }
};

QTEST_GUILESS_MAIN(DeviceCollectorTest)
#include "devicecollector_test.moc"

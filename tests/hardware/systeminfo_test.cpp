#include <QtTest>

#include "hardware/computerinfo.h"
#include "hardware/systeminfo.h"

using platform::WmiInventory;
using platform::WmiObject;
using platform::WmiValue;

class SystemInfoTest : public QObject {
    Q_OBJECT

private slots:
    void memorySummary_data() {
        QTest::addColumn<QStringList>("capacities");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two 8 GiB modules") << QStringList{"8589934592", "8589934592"} << "16";
        QTest::newRow("one 10^9-byte module rounds down to 0, not -")
            << QStringList{"1000000000"} << "0";
        QTest::newRow("no modules") << QStringList{} << "-";
        QTest::newRow("nothing parsable") << QStringList{"", "lots"} << "-";
        QTest::newRow("unparsable entries are skipped")
            << QStringList{"4294967296", "n/a", "4294967296"} << "8";
    }

    void memorySummary() {
        QFETCH(QStringList, capacities);
        QFETCH(QString, expected);
        System::SystemInfo info;
        info.memory = capacities;
        QCOMPARE(Qln::ComputerInfo(info).memory(), expected);
    }

    void textSummaries_data() {
        QTest::addColumn<QString>("manufacturer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("both") << "GenuineIntel"
                              << "Core i7"
                              << "GenuineIntel, Core i7";
        QTest::newRow("empty name leaves no trailing separator") << "GenuineIntel"
                                                                 << ""
                                                                 << "GenuineIntel";
        QTest::newRow("empty manufacturer leaves no leading separator") << ""
                                                                        << "Core i7"
                                                                        << "Core i7";
        QTest::newRow("neither") << ""
                                 << ""
                                 << "";
    }

    void textSummaries() {
        QFETCH(QString, manufacturer);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        System::SystemInfo info;
        info.processor.manufacturer = manufacturer;
        info.processor.name = name;
        info.baseboard.manufacturer = manufacturer;
        info.baseboard.version = name;
        const Qln::ComputerInfo summary(info);
        QCOMPARE(summary.processor(), expected);
        QCOMPARE(summary.motherboard(), expected);
    }

    void biosSummaryOrder() {
        System::SystemInfo info;
        info.bios.name = "2808";
        info.bios.manufacturer = "AMI";
        info.bios.version = "ALASKA";
        info.bios.buildNumber = "7";
        QCOMPARE(Qln::ComputerInfo(info).bios(), QStringLiteral("2808, AMI, ALASKA, 7"));
    }

    void wmiReaders() {
        WmiInventory inventory;
        inventory["Win32_Processor"] = {
            {{"Name", WmiValue::fromText("First CPU")},
             {"NumberOfCores", WmiValue::fromNumber(4)},
             {"ProcessorId", WmiValue::fromText("AAAA")}},
            // A second processor overwrites what it has, keeps what it lacks.
            {{"name", WmiValue::fromText("  Second CPU \t")},
             {"numberofcores", WmiValue::fromNumber(8)},
             {"Family", WmiValue::fromNumber(198)},
             {"Revision", WmiValue::fromText("not a number")},
             {"UniqueId", WmiValue()}},
        };
        inventory["Win32_SystemEnclosure"] = {{{"ChassisTypes", WmiValue::fromNumbers({3, 23})}}};
        inventory["Win32_PhysicalMemory"] = {{{"Capacity", WmiValue::fromText("8589934592")}},
                                             {{"Capacity", WmiValue::fromNumber(5)}}};
        inventory["Win32_DesktopMonitor"] = {{{"Availability", WmiValue::fromNumber(3)},
                                              {"PNPDeviceID", WmiValue::fromText("DISPLAY\\X")}}};

        const System::SystemInfo info = System::systemInfoFromWmi(inventory);
        QCOMPARE(info.processor.name, QStringLiteral("Second CPU"));
        QCOMPARE(info.processor.numberOfCores, QStringLiteral("8"));
        QCOMPARE(info.processor.processorId, QStringLiteral("AAAA"));
        QVERIFY(info.processor.family.isEmpty());
        QVERIFY(info.processor.revision.isEmpty());
        QVERIFY(info.processor.uniqueId.isEmpty());
        QCOMPARE(info.chassisTypes, QStringLiteral("3,23"));
        QCOMPARE(info.memory, (QStringList{"8589934592", ""}));
        QCOMPARE(info.monitors.size(), 1);
        QCOMPARE(info.monitors[0].availability, QStringLiteral("3"));
        QCOMPARE(info.monitors[0].pnpDeviceId, QStringLiteral("DISPLAY\\X"));
        QVERIFY(info.diskDrives.isEmpty());
    }

    void collectsTheSamplePc() {
        System::SystemInfo info;
        QVERIFY(System::collectSystemInfo(info, true));
        QCOMPARE(info.processor.manufacturer, QStringLiteral("GenuineIntel"));
        QCOMPARE(info.baseboard.product, QStringLiteral("PRIME Z390-A"));
        QCOMPARE(info.bios.smbiosBiosVersion, QStringLiteral("2808"));
        QCOMPARE(info.diskDrives.size(), 2);
        QCOMPARE(info.chassisTypes, QStringLiteral("3"));
        const Qln::ComputerInfo summary(info);
        QCOMPARE(summary.processor(),
                 QStringLiteral("GenuineIntel, Intel(R) Core(TM) i7-9700K CPU @ 3.60GHz"));
        QCOMPARE(summary.motherboard(),
                 QStringLiteral("ASUSTeK COMPUTER INC., PRIME Z390-A, Rev 1.xx"));
        QCOMPARE(summary.memory(), QStringLiteral("16"));
    }

    void unreadableMachineLeavesTheRecordEmpty() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile file(dir.filePath("machine.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"devices\": [");
        file.close();
        qputenv("QUILLON_MACHINE", dir.path().toLocal8Bit());
        System::SystemInfo info;
        info.bios.name = "stale";
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("WMI unavailable:.*machine.json:1"));
        QVERIFY(!System::collectSystemInfo(info, true));
        QVERIFY(info.bios.name.isEmpty());
        QCOMPARE(Qln::ComputerInfo(info).memory(), QStringLiteral("-"));
        qputenv("QUILLON_MACHINE", QByteArray(QLN_SAMPLE_MACHINE));
    }
};

QTEST_GUILESS_MAIN(SystemInfoTest)
#include "systeminfo_test.moc"

#include <QtTest>

#include "hardware/osinfo.h"

using platform::OsVersionInfo;

Q_DECLARE_METATYPE(OsVersionInfo)

namespace {

OsVersionInfo version(quint32 major, quint32 minor, quint32 build, quint32 productType,
                      quint32 architecture, quint32 productInfo = 0, quint32 suite = 0,
                      quint32 r2 = 0) {
    OsVersionInfo os;
    os.major = major;
    os.minor = minor;
    os.build = build;
    os.platformId = 2;
    os.productType = productType;
    os.processorArchitecture = architecture;
    os.productInfo = productInfo;
    os.suiteMask = suite;
    os.serverR2 = r2;
    return os;
}

}  // namespace

class OSInfoTest : public QObject {
    Q_OBJECT

private slots:
    void displayName_data() {
        QTest::addColumn<OsVersionInfo>("os");
        QTest::addColumn<QString>("expected");
        QTest::newRow("10 workstation x64, no edition though GetProductInfo answers")
            << version(10, 0, 19045, 1, 9, 48) << "Microsoft Windows 10  (build 19045), 64-bit";
        QTest::newRow("10 server x86")
            << version(10, 0, 14393, 3, 0)
            << "Microsoft Windows Server Technical Preview  (build 14393), 32-bit";
        QTest::newRow("7 ultimate x64")
            << version(6, 1, 7601, 1, 9, 1)
            << "Microsoft Windows 7 Ultimate Edition (build 7601), 64-bit";
        QTest::newRow("8.1 professional")
            << version(6, 3, 9600, 1, 9, 48)
            << "Microsoft Windows 8.1 Professional (build 9600), 64-bit";
        QTest::newRow("2008 R2 datacenter core")
            << version(6, 1, 7601, 3, 9, 12)
            << "Microsoft Windows Server 2008 R2 Datacenter Edition (core installation) (build "
               "7601), 64-bit";
        QTest::newRow("product type 49 adds nothing")
            << version(6, 2, 9200, 1, 0, 49) << "Microsoft Windows 8  (build 9200), 32-bit";
        QTest::newRow("product type 5 has no row")
            << version(6, 0, 6002, 1, 0, 5) << "Microsoft Windows Vista  (build 6002), 32-bit";
        QTest::newRow("Itanium architecture names no bitness")
            << version(6, 1, 7601, 3, 6, 15)
            << "Microsoft Windows Server 2008 R2 Enterprise Edition for Itanium-based Systems "
               "(build 7601)";
        QTest::newRow("5.2 R2")
            << version(5, 2, 3790, 3, 0, 0, 0x2, 1)
            << "Microsoft Windows Server 2003 R2, Enterprise Edition (build 3790)";
        QTest::newRow("5.2 storage server")
            << version(5, 2, 3790, 3, 0, 0, 0x2000)
            << "Microsoft Windows Storage Server 2003Standard Edition (build 3790)";
        QTest::newRow("5.2 home server")
            << version(5, 2, 3790, 3, 0, 0, 0x8000)
            << "Microsoft Windows Home ServerStandard Edition (build 3790)";
        QTest::newRow("5.2 XP x64") << version(5, 2, 3790, 1, 9)
                                    << "Microsoft Windows XP Professional x64 Edition (build 3790)";
        QTest::newRow("5.2 itanium datacenter")
            << version(5, 2, 3790, 3, 6, 0, 0x80 | 0x2)
            << "Microsoft Windows Server 2003, Datacenter Edition for Itanium-based Systems (build "
               "3790)";
        QTest::newRow("5.2 x64 standard")
            << version(5, 2, 3790, 3, 9)
            << "Microsoft Windows Server 2003, Standard x64 Edition (build 3790)";
        QTest::newRow("5.2 compute cluster wins over datacenter")
            << version(5, 2, 3790, 3, 0, 0, 0x4000 | 0x80)
            << "Microsoft Windows Server 2003, Compute Cluster Edition (build 3790)";
        QTest::newRow("5.2 web") << version(5, 2, 3790, 3, 0, 0, 0x400)
                                 << "Microsoft Windows Server 2003, Web Edition (build 3790)";
        QTest::newRow("5.1 home") << version(5, 1, 2600, 1, 0, 0, 0x200)
                                  << "Microsoft Windows XP Home Edition (build 2600)";
        QTest::newRow("5.1 professional")
            << version(5, 1, 2600, 1, 0) << "Microsoft Windows XP Professional (build 2600)";
        QTest::newRow("5.0 professional")
            << version(5, 0, 2195, 1, 0) << "Microsoft Windows 2000 Professional (build 2195)";
        QTest::newRow("5.0 advanced server")
            << version(5, 0, 2195, 3, 0, 0, 0x2)
            << "Microsoft Windows 2000 Advanced Server (build 2195)";
        QTest::newRow("5.0 datacenter") << version(5, 0, 2195, 2, 0, 0, 0x80 | 0x2)
                                        << "Microsoft Windows 2000 Datacenter Server (build 2195)";
        QTest::newRow("5.0 server")
            << version(5, 0, 2195, 3, 0) << "Microsoft Windows 2000 Server (build 2195)";
    }

    void displayName() {
        QFETCH(OsVersionInfo, os);
        QFETCH(QString, expected);
        QCOMPARE(System::OSInfo::displayName(os), expected);
        QCOMPARE(System::OSInfo(os).name(), expected);
    }

    void unreadableVersion() {
        const System::OSInfo os{OsVersionInfo()};
        QVERIFY(!os.isValid());
        QVERIFY(os.versionText().isEmpty());
        QVERIFY(os.name().isEmpty());
        QVERIFY(!os.is64());
    }

    void versionTextAndBitness() {
        OsVersionInfo facts = version(6, 3, 9600, 1, 9);
        facts.is64 = true;
        const System::OSInfo os(facts);
        QVERIFY(os.isValid());
        QCOMPARE(os.versionText(), QStringLiteral("6.3"));
        QVERIFY(os.is64());
    }

    void readsTheMachine() {
        // The test runs against the sample PC: Windows 10 Pro x64.
        const System::OSInfo os;
        QVERIFY(os.isValid());
        QCOMPARE(os.versionText(), QStringLiteral("10.0"));
        QCOMPARE(os.name(), QStringLiteral("Microsoft Windows 10  (build 19045), 64-bit"));
        QVERIFY(os.is64());
    }
};

QTEST_GUILESS_MAIN(OSInfoTest)
#include "osinfo_test.moc"

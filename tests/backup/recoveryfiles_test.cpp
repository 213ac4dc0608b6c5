// The recovery and history files, the file filter of driver archives and the legacy records,
// on real files.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "backup/driverfilefilter.h"
#include "backup/recoveryfiles.h"
#include "hardware/driverdescription.h"

using Qln::DriverChanges;
using Qln::InstallRecovery;
using Qln::RecoveryFiles;

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

InstallRecovery::Fields point(const QString& id, const QString& hardwareId,
                              const QString& name = QStringLiteral("Audio")) {
    InstallRecovery::Fields fields;
    fields.package = {id, QStringLiteral("audio.inf"), QString(), true};
    fields.hardwareId = hardwareId;
    fields.changes.driver = {name,
                             QStringLiteral("MEDIA"),
                             QStringLiteral("Realtek"),
                             QStringLiteral("6.0.1.1"),
                             QDate(2019, 3, 4),
                             2048};
    fields.changes.changesDate = QDate(2026, 12, 8);
    return fields;
}

const QString kId = QStringLiteral("0123456789abcdef0123456789abcdef01234567");

}  // namespace

class RecoveryFilesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_count = 0;

    QString fresh() { return m_dir.filePath(QString::number(++m_count)); }

private slots:
    void fieldsRoundTrip_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain") << QStringList{"a", "b"} << "a,b";
        QTest::newRow("comma") << QStringList{"Intel(R) HD, rev 2", "x"}
                               << "\"Intel(R) HD, rev 2\",x";
        QTest::newRow("empty fields") << QStringList{"", "b", ""} << ",b,";
        QTest::newRow("quote inside") << QStringList{"27\" monitor"} << "\"27\"\" monitor\"";
        QTest::newRow("quote and comma") << QStringList{"a\",b", "c"} << "\"a\"\",b\",c";
        QTest::newRow("leading quote")
            << QStringList{"\"Best\" pad", "c"} << "\"\"\"Best\"\" pad\",c";
        QTest::newRow("only a quote") << QStringList{"\"", ""} << "\"\"\"\",";
    }
    void fieldsRoundTrip() {
        QFETCH(QStringList, fields);
        QFETCH(QString, line);
        QCOMPARE(RecoveryFiles::joinFields(fields), line);
        QCOMPARE(RecoveryFiles::splitLine(line), fields);
    }

    void lineBreakInAFieldStaysOnItsLine() {
        QCOMPARE(RecoveryFiles::splitLine(RecoveryFiles::joinFields({"a\r\nb", "c"})),
                 QStringList({"a  b", "c"}));
    }

    // Lines as earlier versions wrote them: commas enclosed, quotes inside left as they were.
    void readsEarlierLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("comma") << "a,\"b,c\",d" << QStringList{"a", "b,c", "d"};
        QTest::newRow("quote after a comma") << "\"x,\"y\",z" << QStringList{"x,\"y", "z"};
        QTest::newRow("quote in a plain field") << "a\"b,c" << QStringList{"a\"b", "c"};
        QTest::newRow("quote in a quoted field") << "\"a\"b,c\"" << QStringList{"a\"b,c"};
        QTest::newRow("trailing comma") << "a," << QStringList{"a", ""};
    }
    void readsEarlierLines() {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        QCOMPARE(RecoveryFiles::splitLine(line), fields);
    }

    void parsesRecords_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("isPoint");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("provider");
        QTest::addColumn<quint64>("size");
        QTest::addColumn<QDate>("changesDate");
        const QString full = kId +
                             ",audio.inf,HDAUDIO\\X,\"Speakers, front\",MEDIA,,6.0,"
                             "2019-03-04,2048,2026-12-08";
        QTest::newRow("full, empty provider") << full << true << "Speakers, front"
                                              << "" << quint64(2048) << QDate(2026, 12, 8);
        QTest::newRow("three fields") << kId + ",a.inf,PCI\\Y" << true << ""
                                      << "" << quint64(0) << QDate();
        QTest::newRow("nine fields") << kId + ",a.inf,PCI\\Y,n,c,p,v,2019-01-01,5" << true << ""
                                     << "" << quint64(0) << QDate();
        QTest::newRow("two fields") << kId + ",a.inf" << false << ""
                                    << "" << quint64(0) << QDate();
        QTest::newRow("id leaves the folder") << "../../settings.dat,a.inf,PCI\\Y" << false << ""
                                              << "" << quint64(0) << QDate();
        QTest::newRow("size not a number")
            << kId + ",a.inf,H,n,c,p,v,2019-01-01,-5,2026-01-02" << true << "n"
            << "p" << quint64(0) << QDate(2026, 1, 2);
    }
    void parsesRecords() {
        QFETCH(QString, line);
        QFETCH(bool, isPoint);
        InstallRecovery::Fields parsed;
        QCOMPARE(RecoveryFiles::parseRecovery(RecoveryFiles::splitLine(line), "/b", parsed),
                 isPoint);
        if (!isPoint) {
            return;
        }
        QCOMPARE(parsed.package.path, "/b/" + parsed.package.id + ".zip");
        QVERIFY(parsed.package.packed);
        QTEST(parsed.changes.driver.name, "name");
        QTEST(parsed.changes.driver.provider, "provider");
        QTEST(parsed.changes.driver.size, "size");
        QTEST(parsed.changes.changesDate, "changesDate");
    }

    void shortHistoryLineIsEmpty() {
        const DriverChanges::Fields entry =
            RecoveryFiles::parseHistory({"n", "c", "p", "v", "2019-01-01", "5"});
        QVERIFY(entry.driver.name.isEmpty());
        QVERIFY(!entry.driver.date.isValid());
        QVERIFY(!entry.changesDate.isValid());
        QCOMPARE(entry.driver.size, quint64(0));
    }

    // CR LF and LF, blank lines, a byte-order mark, a short line, a line of another kind.
    void readsFilesAsTheyCome() {
        const QString folder = fresh();
        write(folder + "/recovery",
              "\xEF\xBB\xBF" +
                  (kId + ",a.inf,H1,\"n, 1\",c,p,v,2019-01-01,10,2026-01-02\r\n").toUtf8() +
                  "\r\n" + (kId + ",b.inf\n").toUtf8() + (kId + ",c.inf,H3\n").toUtf8());
        write(folder + "/history", "n,c,p,v,2019-01-01,10,2026-01-02\r\nshort,line\n");
        RecoveryFiles files(folder + "/recovery", folder + "/history", folder + "/Backups");
        QString error;
        const QList<InstallRecovery::Fields> points = files.readRecovery(&error);
        QVERIFY(error.isEmpty());
        QCOMPARE(points.size(), 2);
        QCOMPARE(points[0].changes.driver.name, QStringLiteral("n, 1"));
        QCOMPARE(points[0].package.path, folder + "/Backups/" + kId + ".zip");
        QCOMPARE(points[1].package.inf, QStringLiteral("c.inf"));
        const QList<DriverChanges::Fields> history = files.readHistory();
        QCOMPARE(history.size(), 2);
        QCOMPARE(history[0].driver.size, quint64(10));
        QVERIFY(history[1].driver.name.isEmpty());
    }

    void missingOrUnreadableFilesGiveNothing() {
        const QString folder = fresh();
        RecoveryFiles missing(folder + "/recovery", folder + "/history", folder);
        QString error;
        QVERIFY(missing.readRecovery(&error).isEmpty());
        QVERIFY(error.isEmpty());
        // A folder where the file should be cannot be read, and is not replaced either.
        QVERIFY(QDir().mkpath(folder + "/history"));
        QVERIFY(missing.readHistory(&error).isEmpty());
        QVERIFY(!error.isEmpty());
        QVERIFY(!missing.appendHistory({point(kId, "H").changes}));
        QVERIFY(QFileInfo(folder + "/history").isDir());
    }

    void oversizedFileIsKept() {
        const QString folder = fresh();
        write(folder + "/recovery", "x");
        QFile big(folder + "/recovery");
        QVERIFY(big.resize(qint64(65) << 20));
        RecoveryFiles files(folder + "/recovery", folder + "/history", folder);
        QString error;
        QVERIFY(files.readRecovery(&error).isEmpty());
        QVERIFY(!error.isEmpty());
        QVERIFY(!files.appendRecovery({point(kId, "H")}));
        QVERIFY(!files.removeRecovery(point(kId, "H")));
        QCOMPARE(QFileInfo(folder + "/recovery").size(), qint64(65) << 20);
    }

    void appendsAndReadsBack() {
        const QString folder = fresh();
        RecoveryFiles files(folder + "/recovery", folder + "/history", folder + "/Backups");
        // A last line without its line end, as a crash of an older version leaves it.
        write(folder + "/history", "old,c,p,v,2019-01-01,1,2020-01-01");
        InstallRecovery::Fields first = point(kId, "PCI\\A", "Pad \"Pro\", wireless");
        QVERIFY(files.appendRecovery({first}));
        QVERIFY(files.appendHistory({first.changes}));
        QCOMPARE(read(folder + "/history"),
                 QByteArray("old,c,p,v,2019-01-01,1,2020-01-01\r\n\"Pad \"\"Pro\"\", wireless\","
                            "MEDIA,Realtek,6.0.1.1,2019-03-04,2048,2026-12-08\r\n"));
        const QList<InstallRecovery::Fields> points = files.readRecovery();
        QCOMPARE(points.size(), 1);
        first.package.path = folder + "/Backups/" + kId + ".zip";
        QCOMPARE(RecoveryFiles::recoveryFields(points[0]), RecoveryFiles::recoveryFields(first));
        QCOMPARE(points[0].package, first.package);
    }

    // Text a line must keep whole: a NUL inside a field, and a byte-order mark where a line
    // starts, which readers drop. Each point reads back whole and its line is found again.
    void oddTextReadsBackWhole_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("hardwareId");
        QTest::addColumn<QString>("name");
        const QString mark(QChar(0xFEFF));
        QTest::newRow("NUL in a hardware id") << kId << QStringLiteral("PCI\\A") + QChar(0) + "B"
                                              << "Audio";
        QTest::newRow("mark before a history line's name") << kId << "PCI\\A" << mark + "Audio";
        QTest::newRow("mark before a recovery line's id") << mark + kId << "PCI\\A"
                                                          << "Audio";
    }
    void oddTextReadsBackWhole() {
        QFETCH(QString, id);
        QFETCH(QString, hardwareId);
        QFETCH(QString, name);
        const QString folder = fresh();
        RecoveryFiles files(folder + "/recovery", folder + "/history", folder + "/Backups");
        InstallRecovery::Fields odd = point(id, hardwareId, name);
        QVERIFY(files.appendRecovery({odd, point(kId, "PCI\\C")}));
        QVERIFY(files.appendHistory({odd.changes}));
        const QList<InstallRecovery::Fields> points = files.readRecovery();
        QCOMPARE(points.size(), 2);
        QCOMPARE(RecoveryFiles::recoveryFields(points[0]), RecoveryFiles::recoveryFields(odd));
        QCOMPARE(points[0].package.path, folder + "/Backups/" + id + ".zip");
        QCOMPARE(files.readHistory().value(0).driver.name, name);
        QVERIFY(files.removeRecovery(odd));
        QCOMPARE(files.readRecovery().size(), 1);
    }

    // Two devices updated from one driver: one id, two lines. Each goes on its own.
    void removesOnlyItsOwnLine() {
        const QString folder = fresh();
        RecoveryFiles files(folder + "/recovery", folder + "/history", folder + "/Backups");
        const QByteArray foreign = "a line of a later version,with,its,own,fields";
        write(folder + "/recovery", foreign + "\r\n");
        QVERIFY(files.appendRecovery(
            {point(kId, "PCI\\A"), point(kId, "PCI\\B"), point(kId.left(39) + "8", "PCI\\A")}));
        const QByteArray before = read(folder + "/recovery");
        QVERIFY(files.removeRecovery(point(kId, "PCI\\C")));
        QCOMPARE(read(folder + "/recovery"), before);

        QVERIFY(files.removeRecovery(point(kId, "PCI\\A")));
        QList<InstallRecovery::Fields> left = files.readRecovery();
        QCOMPARE(left.size(), 3);
        QCOMPARE(left[0].hardwareId, QStringLiteral("its"));
        QCOMPARE(left[1].hardwareId, QStringLiteral("PCI\\B"));
        QCOMPARE(left[2].package.id, kId.left(39) + "8");
        QVERIFY(read(folder + "/recovery").startsWith(foreign + "\r\n"));
        QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden).size() == 1);
    }

    void filter_data() {
        QTest::addColumn<QStringList>("files");  // name=content
        QTest::addColumn<QStringList>("taken");
        QTest::newRow("copy with the same content")
            << QStringList{"a.sys=x", "a(1).sys=x"} << QStringList{"a.sys"};
        QTest::newRow("copy with other content")
            << QStringList{"a.sys=x", "a(1).sys=y"} << QStringList{"a(1).sys", "a.sys"};
        QTest::newRow("numbered and renamed copies")
            << QStringList{"b.dll=x", "b.dll.1=x", "b.dll~old=x", "b.dll(3)=x", "b(2)(4).dll=x"}
            << QStringList{"b.dll"};
        QTest::newRow("copy of a file in other case")
            << QStringList{"Net.CAT=x", "net(1).cat=x"} << QStringList{"Net.CAT"};
        QTest::newRow("copy without its original")
            << QStringList{"c(1).exe=x"} << QStringList{"c(1).exe"};
        QTest::newRow("caches and empty files")
            << QStringList{"d.inf=x", "d.PNF=x", "e.tmp=x", "Component.man=x", "empty.sys="}
            << QStringList{"d.inf"};
        QTest::newRow("a dot is a dot")
            << QStringList{"f.sys=x", "f(1)xsys=x"} << QStringList{"f(1)xsys", "f.sys"};
    }
    void filter() {
        QFETCH(QStringList, files);
        QFETCH(QStringList, taken);
        const QString folder = fresh();
        for (const QString& file : files) {
            write(folder + "/" + file.section('=', 0, 0), file.section('=', 1).toUtf8());
        }
        const Qln::DriverFileFilter accepts;
        QStringList actual;
        for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
            if (accepts(folder + "/" + name)) {
                actual.append(name);
            }
        }
        QCOMPARE(actual, taken);
    }

    void sizeUnits_data() {
        QTest::addColumn<quint64>("size");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("unit");
        QTest::newRow("nothing") << quint64(0) << 0 << "KB";
        QTest::newRow("just under a megabyte") << quint64(1048575) << 1023 << "KB";
        QTest::newRow("a megabyte") << quint64(1048576) << 1 << "MB";
        QTest::newRow("five gigabytes") << (quint64(5) << 30) << 5120 << "MB";
    }
    void sizeUnits() {
        QFETCH(quint64, size);
        Qln::DriverDescription::Fields fields;
        fields.size = size;
        const Qln::DriverDescription description(fields);
        QTEST(description.sizeValue(), "value");
        QTEST(description.sizeDim(), "unit");
    }

    void migratesLegacyRecords() {
        const QString appData = fresh();
        const QString backups = appData + "/Backups";
        const QString downloads = appData + "/Drivers";
        auto legacy = [](const QString& folder, const QString& name, const QString& desc,
                         const QDate& cdate) {
            QSettings ini(folder + "/" + name, QSettings::IniFormat);
            ini.setIniCodec("UTF-8");
            ini.setValue("inf", "oem7.inf");
            ini.setValue("hid", "PCI\\VEN_10EC&DEV_8168");
            ini.setValue("desc", desc);
            ini.setValue("cat", "Net");
            ini.setValue("prov", "Realtek");
            ini.setValue("ver", "10.1.1");
            ini.setValue("date", QDate(2018, 5, 6));
            ini.setValue("cdate", cdate);
            ini.setValue("pre", "x");
            ini.setValue("fol", "y");
            ini.sync();
            write(folder + "/" + name + ".zip", QByteArray(1500, 'z'));
        };
        QDir().mkpath(backups);
        QDir().mkpath(downloads);
        legacy(backups, "newer", "Ethernet, PCIe", QDate(2020, 2, 2));
        legacy(backups, "older", "Ethernet", QDate(2019, 1, 1));
        legacy(downloads, "done", "Сетевая карта", QDate(2019, 7, 7));
        // The user's own files in the download folder are not records.
        write(downloads + "/notes.txt", "inf=mine\n");
        write(downloads + "/tool.zip", "zip");

        QVERIFY(RecoveryFiles::migrateLegacy(backups, downloads, appData));
        RecoveryFiles files(appData + "/recovery", appData + "/history", backups);
        const QList<InstallRecovery::Fields> points = files.readRecovery();
        QCOMPARE(points.size(), 2);
        QCOMPARE(points[0].package.id, QStringLiteral("older"));
        QCOMPARE(points[0].package.path, backups + "/older.zip");
        QCOMPARE(points[1].changes.driver.name, QStringLiteral("Ethernet, PCIe"));
        QCOMPARE(points[1].hardwareId, QStringLiteral("PCI\\VEN_10EC&DEV_8168"));
        QCOMPARE(points[1].package.inf, QStringLiteral("oem7.inf"));
        QCOMPARE(points[1].changes.driver.date, QDate(2018, 5, 6));
        QCOMPARE(points[1].changes.driver.size, quint64(1500));
        QCOMPARE(points[1].changes.changesDate, QDate(2020, 2, 2));
        const QList<DriverChanges::Fields> history = files.readHistory();
        QCOMPARE(history.size(), 1);
        QCOMPARE(history[0].driver.name, QStringLiteral("Сетевая карта"));
        QCOMPARE(history[0].changesDate, QDate(2019, 7, 7));

        QCOMPARE(QDir(backups).entryList(QDir::Files), QStringList({"newer.zip", "older.zip"}));
        QCOMPARE(QDir(downloads).entryList(QDir::Files),
                 QStringList({"done.zip", "notes.txt", "tool.zip"}));
    }
};

QTEST_GUILESS_MAIN(RecoveryFilesTest)
#include "recoveryfiles_test.moc"

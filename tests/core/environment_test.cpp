#include <QtTest>

#include "core/environment.h"
#include "core/filerepository.h"
#include "core/registryrepository.h"
#include "testenvironment.h"

using Qln::Environment;

class EnvironmentTest : public QObject {
    Q_OBJECT

private:
    static QVariant fileValue(const QString& key) {
        return Utils::FileRepository(Environment::settingsFilePath()).value(key);
    }
    static QVariant registryValue(const QString& key) {
        return Utils::RegistryRepository(Environment::registryKey()).value(key);
    }
    static void removeRegistryStore() {
        Utils::RegistryRepository registry(Environment::registryKey());
        for (const char* key : {"appId", "version", "pid"}) {
            registry.remove(QString::fromLatin1(key));
        }
        registry.sync();
    }

private slots:
    void init() {
        QFile::remove(Environment::settingsFilePath());
        QFile::remove(Environment::settingsFilePath() + ".bad");
        removeRegistryStore();
    }

    void firstStartCreatesTheIdAndTheDownloadFolder() {
        QUuid id;
        {
            Environment environment;
            id = environment.appId();
            QVERIFY(!id.isNull());
            QCOMPARE(environment.appId(), id);
            QVERIFY(QDir(environment.downloadDir()).exists());
            QCOMPARE(environment.downloadDir(), Environment::appDataDir() + "/Drivers");
            QVERIFY(environment.version().isNull());
            QVERIFY(environment.checkUpdates());
            QVERIFY(environment.checkSystemDevices());
            QCOMPARE(environment.numDevices(), 200);
            QVERIFY(environment.backupArchivePath().endsWith("/drivers.qlb"));
            QCOMPARE(environment.backupsDir(), Environment::appDataDir() + "/Backups");
            QCOMPARE(environment.unpackDir(), Environment::appDataDir() + "/Unpack");
        }
        QCOMPARE(fileValue("appId").toUuid(), id);
        QCOMPARE(registryValue("appId").toUuid(), id);
        Environment again;
        QCOMPARE(again.appId(), id);
    }

    void eachStoreRestoresTheOther_data() {
        QTest::addColumn<bool>("loseFile");
        QTest::newRow("settings file deleted") << true;
        QTest::newRow("registry key deleted") << false;
    }

    void eachStoreRestoresTheOther() {
        QFETCH(bool, loseFile);
        QUuid id;
        {
            Environment environment;
            id = environment.appId();
            environment.setVersion(QVersionNumber(1, 2, 0));
            environment.setNumDevices(7);
        }
        if (loseFile) {
            QVERIFY(QFile::remove(Environment::settingsFilePath()));
        } else {
            removeRegistryStore();
        }
        {
            Environment environment;
            QCOMPARE(environment.appId(), id);
            QCOMPARE(environment.version(), QVersionNumber(1, 2, 0));
            // Only the mirrored keys come back from the registry.
            QCOMPARE(environment.numDevices(), loseFile ? 200 : 7);
        }
        QCOMPARE(fileValue("appId").toUuid(), id);
        QCOMPARE(registryValue("appId").toUuid(), id);
        QCOMPARE(fileValue("version").toString(), QStringLiteral("1.2.0"));
        QCOMPARE(registryValue("version").toString(), QStringLiteral("1.2.0"));
    }

    void theFileWinsWhenTheStoresDisagree() {
        {
            Environment environment;
            environment.setVersion(QVersionNumber(1, 1));
        }
        {
            Utils::RegistryRepository registry(Environment::registryKey());
            registry.setValue("version", "0.9");
        }
        Environment environment;
        QCOMPARE(environment.version(), QVersionNumber(1, 1));
        QCOMPARE(registryValue("version").toString(), QStringLiteral("1.1"));
    }

    void damagedSettingsFileReadsAsDefaults_data() {
        QTest::addColumn<QByteArray>("content");
        QByteArray stringStream;
        {
            QDataStream out(&stringStream, QIODevice::WriteOnly);
            out << QVariant(QStringLiteral("not a map"));
        }
        QByteArray truncated;
        {
            QDataStream out(&truncated, QIODevice::WriteOnly);
            out << QVariant(QVariantMap{{"numDevices", 5}, {"checksys", false}});
        }
        truncated.chop(5);
        QTest::newRow("garbage") << QByteArray("\x7f\x01garbage\xff\xfe", 11);
        QTest::newRow("a stream whose value is not a map") << stringStream;
        QTest::newRow("a truncated map") << truncated;
    }

    void damagedSettingsFileReadsAsDefaults() {
        QFETCH(QByteArray, content);
        QDir().mkpath(Environment::appDataDir());
        {
            QFile file(Environment::settingsFilePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        {
            Environment environment;
            QCOMPARE(environment.numDevices(), 200);
            QVERIFY(environment.checkSystemDevices());
            // The damaged file is kept aside before anything replaces it.
            QFile aside(Environment::settingsFilePath() + ".bad");
            QVERIFY(aside.open(QIODevice::ReadOnly));
            QCOMPARE(aside.readAll(), content);
            environment.setNumDevices(9);
        }
        QCOMPARE(fileValue("numDevices").toInt(), 9);
    }

    void mistypedValuesReadAsTheirDefaults_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("kept");
        QTest::newRow("a number for the download folder") << "downdir" << QVariant(42) << false;
        QTest::newRow("text for a switch") << "checkupdate" << QVariant("no") << false;
        QTest::newRow("text for a count") << "numDevices" << QVariant("5") << false;
        QTest::newRow("a switch for the backup path") << "bapath" << QVariant(true) << false;
        QTest::newRow("a wider integer for a count") << "numDevices" << QVariant(7LL) << true;
    }

    void mistypedValuesReadAsTheirDefaults() {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(bool, kept);
        QDir().mkpath(Environment::appDataDir());
        QByteArray content;
        {
            QDataStream out(&content, QIODevice::WriteOnly);
            out << QVariant(QVariantMap{{key, stored}, {"checksys", false}});
        }
        {
            QFile file(Environment::settingsFilePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        {
            Environment environment;
            QCOMPARE(environment.downloadDir(), Environment::appDataDir() + "/Drivers");
            QVERIFY(environment.checkUpdates());
            QCOMPARE(environment.numDevices(), kept ? 7 : 200);
            QVERIFY(environment.backupArchivePath().endsWith("/drivers.qlb"));
            // The well-typed value beside it is kept.
            QVERIFY(!environment.checkSystemDevices());
            QFile aside(Environment::settingsFilePath() + ".bad");
            QCOMPARE(aside.exists(), !kept);
            if (!kept) {
                QVERIFY(aside.open(QIODevice::ReadOnly));
                QCOMPARE(aside.readAll(), content);
            }
        }
        QVERIFY(!QDir(QDir::currentPath() + "/42").exists());
        QCOMPARE(fileValue(key).isValid(), kept);
    }

    void aSettingsFolderIsReportedOnce() {
        QDir().mkpath(Environment::settingsFilePath());
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("Settings file .* is a folder: settings will not "
                                                "be saved"));
        {
            Environment environment;
            environment.setNumDevices(9);
        }
        QVERIFY(QDir().rmdir(Environment::settingsFilePath()));
    }

    void choosingTheSystemLanguageRemovesTheKey() {
        Environment environment;
        environment.setLocale(QLocale(QLocale::German));
        QCOMPARE(fileValue("locale").value<QLocale>(), QLocale(QLocale::German));
        environment.setLocale(QLocale::c());
        QVERIFY(!fileValue("locale").isValid());
    }

    void storedLanguageIsUsedAtTheNextStart() {
        {
            Environment environment;
            environment.setLocale(QLocale(QLocale::Japanese));
        }
        Environment environment;
        QCOMPARE(environment.locale(), QLocale(QLocale::Japanese));
    }

    void resetForgetsOnlyTheSettingsPageChoices() {
        QUuid id;
        {
            Utils::RegistryRepository registry(Environment::registryKey());
            registry.setValue("pid", "partner-7");
        }
        {
            Environment environment;
            id = environment.appId();
            environment.setVersion(QVersionNumber({1, 2, 0, 2134}));
            environment.setLocale(QLocale(QLocale::French));
            environment.setDownloadDir("/somewhere/else");
            environment.setCheckSystemDevices(false);
            environment.setCheckUpdates(false);
            environment.setNumDevices(12);
            environment.setBackupArchivePath("/backups/mine.qlb");
            environment.resetSettings();

            QCOMPARE(environment.downloadDir(), Environment::defaultDownloadDir());
            QVERIFY(environment.checkSystemDevices());
            QVERIFY(environment.checkUpdates());
            QCOMPARE(environment.numDevices(), 12);
            QCOMPARE(environment.backupArchivePath(), QStringLiteral("/backups/mine.qlb"));
            QCOMPARE(environment.partnerId(), QStringLiteral("partner-7"));
        }
        QVERIFY(!fileValue("locale").isValid());
        QVERIFY(!fileValue("downdir").isValid());
        QCOMPARE(fileValue("appId").toUuid(), id);
        QCOMPARE(fileValue("version").toString(), QStringLiteral("1.2.0.2134"));
    }

    void unparsableVersionIsOlderThanAnyRelease() {
        {
            Utils::RegistryRepository registry(Environment::registryKey());
            registry.setValue("version", "garbage");
        }
        Environment environment;
        QVERIFY(environment.version() < QVersionNumber(1, 0));
    }
};

QLN_TEST_MAIN(EnvironmentTest)
#include "environment_test.moc"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

#include "clienttesting.h"
#include "net/appupdatetask.h"
#include "net/multidownloader.h"
#include "net/serviceclient.h"
#include "net/settingsdata.h"
#include "serviceprocess.h"

using Qln::AppUpdateTask;

using clienttesting::authData;
using clienttesting::onWorker;

namespace {

int lineCount(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : 0;
}

}  // namespace

class AppUpdateTaskTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_temp;
    QString m_marker;
    std::unique_ptr<ServiceProcess> m_service;
    std::unique_ptr<Qln::ServiceClient> m_client;
    Qln::AppUpdateInfo m_offer;

    std::unique_ptr<AppUpdateTask> makeTask(const Qln::AppUpdateInfo& offer, const QUrl& url) {
        return std::make_unique<AppUpdateTask>(
            offer, url, std::unique_ptr<Net::IDownloader>(m_client->createDownloader()));
    }

private slots:
    void initTestCase() {
        QVERIFY2(!ServiceProcess::program().isEmpty(), "QUILLON_SERVICE names no program");
        // The setup goes to the temporary folder: keep it inside this test's own.
        qputenv("TMPDIR", m_temp.path().toLocal8Bit());
        m_marker = m_temp.filePath(QStringLiteral("setup-ran.log"));
        // Large enough that an abort right after the start lands before the end.
        QByteArray setup = "#!/bin/sh\necho ran >>'" + m_marker.toLocal8Bit() + "'\nexit 0\n#";
        setup.append(QByteArray(4 << 20, 'x'));
        const QJsonObject update{{"version", "1.3.0.0"}, {"file", "setup.sh"}};
        m_service = std::make_unique<ServiceProcess>(
            QJsonObject{{"update", update}}, QStringList{},
            QMap<QString, QByteArray>{{"files/update/setup.sh", setup}});
        QVERIFY2(m_service->isRunning(), qPrintable(m_service->error()));
        m_client = std::make_unique<Qln::ServiceClient>(m_service->baseUrl(), authData());
        QCOMPARE(onWorker([&] { return m_client->authorize(); }).status, 200);
        auto settings = std::make_shared<Qln::SettingsData>();
        const Net::Response response = onWorker([&] {
            return m_client->settingsMethod().exec({}, settings, {}, {{"ppg", QString()}});
        });
        QCOMPARE(response.status, 200);
        m_client->setEndpoints(settings->endpoints);
        m_offer = settings->update;
        // The service fills the offer from the file it serves.
        QCOMPARE(m_offer.fileName, QStringLiteral("setup.sh"));
        QCOMPARE(m_offer.fileSize, qint64(setup.size()));
        QCOMPARE(m_offer.hashSha1.size(), 40);
    }

    void init() { QFile::remove(m_marker); }

    void figures_data() {
        QTest::addColumn<qint64>("downloaded");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("percent");
        QTest::newRow("half") << qint64(1536000) << qint64(3072000) << 50;
        QTest::newRow("no size yet") << qint64(100) << qint64(0) << 0;
        QTest::newRow("more than offered") << qint64(5000) << qint64(1000) << 100;
        QTest::newRow("truncated") << qint64(999) << qint64(1000) << 99;
    }

    void figures() {
        QFETCH(qint64, downloaded);
        QFETCH(qint64, size);
        QFETCH(int, percent);
        QCOMPARE(AppUpdateTask::percentOf(downloaded, size), percent);
        Qln::AppUpdateInfo offer;
        offer.fileSize = 3072000;
        AppUpdateTask task(offer, {}, nullptr);
        QCOMPARE(task.fileSize(), 3000);
    }

    void fileNameStaysInTemporaryFolder_data() {
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "QuillonProSetup.exe"
                               << "QuillonProSetup.exe";
        QTest::newRow("folders") << "C:\\Windows\\System32\\evil.exe"
                                 << "evil.exe";
        QTest::newRow("dot-dot") << "../../home/user/.bashrc"
                                 << ".bashrc";
        QTest::newRow("only dot-dot") << "a/.."
                                      << "QuillonProSetup.exe";
        QTest::newRow("empty") << ""
                               << "QuillonProSetup.exe";
        QTest::newRow("drive") << "C:evil.exe"
                               << "QuillonProSetup.exe";
    }

    void fileNameStaysInTemporaryFolder() {
        QFETCH(QString, offered);
        QFETCH(QString, name);
        QCOMPARE(AppUpdateTask::safeFileName(offered), name);
        Qln::AppUpdateInfo offer;
        offer.fileName = offered;
        AppUpdateTask task(offer, {}, nullptr);
        QCOMPARE(QFileInfo(task.outputPath()).dir().absolutePath(),
                 QDir(m_temp.path()).absolutePath());
    }

    void download_data() {
        QTest::addColumn<QString>("hash");
        QTest::addColumn<qint64>("sizeChange");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("runs");
        QTest::newRow("verified setup runs") << QString() << qint64(0) << "/app/update" << true;
        QTest::newRow("upper-case hash verifies") << "upper" << qint64(0) << "/app/update" << true;
        QTest::newRow("wrong hash")
            << "0000000000000000000000000000000000000000" << qint64(0) << "/app/update" << false;
        QTest::newRow("wrong size") << QString() << qint64(1) << "/app/update" << false;
        QTest::newRow("larger than offered") << QString() << qint64(-1) << "/app/update" << false;
        QTest::newRow("not found") << QString() << qint64(0) << "/files/update/none.exe" << false;
    }

    void download() {
        QFETCH(QString, hash);
        QFETCH(qint64, sizeChange);
        QFETCH(QString, path);
        QFETCH(bool, runs);
        Qln::AppUpdateInfo offer = m_offer;
        offer.hashSha1 = hash == "upper"  ? offer.hashSha1.toUpper()
                         : hash.isEmpty() ? offer.hashSha1
                                          : hash;
        offer.fileSize += sizeChange;
        if (sizeChange < 0) {
            // Cut off by the offer's size, not refused after the whole file was written.
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("^App update download error .* 9 Size "));
        }
        auto task = makeTask(offer, QUrl(m_service->baseUrl() + path));
        QSignalSpy closed(task.get(), &AppUpdateTask::close);
        QSignalSpy failed(task.get(), &AppUpdateTask::downloadError);
        QSignalSpy progress(task.get(), &AppUpdateTask::progressChanged);
        int lastPercent = 0;
        connect(task.get(), &AppUpdateTask::progressChanged, this, [&] {
            QVERIFY(task->percent() >= lastPercent && task->percent() <= 100);
            lastPercent = task->percent();
        });
        task->start();
        QTRY_VERIFY_WITH_TIMEOUT(closed.count() + failed.count() > 0, 30000);
        QCOMPARE(closed.count(), runs ? 1 : 0);
        QCOMPARE(failed.count(), runs ? 0 : 1);
        QCOMPARE(QFile::exists(task->outputPath()), runs);
        if (runs) {
            QCOMPARE(task->percent(), 100);
            QTRY_COMPARE_WITH_TIMEOUT(lineCount(m_marker), 1, 10000);
        } else {
            QCOMPARE(lineCount(m_marker), 0);
        }
    }

    void abortWhileDownloadingRunsNothing() {
        auto task = makeTask(m_offer, QUrl(m_client->endpoints().appUpdate));
        QSignalSpy closed(task.get(), &AppUpdateTask::close);
        QSignalSpy failed(task.get(), &AppUpdateTask::downloadError);
        task->start();
        QVERIFY(task->isRunning());
        task->abort();
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 10000);
        QCOMPARE(closed.count(), 0);
        QVERIFY(!QFile::exists(task->outputPath()));
    }

    void unwritableFileIsReported() {
        Qln::AppUpdateInfo offer = m_offer;
        offer.fileName = QStringLiteral("blocked");
        QDir(m_temp.path()).mkpath(QStringLiteral("blocked"));  // a folder where the file would go
        auto task = makeTask(offer, QUrl(m_client->endpoints().appUpdate));
        QSignalSpy failed(task.get(), &AppUpdateTask::downloadError);
        task->start();
        QCOMPARE(failed.count(), 1);
        QVERIFY(!task->isRunning());
    }

    void cleanupTestCase() {
        m_client.reset();
        m_service.reset();
    }
};

QTEST_GUILESS_MAIN(AppUpdateTaskTest)
#include "appupdatetask_test.moc"

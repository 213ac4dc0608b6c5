#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTimer>
#include <QtConcurrent>
#include <QtTest>

#include "clienttesting.h"
#include "net/manager.h"
#include "net/multidownloader.h"
#include "net/serviceclient.h"
#include "net/singledownloader.h"
#include "net/uploadmethod.h"
#include "scriptedserver.h"
#include "serviceprocess.h"

using clienttesting::authData;
using clienttesting::onWorker;

namespace {

using Answer = ScriptedServer::Answer;
using Received = ScriptedServer::Received;

ScriptedServer::Script silent() {
    return [](const Received&) {
        Answer answer;
        answer.silent = true;
        return answer;
    };
}

std::unique_ptr<Net::IDownloader> makeDownloader(const QString& kind) {
    if (kind == "multi") {
        return std::make_unique<Net::MultiDownloader>();
    }
    return std::make_unique<Net::SingleDownloader>();
}

// Returns once every event the manager's thread had queued before has run, and the ones
// those queued in turn.
void drainManager() {
    for (int round = 0; round < 3; ++round) {
        bool reached = false;
        QMetaObject::invokeMethod(
            Net::Manager::instance(), [&reached] { reached = true; }, Qt::QueuedConnection);
        QVERIFY(QTest::qWaitFor([&] { return reached; }, 5000));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace

// How transfers end when they are aborted from another thread, destroyed right after, or
// left without the manager's thread. Built with AddressSanitizer, these prove that a reply
// ending late touches nothing freed.
class LifetimeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void deletedOnTheWorkerRightAfterAbort_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("multi-part, probe in flight") << "multi";
        QTest::newRow("single stream, GET in flight") << "single";
    }

    void deletedOnTheWorkerRightAfterAbort() {
        QFETCH(QString, kind);
        ScriptedServer server(silent());
        QFile file(m_dir.filePath("deleted-" + kind));
        QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate));
        Net::IDownloader* downloader = makeDownloader(kind).release();
        QSemaphore returned;
        int error = -1;
        QFuture<void> worker = QtConcurrent::run([&] {
            error = downloader->download(QUrl(server.baseUrl() + "/f"), {}, &file, {}).error;
            delete downloader;
            returned.release();
        });
        QVERIFY(QTest::qWaitFor([&] { return server.received().size() == 1; }, 5000));
        downloader->abort();
        // The worker returns and frees the downloader while this thread runs no events.
        QVERIFY(returned.tryAcquire(1, 5000));
        QCOMPARE(error, int(Net::DownloadResult::Aborted));
        // Now the reply ends, in the manager's thread.
        drainManager();
        worker.waitForFinished();
    }

    void abortDuringTokenRenewal() {
        const QByteArray bytes(4096, 'q');
        const QString name =
            QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
        ServiceProcess service(QJsonObject{{"token_ttl", 1}}, {},
                               {{"files/packages/" + name + ".zip", bytes}});
        QVERIFY2(service.isRunning(), qPrintable(service.error()));
        Qln::ServiceClient client(service.baseUrl(), authData());
        QCOMPARE(onWorker([&] { return client.authorize(); }).status, 200);
        QVERIFY(QTest::qWaitFor([&] { return !client.token()->isValid(); }, 10000));

        const std::unique_ptr<Net::MultiDownloader> downloader(client.createDownloader());
        QFile file(m_dir.filePath("renewal"));
        QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate));
        bool runningAfterAbort = true;
        // Delivered by the renewal's own event loop, as a cancel button's click would be.
        QTimer::singleShot(0, this, [&] {
            downloader->abort();
            runningAfterAbort = downloader->isRunning();
        });
        const Net::DownloadResult result = downloader->download(
            QUrl(service.baseUrl() + "/files/packages/" + name + ".zip"), {}, &file, {});
        QCOMPARE(result.error, int(Net::DownloadResult::Aborted));
        QVERIFY(!runningAfterAbort);
        QCOMPARE(file.size(), qint64(0));
        QCOMPARE(service.hook("/_test/counters").value("auth").toInt(), 2);
    }

    void uploadAbortedThenWaitedForOnThisThread_data() {
        QTest::addColumn<bool>("beforeStart");
        QTest::newRow("while waiting for the reply") << false;
        QTest::newRow("before the upload began") << true;
    }

    void uploadAbortedThenWaitedForOnThisThread() {
        QFETCH(bool, beforeStart);
        ScriptedServer server(silent());
        QFile part(m_dir.filePath("part.zip"));
        QVERIFY(part.open(QIODevice::WriteOnly) && part.write(QByteArray(3000, 'u')) == 3000);
        part.close();
        Net::UploadMethod upload(QUrl(server.baseUrl() + "/upload/upload"), {}, nullptr, nullptr);
        if (beforeStart) {
            upload.abort();
        }
        QSemaphore returned;
        bool accepted = true;
        QFuture<void> worker = QtConcurrent::run([&] {
            accepted = upload({part.fileName()});
            returned.release();
        });
        if (!beforeStart) {
            QVERIFY(QTest::qWaitFor([&] { return server.received().size() == 1; }, 5000));
            upload.abort();
        }
        // What a task's destructor does: wait for its worker without running events.
        QVERIFY(returned.tryAcquire(1, 5000));
        QVERIFY(!accepted);
        QCOMPARE(upload.lastResponse().failure, Net::Response::Failure::Aborted);
        QCOMPARE(server.received().size(), beforeStart ? 0 : 1);
        worker.waitForFinished();
        drainManager();
    }

    // Last: once told to exit, no event loop of this thread runs again in this process.
    void blockingDownloadOnTheManagersThreadWhenTheLoopExits() {
        ScriptedServer server(silent());
        QFile file(m_dir.filePath("exit"));
        QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Truncate));
        Net::MultiDownloader downloader;
        QTimer exit;
        connect(&exit, &QTimer::timeout, this, [&] {
            if (server.received().size() == 1) {
                QCoreApplication::exit(0);
            }
        });
        exit.start(10);
        const Net::DownloadResult result =
            downloader.download(QUrl(server.baseUrl() + "/f"), {}, &file, {});
        QCOMPARE(result.error, int(Net::DownloadResult::Aborted));
        QVERIFY(!downloader.isRunning());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(LifetimeTest)
#include "lifetime_test.moc"

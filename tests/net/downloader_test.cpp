#include <QCryptographicHash>
#include <QDir>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

#include "clienttesting.h"
#include "net/manager.h"
#include "net/multidownloader.h"
#include "net/outdatawitherror.h"
#include "net/serviceclient.h"
#include "net/singledownloader.h"
#include "scriptedserver.h"
#include "serviceprocess.h"
#include "zipfiles.h"

using clienttesting::authData;

namespace {

using Answer = ScriptedServer::Answer;
using Received = ScriptedServer::Received;

// No zero bytes, so a byte the downloader never wrote (0) tells from a wrong one.
QByteArray content(qint64 size) {
    QByteArray bytes(static_cast<int>(size), Qt::Uninitialized);
    for (char& byte : bytes) {
        byte = static_cast<char>(1 + QRandomGenerator::global()->bounded(255));
    }
    return bytes;
}

QPair<qint64, qint64> requestedRange(const Received& request) {
    const QByteArray range = request.headers.value("range");
    if (!range.startsWith("bytes=")) {
        return {-1, -1};
    }
    const QList<QByteArray> bounds = range.mid(6).split('-');
    return {bounds.value(0).toLongLong(),
            bounds.value(1).isEmpty() ? -1 : bounds.value(1).toLongLong()};
}

// What a well-behaved server answers for `bytes`.
Answer honest(const QByteArray& bytes, const Received& request) {
    Answer answer;
    answer.contentType = "application/octet-stream";
    answer.headers << qMakePair(QByteArray("Accept-Ranges"), QByteArray("bytes"));
    if (request.method == "HEAD") {
        answer.contentLength = bytes.size();
        return answer;
    }
    const QPair<qint64, qint64> range = requestedRange(request);
    if (range.first < 0) {
        answer.body = bytes;
        return answer;
    }
    const qint64 last = range.second < 0 ? bytes.size() - 1 : range.second;
    answer.status = 206;
    answer.body =
        bytes.mid(static_cast<int>(range.first), static_cast<int>(last - range.first + 1));
    answer.headers << qMakePair(
        QByteArray("Content-Range"),
        QStringLiteral("bytes %1-%2/%3").arg(range.first).arg(last).arg(bytes.size()).toLatin1());
    return answer;
}

void setHeader(Answer& answer, const QByteArray& name, const QByteArray& value) {
    for (auto& header : answer.headers) {
        if (header.first == name) {
            header.second = value;
            return;
        }
    }
    answer.headers << qMakePair(name, value);
}

enum class Fault {
    None,
    NoAcceptRanges,
    NoContentLength,
    Whole200,
    OtherStart,
    OtherTotal,
    ExtraBytes,
    Head404,
    StalledPart,
    CutThrice,
    CutFourTimes,
    SingleCut,
};

// The honest server with one fault; parts are told apart by where their range starts.
ScriptedServer::Script faulty(const QByteArray& bytes, Fault fault) {
    auto cuts = std::make_shared<int>(0);
    const qint64 partSize = bytes.size() / 10;
    return [bytes, fault, cuts, partSize](const Received& request) {
        Answer answer = honest(bytes, request);
        const bool head = request.method == "HEAD";
        const qint64 from = requestedRange(request).first;
        const bool partThree = !head && from >= 3 * partSize && from < 4 * partSize;
        switch (fault) {
            case Fault::None:
                break;
            case Fault::NoAcceptRanges:
                answer.headers.clear();
                break;
            case Fault::NoContentLength:
                if (head) {
                    answer.contentLength = -2;
                }
                break;
            case Fault::Whole200:
                if (partThree) {
                    answer = honest(bytes, Received{"GET", "/", {}, {}});
                }
                break;
            case Fault::OtherStart:
                if (partThree) {
                    Received shifted = request;
                    shifted.headers["range"] = QStringLiteral("bytes=%1-%2")
                                                   .arg(from + partSize)
                                                   .arg(from + 2 * partSize - 1)
                                                   .toLatin1();
                    answer = honest(bytes, shifted);
                }
                break;
            case Fault::OtherTotal:
                if (partThree) {
                    setHeader(answer, "Content-Range",
                              QStringLiteral("bytes %1-%2/%3")
                                  .arg(from)
                                  .arg(from + partSize - 1)
                                  .arg(bytes.size() * 2)
                                  .toLatin1());
                }
                break;
            case Fault::ExtraBytes:
                if (partThree) {
                    answer.body =
                        bytes.mid(static_cast<int>(from), static_cast<int>(partSize + 50));
                }
                break;
            case Fault::Head404:
                if (head) {
                    answer = Answer{};
                    answer.status = 404;
                }
                break;
            case Fault::StalledPart:
                if (partThree && (*cuts)++ == 0) {
                    answer.stallAfter = partSize / 4;
                }
                break;
            case Fault::CutThrice:
            case Fault::CutFourTimes:
                // Cut by where the request starts: the transport may itself send a request
                // again on a fresh connection.
                if (partThree &&
                    from < 3 * partSize + (fault == Fault::CutThrice ? 3 : 4) * partSize / 10) {
                    answer.cutAfter = partSize / 10;
                }
                break;
            case Fault::SingleCut:
                if (head) {
                    answer.contentLength = -2;
                } else if ((*cuts)++ == 0) {
                    answer.cutAfter = bytes.size() / 3;
                }
                break;
        }
        return answer;
    };
}

struct Run {
    Net::DownloadResult result;
    QByteArray written;
    QList<qint64> progress;
    quint64 lastTotal = 0;
};

Run fetch(Net::IDownloader& downloader, const QUrl& url, const QString& path) {
    Run run;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        run.result.error = -1;
        return run;
    }
    run.result = downloader.download(url, {}, &file, [&run](qint64 received, quint64 total) {
        run.progress << received;
        run.lastTotal = total;
    });
    file.seek(0);
    run.written = file.readAll();
    return run;
}

bool monotonicWithin(const QList<qint64>& progress, qint64 total) {
    for (int i = 0; i < progress.size(); ++i) {
        if (progress[i] > total || (i > 0 && progress[i] < progress[i - 1])) {
            return false;
        }
    }
    return true;
}

// Every byte was either never written or is the source's byte at that offset.
bool nothingMisplaced(const QByteArray& written, const QByteArray& source) {
    for (int i = 0; i < written.size(); ++i) {
        if (written[i] != 0 && (i >= source.size() || written[i] != source[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

Q_DECLARE_METATYPE(Fault)

class DownloaderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // A stalled part must time out quickly here.
        Net::Manager::instance()->configure(QString(), 1500, true);
        QVERIFY(m_dir.isValid());
    }

    void tenRangesOfTheFile() {
        const QByteArray bytes = content(1000);
        ScriptedServer server(faulty(bytes, Fault::None));
        Net::MultiDownloader downloader;
        const Run run = fetch(downloader, server.baseUrl() + "/f", m_dir.filePath("ten"));
        QCOMPARE(run.result.error, 0);
        QCOMPARE(run.written, bytes);
        QStringList ranges;
        for (const Received& request : server.received()) {
            if (request.method == "GET") {
                ranges << QString::fromLatin1(request.headers.value("range"));
            }
        }
        ranges.sort();
        QStringList expected;
        for (int i = 0; i < 10; ++i) {
            expected << (i < 9 ? QStringLiteral("bytes=%1-%2").arg(i * 100).arg(i * 100 + 99)
                               : QStringLiteral("bytes=900-"));
        }
        expected.sort();
        QCOMPARE(ranges, expected);
    }

    void misbehavingServer_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<QString>("message");
        // Range headers of the GETs for part three, in order; "" for a GET without Range.
        QTest::addColumn<QStringList>("partThree");

        QTest::newRow("no Accept-Ranges: one GET")
            << Fault::NoAcceptRanges << qint64(1000) << 0 << true << "" << QStringList{""};
        QTest::newRow("no Content-Length: one GET")
            << Fault::NoContentLength << qint64(1000) << 0 << true << "" << QStringList{""};
        QTest::newRow("200 instead of 206")
            << Fault::Whole200 << qint64(1000) << 6 << false << "" << QStringList{"bytes=300-399"};
        QTest::newRow("other start") << Fault::OtherStart << qint64(1000) << 7 << false
                                     << "Range (reply/needed): 400/300 - 499/399, Size: 1000/1000"
                                     << QStringList{"bytes=300-399"};
        QTest::newRow("other total") << Fault::OtherTotal << qint64(1000) << 7 << false
                                     << "Range (reply/needed): 300/300 - 399/399, Size: 2000/1000"
                                     << QStringList{"bytes=300-399"};
        QTest::newRow("extra bytes")
            << Fault::ExtraBytes << qint64(1000) << 9 << false << "Size (write/part): 150/100"
            << QStringList{"bytes=300-399"};
        QTest::newRow("HEAD 404") << Fault::Head404 << qint64(1000) << 6 << false << ""
                                  << QStringList{};
        QTest::newRow("stalled part resumed")
            << Fault::StalledPart << qint64(10000) << 0 << true << ""
            << QStringList{"bytes=3000-3999", "bytes=3250-3999"};
        QTest::newRow("cut three times, resumed")
            << Fault::CutThrice << qint64(10000) << 0 << true << ""
            << QStringList{"bytes=3000-3999", "bytes=3100-3999", "bytes=3200-3999",
                           "bytes=3300-3999"};
        QTest::newRow("cut four times fails")
            << Fault::CutFourTimes << qint64(10000) << 6 << false << ""
            << QStringList{"bytes=3000-3999", "bytes=3100-3999", "bytes=3200-3999",
                           "bytes=3300-3999"};
    }

    void misbehavingServer() {
        QFETCH(Fault, fault);
        QFETCH(qint64, size);
        QFETCH(int, error);
        QFETCH(bool, exact);
        QFETCH(QString, message);
        QFETCH(QStringList, partThree);

        const QByteArray bytes = content(size);
        ScriptedServer server(faulty(bytes, fault));
        Net::MultiDownloader downloader;
        const Run run = fetch(downloader, server.baseUrl() + "/f", m_dir.filePath("faulty"));
        QVERIFY2(run.result.error == error, qPrintable(run.result.message));
        QVERIFY(!downloader.isRunning());
        if (!message.isEmpty()) {
            QCOMPARE(run.result.message, message);
        }
        if (fault == Fault::Head404) {
            QCOMPARE(run.result.response.status, 404);
        }
        if (exact) {
            QCOMPARE(run.written, bytes);
        } else {
            QVERIFY(nothingMisplaced(run.written, bytes));
        }
        QVERIFY(monotonicWithin(run.progress, size));

        QStringList seen;
        for (const Received& request : server.received()) {
            const qint64 from = requestedRange(request).first;
            const bool single = request.headers.value("range").isEmpty();
            if (request.method == "GET" &&
                (single || (from >= size * 3 / 10 && from < size * 4 / 10))) {
                seen << QString::fromLatin1(request.headers.value("range"));
            }
        }
        seen.removeDuplicates();
        QCOMPARE(seen, partThree);
    }

    void cutSingleStreamResumes() {
        const QByteArray bytes = content(5000);
        ScriptedServer server(faulty(bytes, Fault::SingleCut));
        Net::MultiDownloader downloader;
        const Run run = fetch(downloader, server.baseUrl() + "/f", m_dir.filePath("single"));
        QCOMPARE(run.result.error, 0);
        QCOMPARE(run.written, bytes);
        QVERIFY(monotonicWithin(run.progress, bytes.size()));
        QCOMPARE(server.received().last().headers.value("range"), QByteArray("bytes=1666-"));
    }

    void largerThanExpected_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<int>("error");
        QTest::newRow("ranges, announced over") << "ranges" << qint64(199999) << 9;
        QTest::newRow("one GET, announced over") << "single" << qint64(199999) << 9;
        QTest::newRow("no length, sent over") << "unannounced" << qint64(100000) << 9;
        QTest::newRow("ranges, exact") << "ranges" << qint64(200000) << 0;
        QTest::newRow("no length, exact") << "unannounced" << qint64(200000) << 0;
        QTest::newRow("no bound") << "unannounced" << qint64(-1) << 0;
    }

    void largerThanExpected() {
        QFETCH(QString, server);
        QFETCH(qint64, expected);
        QFETCH(int, error);
        const QByteArray bytes = content(200000);
        // "unannounced": no length in the HEAD or the GET, the body ends with the connection.
        ScriptedServer scripted(server == "ranges"   ? faulty(bytes, Fault::None)
                                : server == "single" ? faulty(bytes, Fault::NoAcceptRanges)
                                                     : [bytes](const Received& request) {
                                                           Answer answer = honest(bytes, request);
                                                           answer.headers.clear();
                                                           answer.contentLength = -2;
                                                           return answer;
                                                       });
        Net::MultiDownloader downloader;
        downloader.setExpectedSize(expected);
        const Run run = fetch(downloader, scripted.baseUrl() + "/f", m_dir.filePath("bounded"));
        QVERIFY2(run.result.error == error, qPrintable(run.result.message));
        if (error == 0) {
            QCOMPARE(run.written, bytes);
        } else {
            QVERIFY(run.written.size() <= expected);
            QCOMPARE(run.written, bytes.left(run.written.size()));
            QVERIFY(run.result.message.startsWith("Size (reply/expected): "));
        }
    }

    void abortDuringProbe() {
        ScriptedServer server([](const Received&) {
            Answer answer;
            answer.silent = true;
            return answer;
        });
        Net::MultiDownloader downloader;
        QFile file(m_dir.filePath("aborted"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        Net::DownloadResult result;
        result.error = -1;
        QVERIFY(downloader.downloadAsync(QUrl(server.baseUrl() + "/f"), {}, &file, {},
                                         [&result](const Net::DownloadResult& r) { result = r; }));
        QVERIFY(QTest::qWaitFor([&] { return server.received().size() == 1; }, 5000));
        downloader.abort();
        QVERIFY(QTest::qWaitFor([&] { return result.error != -1; }, 5000));
        QCOMPARE(result.error, int(Net::DownloadResult::Aborted));
        QCOMPARE(result.response.status, 0);
        QVERIFY(!downloader.isRunning());
    }

    void abortEndsAWorkersWaitAtOnce() {
        ScriptedServer server([](const Received&) {
            Answer answer;
            answer.silent = true;
            return answer;
        });
        Net::MultiDownloader downloader;
        QFile file(m_dir.filePath("worker-aborted"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QSemaphore returned;
        Net::DownloadResult result;
        result.error = -1;
        QFuture<void> future = QtConcurrent::run([&] {
            result = downloader.download(QUrl(server.baseUrl() + "/f"), {}, &file, {});
            returned.release();
        });
        QVERIFY(QTest::qWaitFor([&] { return server.received().size() == 1; }, 5000));
        downloader.abort();
        // This thread, the manager's, runs no events meanwhile.
        QVERIFY(returned.tryAcquire(1, 5000));
        QCOMPARE(result.error, int(Net::DownloadResult::Aborted));
        QCOMPARE(result.response.status, 0);
        QVERIFY(!downloader.isRunning());
        future.waitForFinished();
    }

    void refusals() {
        QFile file(m_dir.filePath("refused"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        Net::MultiDownloader multi;
        Net::SingleDownloader single;
        QCOMPARE(multi.download(QUrl(), {}, &file, {}).error, 2);
        QCOMPARE(multi.download(QUrl("http://127.0.0.1:1/f"), {}, nullptr, {}).error, 2);
        QCOMPARE(single.download(QUrl("http://127.0.0.1:1/f"), {}, nullptr, {}).error, 2);
        QCOMPARE(single.download(QUrl(), {}, &file, {}).error, 2);

        QProcess process;
        process.start(QStringLiteral("true"), QStringList());
        QVERIFY(process.waitForStarted());
        QCOMPARE(multi.download(QUrl("http://127.0.0.1:1/f"), {}, &process, {}).error, 5);
        process.waitForFinished();

        ScriptedServer server([](const Received&) {
            Answer answer;
            answer.silent = true;
            return answer;
        });
        QVERIFY(multi.downloadAsync(QUrl(server.baseUrl() + "/f"), {}, &file, {}, {}));
        QCOMPARE(multi.download(QUrl(server.baseUrl() + "/f"), {}, &file, {}).error, 1);
        QSignalSpy finished(&multi, &Net::MultiDownloader::Finished);
        multi.abort();
        QVERIFY(finished.wait(5000));
    }

    void fromTheService_data() {
        QTest::addColumn<qint64>("size");
        for (const qint64 size : {0, 1, 9, 10, 11}) {
            QTest::newRow(qPrintable(QStringLiteral("%1 bytes").arg(size))) << size;
        }
        QTest::newRow("10 MiB + 7") << qint64(10 * 1024 * 1024 + 7);
    }

    void fromTheService() {
        QFETCH(qint64, size);
        ServiceProcess service;
        QVERIFY2(service.isRunning(), qPrintable(service.error()));
        const QByteArray bytes = content(size);
        const QString name =
            QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
        QVERIFY(QDir().mkpath(service.dataDir() + "/files/packages"));
        QFile source(service.dataDir() + "/files/packages/" + name + ".zip");
        QVERIFY(source.open(QIODevice::WriteOnly) && source.write(bytes) == size);
        source.close();

        Qln::ServiceClient client(service.baseUrl(), authData());
        const std::unique_ptr<Net::MultiDownloader> downloader(client.createDownloader());
        const QUrl url(service.baseUrl() + "/files/packages/" + name + ".zip");
        // From a pool thread, the way the update pipeline downloads.
        QFuture<Run> future =
            QtConcurrent::run([&] { return fetch(*downloader, url, m_dir.filePath("service")); });
        QVERIFY(QTest::qWaitFor([&] { return future.isFinished(); }, 60000));
        const Run run = future.result();
        QCOMPARE(run.result.error, 0);
        QVERIFY(run.result.response.isSuccess());
        QCOMPARE(run.written.size(), bytes.size());
        QCOMPARE(QCryptographicHash::hash(run.written, QCryptographicHash::Sha1).toHex(),
                 name.toLatin1());
        QVERIFY(monotonicWithin(run.progress, size));
        if (size > 0) {
            QCOMPARE(run.progress.last(), size);
        }

        // Without the token the service refuses the file.
        Net::MultiDownloader anonymous;
        const Run refused = fetch(anonymous, url, m_dir.filePath("anonymous"));
        QCOMPARE(refused.result.error, 6);
        QCOMPARE(refused.result.response.status, 401);
    }

    void uploadParts() {
        ScriptedServer server([](const Received&) {
            Answer answer;
            answer.body = R"({"hashes": []})";
            return answer;
        });
        const QStringList files = writeFiles({"first.zip", "second.zip"}, 3000);
        Qln::ServiceClient client(server.baseUrl(), nullptr);
        Qln::EndpointTable table;
        table.uploadUpload = server.baseUrl() + "/upload/upload";
        client.setEndpoints(table);
        // The authorisation call fails against this server, so send without the token.
        Net::UploadMethod upload = client.uploadMethod();
        upload.paramsSetter = nullptr;
        QVERIFY(upload(files));
        const QByteArray body = server.received().last().body;
        QVERIFY(
            body.contains("Content-Disposition: form-data; name=\"files[0]\"; "
                          "filename=\"first.zip\"\r\n\r\n"));
        QVERIFY(
            body.contains("Content-Disposition: form-data; name=\"files[1]\"; "
                          "filename=\"second.zip\"\r\n\r\n"));
        QVERIFY(!body.contains("Content-Type"));
    }

    void uploadToTheService_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("stored under their content hashes") << 1024 * 1024 << true;
        QTest::newRow("over the limit stores nothing") << 4096 << false;
    }

    void uploadToTheService() {
        QFETCH(int, limit);
        QFETCH(bool, accepted);
        ServiceProcess service(QJsonObject{{"upload_limit", limit}});
        QVERIFY2(service.isRunning(), qPrintable(service.error()));
        // The service names a driver archive by the SHA-1 of its files' contents.
        QStringList files;
        QStringList hashes;
        for (const QString& name : {QStringLiteral("a"), QStringLiteral("b")}) {
            const QByteArray driver = content(3000) + name.toLatin1();
            files << m_dir.filePath(name + ".zip");
            QVERIFY(zipfiles::write(files.last().toStdString(),
                                    {{(name + ".sys").toStdString(), driver.toStdString(), true}}));
            hashes << QString::fromLatin1(
                QCryptographicHash::hash(driver, QCryptographicHash::Sha1).toHex());
        }

        Qln::ServiceClient client(service.baseUrl(), authData());
        Qln::EndpointTable table;
        table.uploadUpload = service.baseUrl() + "/upload/upload";
        client.setEndpoints(table);
        Net::UploadMethod upload = client.uploadMethod();
        const auto reply = std::make_shared<Reply>();
        QFuture<bool> future = QtConcurrent::run([&]() -> bool { return upload(files, reply); });
        QVERIFY(QTest::qWaitFor([&] { return future.isFinished(); }, 30000));
        QCOMPARE(future.result(), accepted);
        const QStringList stored = QDir(service.dataDir() + "/uploads").entryList(QDir::Files);
        if (accepted) {
            QCOMPARE(reply->hashes, hashes);
            QCOMPARE(stored.size(), 2);
            for (const QString& hash : hashes) {
                QVERIFY(stored.contains(hash));
            }
        } else {
            QCOMPARE(upload.lastResponse().status, 413);
            QCOMPARE(reply->error.code, 413);
            QVERIFY(stored.isEmpty());
        }
    }

private:
    struct Reply : Qln::OutDataWithError {
        void setData(const QVariant& data) override {
            error.setData(data);
            hashes = data.toMap().value(QStringLiteral("hashes")).toStringList();
        }
        QStringList hashes;
    };

    QStringList writeFiles(const QStringList& names, int size) {
        QStringList paths;
        for (const QString& name : names) {
            QFile file(m_dir.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write(content(size));
            paths << file.fileName();
        }
        return paths;
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(DownloaderTest)
#include "downloader_test.moc"

// The cloud upload against the real service on loopback, on driver folders made here.
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "backup/driverfilesinfo.h"
#include "backup/driverfilesstore.h"
#include "backup/hashserializer.h"
#include "backup/uploadtask.h"
#include "clienttesting.h"
#include "core/filerepository.h"
#include "hardware/scandata.h"
#include "net/serviceclient.h"
#include "net/settingsdata.h"
#include "serviceprocess.h"

using clienttesting::onWorker;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray noise(int size, quint32 seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(seed >> 16);
    }
    return bytes;
}

// The access log's count of one request line with a 200 answer.
int served(const ServiceProcess& service, const QString& request) {
    QFile log(QDir(service.dataDir()).filePath(QStringLiteral("service.log")));
    if (!log.open(QIODevice::ReadOnly)) {
        return -1;
    }
    return QString::fromUtf8(log.readAll()).count(QStringLiteral("\"%1\" 200").arg(request));
}

int checks(const ServiceProcess& service) {
    return served(service, QStringLiteral("PUT /upload/check"));
}

int uploads(const ServiceProcess& service) {
    return served(service, QStringLiteral("POST /upload/upload"));
}

}  // namespace

class UploadTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ServiceProcess> m_service;
    std::unique_ptr<Qln::ServiceClient> m_client;

    // A driver folder below the test folder: its INF and the given files.
    Flow::Shared<Hrdw::Driver> driver(const QString& name, const QMap<QString, QByteArray>& files) {
        auto made = std::make_shared<Hrdw::Driver>();
        const QString folder = m_dir.filePath(QStringLiteral("store/") + name);
        made->infName = name + QStringLiteral(".inf");
        made->infPath = folder + QLatin1Char('/') + made->infName;
        writeFile(made->infPath, "[Version]\r\nSignature=\"$Windows NT$\"\r\n; " + name.toUtf8());
        for (auto it = files.begin(); it != files.end(); ++it) {
            writeFile(folder + QLatin1Char('/') + it.key(), it.value());
        }
        return made;
    }

    QString recordsPath() const { return m_dir.filePath(QStringLiteral("backup.dat")); }

    // One run of a fresh task, as one program run makes it; false when it did not end, or was
    // aborted.
    bool run(const QVector<Flow::Shared<Hrdw::Driver>>& drivers, qint64 maxSize) {
        auto scan = std::make_shared<Qln::ScanData>();
        scan->inventory.drivers = drivers;
        Qln::UploadTask task(*m_client, {maxSize, true},
                             std::make_unique<Utils::FileRepository>(recordsPath()),
                             m_dir.filePath(QStringLiteral("Cache")));
        QSignalSpy finished(&task, &Qln::Task::finished);
        task.start(scan);
        // Counted rather than waited for: a run that fails at once may end before a wait.
        return QTest::qWaitFor([&] { return finished.count() == 1; }, 60000) &&
               !finished.at(0).at(0).toBool();
    }

    Qln::DriverFilesInfo record(const Flow::Shared<Hrdw::Driver>& driver) {
        Qln::DriverFilesStore store(std::make_unique<Utils::FileRepository>(recordsPath()));
        return store.value(driver->infPath);
    }

    bool held(const Flow::Shared<Hrdw::Driver>& driver) {
        const QString hash =
            Qln::DriverFilesInfo::ofFolder(QFileInfo(driver->infPath).path()).contentHash();
        return QFile::exists(
            QDir(m_service->dataDir()).filePath(QStringLiteral("uploads/") + hash));
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_service = std::make_unique<ServiceProcess>();
        QVERIFY2(m_service->isRunning(), qPrintable(m_service->error()));
        m_client =
            std::make_unique<Qln::ServiceClient>(m_service->baseUrl(), clienttesting::authData());
        auto settings = std::make_shared<Qln::SettingsData>();
        const Net::Response response = onWorker([&] {
            return m_client->settingsMethod().exec({}, settings, {}, {{"ppg", QString()}});
        });
        QCOMPARE(response.status, 200);
        m_client->setEndpoints(settings->endpoints);
    }

    void cleanup() {
        m_client.reset();
        m_service.reset();
    }

    void sendsChangedDriversInBatchesOnce() {
        // A damaged record file is kept aside and read as empty.
        QVERIFY(writeFile(recordsPath(), "not a data stream"));
        const QVector<Flow::Shared<Hrdw::Driver>> drivers = {
            driver("a", {{"a.sys", "alpha"}, {"a.PNF", "cache"}}),
            driver("b", {{"bin/b.sys", "beta"}, {"b(1).sys", "beta-copy"}}),
            driver("c", {{"c.dll", "gamma"}}),
        };
        QVERIFY(run(drivers, 10 << 20));
        QVERIFY(QFile::exists(recordsPath() + QStringLiteral(".bad")));
        QCOMPARE(checks(*m_service), 1);
        QCOMPARE(uploads(*m_service), 2);  // two archives, then the last one
        for (const auto& item : drivers) {
            QVERIFY2(held(item), qPrintable(item->infName));
            QVERIFY(record(item).uploaded);
        }
        QVERIFY(QDir(m_dir.filePath(QStringLiteral("Cache")))
                    .entryList(QDir::Files | QDir::NoDotAndDotDot)
                    .isEmpty());

        // Nothing changed: nothing is asked, nothing sent.
        QVERIFY(run(drivers, 10 << 20));
        QCOMPARE(checks(*m_service), 1);
        QCOMPARE(uploads(*m_service), 2);

        // A touched file makes its driver a candidate again; the service holds that content.
        QFile touched(m_dir.filePath(QStringLiteral("store/c/c.dll")));
        QVERIFY(touched.open(QIODevice::ReadWrite));
        const QDateTime later = QDateTime::currentDateTime().addSecs(3600);
        QVERIFY(touched.setFileTime(later, QFileDevice::FileModificationTime));
        touched.close();
        QVERIFY(run(drivers, 10 << 20));
        QCOMPARE(checks(*m_service), 2);
        QCOMPARE(uploads(*m_service), 2);
        const Qln::DriverFilesInfo c = record(drivers.at(2));
        QVERIFY(c.uploaded);
        QCOMPARE(c.files.value(QStringLiteral("c.dll")).toSecsSinceEpoch(),
                 later.toSecsSinceEpoch());
    }

    void keepsToTheSizeLimit() {
        const qint64 limit = 4000;
        const QVector<Flow::Shared<Hrdw::Driver>> drivers = {
            driver("big", {{"big.sys", noise(9000, 1)}}),      // above twice the limit: not packed
            driver("dense", {{"dense.sys", noise(6000, 2)}}),  // its archive reaches the limit
            driver("small", {{"small.sys", QByteArray(6000, 's')}}),  // deflates far below it
        };
        QVERIFY(run(drivers, limit));
        QCOMPARE(uploads(*m_service), 1);
        QVERIFY(!held(drivers.at(0)));
        QVERIFY(!held(drivers.at(1)));
        QVERIFY(held(drivers.at(2)));
        for (const auto& item : drivers) {
            QVERIFY2(record(item).uploaded, qPrintable(item->infName));
        }
        QVERIFY(run(drivers, limit));
        QCOMPARE(checks(*m_service), 1);
    }

    void failedCheckKeepsCandidates() {
        const auto lone = driver("lone", {{"lone.sys", "x"}});
        m_service.reset();
        QVERIFY(run({lone}, 10 << 20));
        const Qln::DriverFilesInfo stored = record(lone);
        QVERIFY(!stored.hash.isEmpty());
        QVERIFY(!stored.uploaded);
    }

    void replyHashesMatchInAnyCase() {
        Qln::HashSerializer reply;
        reply.setData(
            QVariantMap{{QStringLiteral("hashes"),
                         QStringList{QStringLiteral("ABCDEF0123456789ABCDEF0123456789ABCDEF01")}}});
        QVERIFY(reply.replyHas(QStringLiteral("abcdef0123456789abcdef0123456789abcdef01")));
        QVERIFY(!reply.replyHas(QStringLiteral("0000000000000000000000000000000000000000")));
    }
};

QTEST_GUILESS_MAIN(UploadTest)
#include "upload_test.moc"

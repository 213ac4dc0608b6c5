// Ten-part downloads against one stream (curl) and aria2c, from nginx on loopback, uncapped
// and with nginx's per-connection limit_rate, and from quillon-service against nginx.
// Needs nginx, curl and aria2c: scripts/deps.sh bench installs them.
//
//     download_bench [--size MiB] [--runs N]
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "net/manager.h"
#include "net/multidownloader.h"
#include "net/serviceclient.h"

namespace {

struct Options {
    qint64 sizeMiB = 256;
    int runs = 5;
};

QByteArray sha1Of(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) {
        return {};
    }
    return hash.result().toHex();
}

// Written in pieces, so the bench itself never holds the file.
bool writeRandomFile(const QString& path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (qint64 done = 0; done < size; done += chunk.size()) {
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(chunk.data()),
                                              chunk.size() / 4);
        const qint64 count = std::min<qint64>(chunk.size(), size - done);
        if (file.write(chunk.constData(), count) != count) {
            return false;
        }
    }
    return true;
}

int freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

double median(QList<double> values) {
    if (values.isEmpty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

class Nginx {
public:
    bool start(const QString& dir, const QString& root) {
        m_port = freePort();
        const QString config = dir + "/nginx.conf";
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly)) {
            return false;
        }
        // Root's workers would otherwise run as nobody, who cannot read the private folder.
        const QString user = ::geteuid() == 0 ? QStringLiteral("user root;\n") : QString();
        file.write(
            QStringLiteral("%1daemon off;\nworker_processes 2;\npid %2/nginx.pid;\n"
                           "error_log %2/nginx-error.log;\nevents { worker_connections 256; }\n"
                           "http {\n access_log off;\n sendfile on;\n tcp_nopush on;\n"
                           " client_body_temp_path %2/body;\n proxy_temp_path %2/proxy;\n"
                           " fastcgi_temp_path %2/fastcgi;\n uwsgi_temp_path %2/uwsgi;\n"
                           " scgi_temp_path %2/scgi;\n"
                           " server {\n  listen 127.0.0.1:%3;\n  root %4;\n"
                           "  location /capped/ { alias %4/; limit_rate 8m; }\n }\n}\n")
                .arg(user, dir)
                .arg(m_port)
                .arg(root)
                .toUtf8());
        file.close();
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("nginx"),
                        {QStringLiteral("-p"), dir, QStringLiteral("-e"),
                         dir + QStringLiteral("/nginx-error.log"), QStringLiteral("-c"), config});
        if (!m_process.waitForStarted(5000)) {
            return false;
        }
        for (int i = 0; i < 100; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(m_port));
            if (socket.waitForConnected(100)) {
                return true;
            }
            QThread::msleep(50);
        }
        return false;
    }
    ~Nginx() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            m_process.waitForFinished(5000);
        }
    }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
    }

private:
    QProcess m_process;
    int m_port = 0;
};

class Service {
public:
    bool start(const QString& dataDir) {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.setStandardErrorFile(dataDir + QStringLiteral("/../service.log"));
        m_process.start(QStringLiteral(QLN_SERVICE_DEFAULT),
                        {QStringLiteral("--data"), dataDir, QStringLiteral("--listen"),
                         QStringLiteral("127.0.0.1:0")});
        if (!m_process.waitForStarted(5000) || !m_process.waitForReadyRead(10000)) {
            return false;
        }
        m_baseUrl = QString::fromUtf8(m_process.readLine()).trimmed();
        return !m_baseUrl.isEmpty();
    }
    ~Service() {
        if (m_process.state() != QProcess::NotRunning) {
            Net::Manager::instance()->dropIdleConnections();
            m_process.terminate();
            m_process.waitForFinished(5000);
        }
    }
    QString baseUrl() const { return m_baseUrl; }

private:
    QProcess m_process;
    QString m_baseUrl;
};

struct Sample {
    bool ok = false;
    double megabytesPerSecond = 0;
};

Sample timed(qint64 size, const QString& output, const QByteArray& expectedSha1,
             const std::function<bool()>& fetch) {
    QFile::remove(output);
    QElapsedTimer timer;
    timer.start();
    Sample sample;
    sample.ok = fetch();
    const double seconds = timer.nsecsElapsed() / 1e9;
    sample.ok = sample.ok && sha1Of(output) == expectedSha1;
    sample.megabytesPerSecond = sample.ok && seconds > 0 ? size / 1e6 / seconds : 0;
    return sample;
}

bool runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool multiFetch(Net::IDownloader& downloader, const QUrl& url, const QString& output) {
    QFile file(output);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        return false;
    }
    const Net::DownloadResult result = downloader.download(url, {}, &file, {});
    if (!result.isOk()) {
        std::fprintf(stderr, "multi: error %d status %d %s\n", result.error, result.response.status,
                     qPrintable(result.message));
    }
    return result.isOk();
}

QString figures(const char* label, const QList<double>& samples) {
    QStringList each;
    for (const double value : samples) {
        each << QString::number(value, 'f', 1);
    }
    return QStringLiteral("  %1 median %2 MB/s (%3)")
        .arg(QLatin1String(label))
        .arg(median(samples), 0, 'f', 1)
        .arg(each.join(QStringLiteral(", ")));
}

long peakRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options options;
    const QStringList arguments = app.arguments();
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == QLatin1String("--size")) {
            options.sizeMiB = std::max<qint64>(1, arguments[i + 1].toLongLong());
        } else if (arguments[i] == QLatin1String("--runs")) {
            options.runs = std::max(1, arguments[i + 1].toInt());
        }
    }
    for (const char* tool : {"nginx", "curl", "aria2c"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty() &&
            QStandardPaths::findExecutable(QLatin1String(tool), {QStringLiteral("/usr/sbin")})
                .isEmpty()) {
            std::fprintf(stderr, "download_bench: %s is missing; run scripts/deps.sh bench\n",
                         tool);
            return 1;
        }
    }
    Net::Manager::instance()->configure(QString(), 10000, true);

    QTemporaryDir dir;
    const QString www = dir.filePath(QStringLiteral("www"));
    const QString serviceData = dir.filePath(QStringLiteral("service"));
    QDir().mkpath(www);
    QDir().mkpath(serviceData + QStringLiteral("/files/packages"));
    const qint64 size = options.sizeMiB * 1024 * 1024;
    const QString source = www + QStringLiteral("/file.bin");
    if (!writeRandomFile(source, size)) {
        std::fprintf(stderr, "download_bench: cannot write %s\n", qPrintable(source));
        return 1;
    }
    const QByteArray expected = sha1Of(source);
    const QString hosted = serviceData + QStringLiteral("/files/packages/") +
                           QString::fromLatin1(expected) + QStringLiteral(".zip");
    // A hard link: the service follows no link out of its hosted folder.
    if (::link(QFile::encodeName(source).constData(), QFile::encodeName(hosted).constData()) != 0 &&
        !QFile::copy(source, hosted)) {
        std::fprintf(stderr, "download_bench: cannot host the file in the service\n");
        return 1;
    }

    Nginx nginx;
    if (!nginx.start(dir.path(), www)) {
        std::fprintf(stderr, "download_bench: nginx did not start\n");
        return 1;
    }
    Service service;
    if (!service.start(serviceData)) {
        std::fprintf(stderr, "download_bench: quillon-service did not start\n");
        return 1;
    }
    const QString output = dir.filePath(QStringLiteral("out.bin"));
    std::printf("download_bench: %lld MiB of random bytes, %d runs each, loopback\n",
                static_cast<long long>(options.sizeMiB), options.runs);

    struct Figures {
        QList<double> multi;
        QList<double> curl;
        QList<double> aria2c;
    };
    bool allOk = true;
    const auto measure = [&](const QString& path) {
        Figures result;
        const QString url = nginx.url(path);
        for (int run = 0; run < options.runs; ++run) {
            Net::MultiDownloader downloader;
            const Sample multi = timed(size, output, expected,
                                       [&] { return multiFetch(downloader, QUrl(url), output); });
            const Sample curl = timed(size, output, expected, [&] {
                return runTool(QStringLiteral("curl"),
                               {QStringLiteral("-s"), QStringLiteral("-o"), output, url});
            });
            const Sample aria2c = timed(size, output, expected, [&] {
                return runTool(
                    QStringLiteral("aria2c"),
                    {QStringLiteral("-x10"), QStringLiteral("-s10"), QStringLiteral("-k1M"),
                     QStringLiteral("-q"), QStringLiteral("--allow-overwrite=true"),
                     QStringLiteral("--file-allocation=none"), QStringLiteral("-d"), dir.path(),
                     QStringLiteral("-o"), QStringLiteral("out.bin"), url});
            });
            allOk = allOk && multi.ok && curl.ok && aria2c.ok;
            result.multi << multi.megabytesPerSecond;
            result.curl << curl.megabytesPerSecond;
            result.aria2c << aria2c.megabytesPerSecond;
        }
        return result;
    };

    const Figures uncapped = measure(QStringLiteral("/file.bin"));
    std::printf("nginx, uncapped:\n%s\n%s\n%s\n", qPrintable(figures("multi ", uncapped.multi)),
                qPrintable(figures("curl  ", uncapped.curl)),
                qPrintable(figures("aria2c", uncapped.aria2c)));
    std::fflush(stdout);
    const Figures capped = measure(QStringLiteral("/capped/file.bin"));
    std::printf("nginx, limit_rate 8m per connection:\n%s\n%s\n%s\n",
                qPrintable(figures("multi ", capped.multi)),
                qPrintable(figures("curl  ", capped.curl)),
                qPrintable(figures("aria2c", capped.aria2c)));
    std::fflush(stdout);

    Qln::ServiceClient client(service.baseUrl(), [] {
        auto data = std::make_shared<Qln::AuthData>();
        data->version = QStringLiteral("1.2.0.2134");
        data->os = QStringLiteral("10.0");
        data->is64 = true;
        data->appid = QStringLiteral("{6c5b3f1e-0000-4000-8000-0000000000b0}");
        data->hwid = QStringLiteral("a7fd2405fcc8a90a6c52f76e91d898b0");
        return data;
    }());
    QList<double> fromService;
    const QUrl serviceUrl(service.baseUrl() + QStringLiteral("/files/packages/") +
                          QString::fromLatin1(expected) + QStringLiteral(".zip"));
    for (int run = 0; run < options.runs; ++run) {
        const std::unique_ptr<Net::MultiDownloader> downloader(client.createDownloader());
        const Sample sample = timed(size, output, expected,
                                    [&] { return multiFetch(*downloader, serviceUrl, output); });
        allOk = allOk && sample.ok;
        fromService << sample.megabytesPerSecond;
    }
    std::printf("quillon-service, uncapped:\n%s\n  against nginx: %.2f\n",
                qPrintable(figures("multi ", fromService)),
                median(uncapped.multi) > 0 ? median(fromService) / median(uncapped.multi) : 0.0);
    if (!allOk) {
        std::printf("some runs failed or gave other bytes (counted as 0 MB/s)\n");
    }

    const auto ratio = [](const QList<double>& a, const QList<double>& b) {
        return median(b) > 0 ? median(a) / median(b) : 0.0;
    };
    std::printf(
        "download: multi/curl uncapped %.2f, capped %.2f; multi/aria2c uncapped %.2f; "
        "peak RSS %ld MiB\n",
        ratio(uncapped.multi, uncapped.curl), ratio(capped.multi, capped.curl),
        ratio(uncapped.multi, uncapped.aria2c), peakRssMiB());
    return allOk ? 0 : 1;
}

#include "serviceprocess.h"

#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>

#include "net/manager.h"

#include <cstdio>
#include <cstdlib>

QString ServiceProcess::program() {
    return qEnvironmentVariable("QUILLON_SERVICE");
}

QStringList ServiceProcess::storeArguments() {
    if (qEnvironmentVariable("QLN_SERVICE_BACKEND") != QLatin1String("postgresql")) {
        return {};
    }
    const QString admin = qEnvironmentVariable("QLN_SERVICE_PG");
    if (admin.isEmpty()) {
        std::printf("skipped: QLN_SERVICE_PG names no PostgreSQL server\n");
        std::exit(77);
    }
    const QString name = QStringLiteral("quillon_") +
                         QString::fromLatin1(QCryptographicHash::hash(m_data.path().toUtf8(),
                                                                      QCryptographicHash::Sha1)
                                                 .toHex()
                                                 .left(16));
    QProcess create;
    create.start(QStringLiteral("psql"), {QStringLiteral("-q"), admin, QStringLiteral("-c"),
                                          QStringLiteral("CREATE DATABASE ") + name});
    if (!create.waitForFinished(30000) || create.exitCode() != 0) {
        m_error = QStringLiteral("cannot create the database ") + name;
        return {};
    }
    return {QStringLiteral("--store"), admin.left(admin.lastIndexOf(QLatin1Char('/')) + 1) + name};
}

ServiceProcess::ServiceProcess(const QJsonObject& config, const QStringList& extraArguments,
                               const QMap<QString, QByteArray>& files) {
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QString path = m_data.filePath(it.key());
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size()) {
            m_error = QStringLiteral("cannot write ") + path;
            return;
        }
    }
    QStringList arguments{QStringLiteral("--data"), m_data.path(), QStringLiteral("--listen"),
                          QStringLiteral("127.0.0.1:0"), QStringLiteral("--test-hooks")};
    if (!config.isEmpty()) {
        const QString path = m_data.filePath(QStringLiteral("config.json"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(config).toJson()) < 0) {
            m_error = QStringLiteral("cannot write ") + path;
            return;
        }
        arguments << QStringLiteral("--config") << path;
    }
    arguments << extraArguments << storeArguments();
    if (!m_error.isEmpty()) {
        return;
    }
    // The access log goes to a file, so a full pipe never stalls the service.
    const QString log = m_data.filePath(QStringLiteral("service.log"));
    m_process.setStandardErrorFile(log);
    m_process.start(program(), arguments);
    if (!m_process.waitForStarted(10000)) {
        m_error = QStringLiteral("cannot start ") + program();
        return;
    }
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(10000)) {
            QFile file(log);
            m_error = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                                     : QStringLiteral("no base URL");
            return;
        }
    }
    m_baseUrl = QString::fromUtf8(m_process.readLine()).trimmed();
}

ServiceProcess::~ServiceProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        Net::Manager::instance()->dropIdleConnections();
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
}

QVariantMap ServiceProcess::hook(const QString& path) const {
    // Apart from the layer under test, and trusting the test's own certificate.
    QNetworkAccessManager access;
    QNetworkReply* reply = access.get(QNetworkRequest(QUrl(m_baseUrl + path)));
    QObject::connect(reply, &QNetworkReply::sslErrors, reply,
                     [reply](const QList<QSslError>& errors) { reply->ignoreSslErrors(errors); });
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    const QVariantMap answer = QJsonDocument::fromJson(reply->readAll()).toVariant().toMap();
    delete reply;
    return answer;
}

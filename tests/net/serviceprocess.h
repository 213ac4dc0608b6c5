#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

// The reference service on loopback, with a fresh data folder, for one test.
class ServiceProcess {
public:
    // `files` are written into the data folder (relative path -> content) before the start.
    explicit ServiceProcess(const QJsonObject& config = {}, const QStringList& extraArguments = {},
                            const QMap<QString, QByteArray>& files = {});
    ~ServiceProcess();
    ServiceProcess(const ServiceProcess&) = delete;
    ServiceProcess& operator=(const ServiceProcess&) = delete;

    bool isRunning() const { return !m_baseUrl.isEmpty(); }
    QString baseUrl() const { return m_baseUrl; }
    QString error() const { return m_error; }
    QString dataDir() const { return m_data.path(); }

    // A test hook's JSON answer, read from the test's own thread.
    QVariantMap hook(const QString& path) const;

    static QString program();

private:
    // "--store URL" for a database of this data folder's own when QLN_SERVICE_BACKEND is
    // postgresql (on the server QLN_SERVICE_PG names), else nothing.
    QStringList storeArguments();

    QTemporaryDir m_data;
    QProcess m_process;
    QString m_baseUrl;
    QString m_error;
};

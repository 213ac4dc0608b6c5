#pragma once

#include <QFile>
#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>

#include "net/appupdateinfo.h"
#include "net/downloadresult.h"
#include "net/idownloader.h"

namespace Qln {

// Downloads the program's newer setup into the temporary folder, checks it against the offer
// and starts it, so that it can replace the running program.
class AppUpdateTask : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(bool critical READ critical CONSTANT)
    Q_PROPERTY(int fileSize READ fileSize CONSTANT)
    Q_PROPERTY(int downSize READ downSize NOTIFY progressChanged)
    Q_PROPERTY(int percent READ percent NOTIFY progressChanged)

public:
    AppUpdateTask(const AppUpdateInfo& offer, const QUrl& url,
                  std::unique_ptr<Net::IDownloader> downloader, QObject* parent = nullptr);
    ~AppUpdateTask() override;

    QString version() const { return m_offer.version.toString(); }
    bool critical() const { return m_offer.force; }
    int fileSize() const { return static_cast<int>(m_offer.fileSize / 1024); }
    int downSize() const { return static_cast<int>(m_downloaded / 1024); }
    int percent() const { return percentOf(m_downloaded, m_offer.fileSize); }
    // 0 for an offer without a size, never above 100.
    static int percentOf(qint64 downloaded, qint64 fileSize);

    // Where the setup is written: the offer's bare file name inside the temporary folder.
    QString outputPath() const;
    static QString safeFileName(const QString& offered);

    bool isRunning() const;
    void start();
    void abort();

signals:
    void progressChanged();
    void downloadError();
    void close();

private:
    void finished(const Net::DownloadResult& result);
    // Empty when the file is the offered one, else why it is not.
    QString verify() const;

    AppUpdateInfo m_offer;
    QUrl m_url;
    std::unique_ptr<Net::IDownloader> m_downloader;
    std::unique_ptr<QFile> m_file;
    qint64 m_downloaded = 0;
};

}  // namespace Qln

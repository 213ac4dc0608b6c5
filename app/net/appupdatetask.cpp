#include "net/appupdatetask.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "base/logcategories.h"
#include "formats/sha1.h"
#include "net/headers.h"
#include "platform/systemactions.h"

namespace Qln {

namespace {

// Used when the offered name is no plain file name: the service must not choose our folder.
const QString kFallbackName = QStringLiteral("QuillonProSetup.exe");

QString fileSha1(QFile& file) {
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    formats::Sha1 hash;
    QByteArray chunk;
    while (!(chunk = file.read(1 << 20)).isEmpty()) {
        hash.add(chunk.constData(), static_cast<size_t>(chunk.size()));
    }
    const bool readFailed = file.error() != QFileDevice::NoError;
    file.close();
    return readFailed ? QString() : QString::fromStdString(hash.hexDigest(false));
}

}  // namespace

AppUpdateTask::AppUpdateTask(const AppUpdateInfo& offer, const QUrl& url,
                             std::unique_ptr<Net::IDownloader> downloader, QObject* parent)
    : QObject(parent), m_offer(offer), m_url(url), m_downloader(std::move(downloader)) {}

AppUpdateTask::~AppUpdateTask() {
    if (m_downloader) {
        m_downloader->abort();
    }
}

int AppUpdateTask::percentOf(qint64 downloaded, qint64 fileSize) {
    if (fileSize <= 0) {
        return 0;
    }
    const float share = static_cast<float>(downloaded) / static_cast<float>(fileSize);
    return qBound(0, static_cast<int>(share * 100.0f), 100);
}

QString AppUpdateTask::safeFileName(const QString& offered) {
    QString name = offered;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = name.section(QLatin1Char('/'), -1);
    const bool plain = !name.isEmpty() && name != QLatin1String(".") &&
                       name != QLatin1String("..") && !name.contains(QLatin1Char(':')) &&
                       !name.contains(QChar(0));
    return plain ? name : kFallbackName;
}

QString AppUpdateTask::outputPath() const {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
        .filePath(safeFileName(m_offer.fileName));
}

bool AppUpdateTask::isRunning() const {
    return m_downloader && m_downloader->isRunning();
}

void AppUpdateTask::start() {
    if (!m_downloader || isRunning()) {
        return;
    }
    m_file = std::make_unique<QFile>(outputPath());
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qCWarning(lcNet).noquote()
            << "App update file not created:" << m_file->fileName() << m_file->errorString();
        m_file.reset();
        emit downloadError();
        return;
    }
    m_downloaded = 0;
    Net::Headers headers;
    headers.set(Net::KnownHeader::UserAgent, QStringLiteral("QuillonPro/1.2.0.2134"));
    // More than the offer's size can never verify; it is not let onto the disk at all.
    m_downloader->setExpectedSize(m_offer.fileSize);
    const bool started = m_downloader->downloadAsync(
        m_url, headers, m_file.get(),
        [this](qint64 received, quint64) {
            m_downloaded = received;
            emit progressChanged();
        },
        [this](const Net::DownloadResult& result) { finished(result); });
    if (!started) {
        qCWarning(lcNet).noquote() << "App update download not started:" << m_url.toString();
        m_file->close();
        m_file->remove();
        m_file.reset();
        emit downloadError();
    }
}

void AppUpdateTask::abort() {
    if (m_downloader) {
        m_downloader->abort();
    }
}

QString AppUpdateTask::verify() const {
    QFile file(m_file->fileName());
    if (file.size() != m_offer.fileSize) {
        return QStringLiteral("size %1 instead of %2").arg(file.size()).arg(m_offer.fileSize);
    }
    const QString digest = fileSha1(file);
    if (digest.isEmpty() || digest.compare(m_offer.hashSha1, Qt::CaseInsensitive) != 0) {
        return QStringLiteral("SHA-1 %1 instead of %2").arg(digest, m_offer.hashSha1);
    }
    return {};
}

void AppUpdateTask::finished(const Net::DownloadResult& result) {
    if (!m_file) {
        return;
    }
    // Every byte must be on disk before the file is checked or started.
    const bool flushed = m_file->flush();
    m_file->close();
    const bool success = result.error == 0 && result.response.isSuccess() && flushed;
    if (!success) {
        qCWarning(lcNet).noquote()
            << "App update download error (http/app/message):" << result.response.status
            << result.error << result.message;
        m_file->remove();
        m_file.reset();
        emit downloadError();
        return;
    }
    const QString fault = verify();
    if (!fault.isEmpty()) {
        qCWarning(lcNet).noquote() << "App update refused:" << m_file->fileName() << fault;
        m_file->remove();
        m_file.reset();
        emit downloadError();
        return;
    }
    m_downloaded = m_offer.fileSize;
    emit progressChanged();
    // Only a verified setup gets here; on Linux it is run as the program it stands for.
    m_file->setPermissions(m_file->permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    std::string error;
    if (!platform::openPath(QDir::toNativeSeparators(m_file->fileName()).toStdString(), {},
                            error)) {
        // Leaving the program now would leave the user with neither version running.
        qCWarning(lcNet).noquote() << "App update setup not started:" << m_file->fileName()
                                   << QString::fromStdString(error);
        emit downloadError();
        return;
    }
    emit close();
}

}  // namespace Qln

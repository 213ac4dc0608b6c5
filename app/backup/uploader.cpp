#include "backup/uploader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "backup/driverfilesstore.h"
#include "backup/driverpackage.h"
#include "backup/hashserializer.h"
#include "backup/uploadmodel.h"
#include "base/logcategories.h"

namespace Qln {

struct Uploader::Batch {
    QList<int> items;
    QStringList archives;
    qint64 total = 0;
};

Uploader::Uploader(Flow::Shared<UploadModel> model, Flow::Shared<DriverFilesStore> store,
                   const Net::UploadMethod& upload, qint64 maxSize, const QString& cacheFolder)
    : Flow::Worker(100),
      m_model(std::move(model)),
      m_store(std::move(store)),
      m_upload(upload),
      m_maxSize(maxSize),
      m_cacheFolder(cacheFolder) {}

void Uploader::markUploaded(int index) {
    UploadModel::Item& item = m_model->prepared[index];
    item.info.uploaded = true;
    m_store->setValue(item.driver->infPath, item.info);
}

void Uploader::send(Batch& batch) {
    auto reply = std::make_shared<HashSerializer>();
    if (m_upload(batch.archives, reply)) {
        for (int index : batch.items) {
            if (reply->replyHas(m_model->prepared.at(index).info.hash)) {
                markUploaded(index);
            }
        }
    }
    for (const QString& archive : batch.archives) {
        QFile::remove(archive);
    }
    batch = Batch();
}

bool Uploader::work(Flow::Shared<QObject>&) {
    const QString title = QStringLiteral("Download drivers");
    setMessage(title);
    QList<int> wanted;
    for (int i = 0; i < m_model->prepared.size(); ++i) {
        if (m_model->wanted.contains(m_model->prepared.at(i).info.hash.toLower())) {
            wanted.append(i);
        } else {
            markUploaded(i);
        }
    }
    if (!wanted.isEmpty() && !QDir().mkpath(m_cacheFolder)) {
        qCWarning(lcBackup).noquote() << "Cache folder not created:" << m_cacheFolder;
        return false;
    }
    Batch batch;
    for (int n = 0; n < wanted.size() && !isAborted(); ++n) {
        progress(100 * n / wanted.size(), title);
        const int index = wanted.at(n);
        const UploadModel::Item& item = m_model->prepared.at(index);
        // Too big to ever go: marked, so that it is not hashed and offered on every run.
        if (item.info.size > 2 * m_maxSize) {
            markUploaded(index);
            continue;
        }
        DriverPackage package = DriverPackage::ofInstalledDriver(*item.driver);
        // Two folders holding the same INF pack under one name: the first goes out first.
        if (batch.archives.contains(QDir(m_cacheFolder).filePath(package.id + ".zip"))) {
            send(batch);
        }
        QString error;
        if (!package.pack(m_cacheFolder, &error, abortFlag())) {
            qCWarning(lcBackup).noquote() << "Upload pack failed:" << error;
            continue;
        }
        const qint64 size = QFileInfo(package.path).size();
        if (size >= m_maxSize) {
            QFile::remove(package.path);
            markUploaded(index);
            continue;
        }
        batch.items.append(index);
        batch.archives.append(package.path);
        batch.total += size;
        if (batch.archives.size() >= kBatchArchives || batch.total >= kBatchBytes) {
            send(batch);
        }
    }
    if (!batch.archives.isEmpty()) {
        if (isAborted()) {
            for (const QString& archive : batch.archives) {
                QFile::remove(archive);
            }
        } else {
            send(batch);
        }
    }
    progress(100, title);
    return !isAborted();
}

void Uploader::abort() {
    m_upload.abort();
    Flow::Worker::abort();
}

}  // namespace Qln

#pragma once

#include <QString>

#include "base/worker.h"
#include "net/uploadmethod.h"

namespace Qln {

class DriverFilesStore;
struct UploadModel;

// The last upload step: packs the wanted drivers and sends them in small batches within the
// service's size limit, marking what the service accepted.
class Uploader : public Flow::Worker {
public:
    // A batch goes out once it holds this many archives or bytes.
    static constexpr int kBatchArchives = 2;
    static constexpr qint64 kBatchBytes = 4194304;

    Uploader(Flow::Shared<UploadModel> model, Flow::Shared<DriverFilesStore> store,
             const Net::UploadMethod& upload, qint64 maxSize, const QString& cacheFolder);

    bool work(Flow::Shared<QObject>& data) override;
    void abort() override;

private:
    struct Batch;
    void markUploaded(int index);
    void send(Batch& batch);

    Flow::Shared<UploadModel> m_model;
    Flow::Shared<DriverFilesStore> m_store;
    Net::UploadMethod m_upload;
    qint64 m_maxSize;
    QString m_cacheFolder;
};

}  // namespace Qln

#include "backup/uploadtask.h"

#include "backup/checker.h"
#include "backup/driverfilesstore.h"
#include "backup/preparation.h"
#include "backup/uploader.h"
#include "backup/uploadmodel.h"
#include "base/logcategories.h"
#include "net/serviceclient.h"

namespace Qln {

UploadTask::UploadTask(const ServiceClient& client, const SettingsData::UserDrivers& userDrivers,
                       std::unique_ptr<Utils::IRepository> records, const QString& cacheFolder,
                       QObject* parent)
    : Task(parent), m_store(std::make_shared<DriverFilesStore>(std::move(records))) {
    auto model = std::make_shared<UploadModel>();
    chain().add(std::make_shared<Preparation>(model, m_store));
    chain().add(std::make_shared<Checker>(model, client.uploadCheckMethod()));
    chain().add(std::make_shared<Uploader>(model, m_store, client.uploadMethod(),
                                           userDrivers.maxSize, cacheFolder));
}

UploadTask::~UploadTask() {
    release();
    m_store->save();
}

void UploadTask::onChainFinished() {
    // Saved now rather than at the program's end: a crash later loses nothing of this run.
    m_store->save();
    qCInfo(lcBackup) << "Upload finished";
}

}  // namespace Qln

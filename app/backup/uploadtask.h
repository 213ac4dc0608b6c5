#pragma once

#include <QString>
#include <memory>

#include "base/irepository.h"
#include "base/task.h"
#include "net/settingsdata.h"

namespace Qln {

class DriverFilesStore;
class ServiceClient;

// The cloud upload of the machine's changed drivers, run once after the first completed
// scan: Preparation, Checker, Uploader. Started with the scan's ScanData.
class UploadTask : public Task {
    Q_OBJECT

public:
    // records is "backup.dat"; archives are packed into cacheFolder.
    UploadTask(const ServiceClient& client, const SettingsData::UserDrivers& userDrivers,
               std::unique_ptr<Utils::IRepository> records, const QString& cacheFolder,
               QObject* parent = nullptr);
    ~UploadTask() override;

protected:
    void onChainFinished() override;

private:
    Flow::Shared<DriverFilesStore> m_store;
};

}  // namespace Qln

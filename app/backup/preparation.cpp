#include "backup/preparation.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "backup/driverfilesstore.h"
#include "backup/uploadmodel.h"
#include "hardware/scandata.h"

namespace Qln {

Preparation::Preparation(Flow::Shared<UploadModel> model, Flow::Shared<DriverFilesStore> store)
    : Flow::Worker(100), m_model(std::move(model)), m_store(std::move(store)) {}

bool Preparation::work(Flow::Shared<QObject>& data) {
    const auto scan = std::dynamic_pointer_cast<ScanData>(data);
    m_model->scan = scan;
    m_model->prepared.clear();
    m_model->wanted.clear();
    if (!scan) {
        return false;
    }
    const QString title = QStringLiteral("Preparation for upload");
    setMessage(title);
    const auto& drivers = scan->inventory.drivers;
    for (int i = 0; i < drivers.size(); ++i) {
        if (isAborted()) {
            return false;
        }
        progress(100 * i / drivers.size(), title);
        const Flow::Shared<Hrdw::Driver>& driver = drivers.at(i);
        if (driver->infPath.isEmpty()) {
            continue;
        }
        DriverFilesInfo current = DriverFilesInfo::ofFolder(QFileInfo(driver->infPath).path());
        const DriverFilesInfo stored = m_store->value(driver->infPath);
        if (stored.uploaded && current.sameFiles(stored)) {
            continue;
        }
        current.hash = current.contentHash(abortFlag());
        if (current.hash.isEmpty()) {
            continue;
        }
        current.uploaded = false;
        m_store->setValue(driver->infPath, current);
        m_model->prepared.append({driver, current});
    }
    progress(100, title);
    return !isAborted();
}

}  // namespace Qln

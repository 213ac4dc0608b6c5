#include "backup/driverfilesstore.h"

#include "base/logcategories.h"

namespace Qln {

namespace {

const QString kInfoKey = QStringLiteral("info");

}  // namespace

DriverFilesStore::DriverFilesStore(std::unique_ptr<Utils::IRepository> repository)
    : m_repository(std::move(repository)) {
    DriverFilesInfo::registerType();
}

void DriverFilesStore::loadLocked() {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    if (m_repository) {
        m_map = m_repository->value(kInfoKey, QVariantMap()).toMap();
    }
}

DriverFilesInfo DriverFilesStore::value(const QString& infPath) {
    std::lock_guard<std::mutex> lock(m_mutex);
    loadLocked();
    const QVariant stored = m_map.value(infPath);
    // Anything else under the key is not a record of ours: the driver counts as never seen.
    return stored.userType() == qMetaTypeId<DriverFilesInfo>() ? stored.value<DriverFilesInfo>()
                                                               : DriverFilesInfo();
}

void DriverFilesStore::setValue(const QString& infPath, const DriverFilesInfo& info) {
    std::lock_guard<std::mutex> lock(m_mutex);
    loadLocked();
    m_map.insert(infPath, QVariant::fromValue(info));
    m_changed = true;
}

bool DriverFilesStore::save() {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_changed || !m_repository) {
        return true;
    }
    if (!m_repository->setValue(kInfoKey, m_map) || !m_repository->sync()) {
        qCWarning(lcBackup).noquote() << "Upload records not saved";
        return false;
    }
    m_changed = false;
    return true;
}

}  // namespace Qln

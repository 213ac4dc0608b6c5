#pragma once

#include <QString>
#include <QVariantMap>
#include <memory>
#include <mutex>

#include "backup/driverfilesinfo.h"
#include "base/irepository.h"

namespace Qln {

// The cloud upload's record of every driver it has seen ("backup.dat", key "info": INF path
// to DriverFilesInfo). Read on first use; written back by save().
class DriverFilesStore {
public:
    explicit DriverFilesStore(std::unique_ptr<Utils::IRepository> repository);

    // The stored record of the INF path; an empty one when there is none.
    DriverFilesInfo value(const QString& infPath);
    void setValue(const QString& infPath, const DriverFilesInfo& info);
    // Writes the map back when it changed; false when the file refused it.
    bool save();

private:
    void loadLocked();

    std::mutex m_mutex;
    std::unique_ptr<Utils::IRepository> m_repository;
    QVariantMap m_map;
    bool m_loaded = false;
    bool m_changed = false;
};

}  // namespace Qln

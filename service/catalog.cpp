#include "catalog.h"

#include "servicestore.h"

namespace Service {

bool Catalog::open(std::string& error) {
    return current(error) != nullptr;
}

std::shared_ptr<const CatalogSnapshot> Catalog::current(std::string& error) {
    std::int64_t version = 0;
    if (!store_.catalogVersion(version, error)) {
        return nullptr;
    }
    std::shared_ptr<const CatalogSnapshot> held;
    {
        std::lock_guard<std::mutex> lock(snapshotMutex_);
        held = snapshot_;
    }
    if (held != nullptr && held->version() == version) {
        return held;
    }
    // Whoever sees a new version first loads it; searches meanwhile keep the last one.
    std::unique_lock<std::mutex> loading(loadMutex_, std::try_to_lock);
    if (!loading.owns_lock()) {
        if (held != nullptr) {
            return held;
        }
        loading.lock();
    }
    {
        std::lock_guard<std::mutex> lock(snapshotMutex_);
        if (snapshot_ != nullptr && snapshot_->version() >= version) {
            return snapshot_;
        }
    }
    std::shared_ptr<CatalogSnapshot> loaded;
    if (!store_.loadCatalog(loaded, error)) {
        return held;
    }
    std::lock_guard<std::mutex> lock(snapshotMutex_);
    snapshot_ = loaded;
    return snapshot_;
}

Catalog::Found Catalog::find(const std::vector<SearchDevice>& devices,
                             const CatalogRanking::Platform& platform,
                             std::vector<DeviceOffers>& result, std::size_t& matches,
                             std::string& error) {
    const std::shared_ptr<const CatalogSnapshot> snapshot = current(error);
    if (snapshot == nullptr) {
        return Found::Failed;
    }
    return snapshot->find(devices, platform, result, matches) ? Found::Ok : Found::TooMuchWork;
}

}  // namespace Service

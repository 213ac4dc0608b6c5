#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "catalogranking.h"
#include "catalogrequest.h"
#include "catalogsnapshot.h"

namespace Service {

class ServiceStore;

// The driver catalogue as this instance serves it: the snapshot of the store's newest
// catalogue version, searched the way Windows picks drivers for a device.
class Catalog {
public:
    using Offer = CatalogSnapshot::Offer;
    using DeviceOffers = CatalogSnapshot::DeviceOffers;
    enum class Found { Ok, TooMuchWork, Failed };

    explicit Catalog(ServiceStore& store) : store_(store) {}
    Catalog(const Catalog&) = delete;
    Catalog& operator=(const Catalog&) = delete;

    // Loads the current catalogue.
    bool open(std::string& error);

    // Offers for each device that has any, in device order, from the newest catalogue;
    // TooMuchWork with the count in matches past CatalogSnapshot::kMaxMatches.
    Found find(const std::vector<SearchDevice>& devices, const CatalogRanking::Platform& platform,
               std::vector<DeviceOffers>& result, std::size_t& matches, std::string& error);

private:
    // The snapshot for the stored catalogue version, loaded when that version is new.
    std::shared_ptr<const CatalogSnapshot> current(std::string& error);

    ServiceStore& store_;
    // One loader at a time; searches meanwhile keep the snapshot they have.
    std::mutex loadMutex_;
    std::mutex snapshotMutex_;
    std::shared_ptr<const CatalogSnapshot> snapshot_;
};

}  // namespace Service

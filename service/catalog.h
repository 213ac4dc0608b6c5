#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "catalogranking.h"
#include "catalogrequest.h"
#include "catalogsnapshot.h"

struct sqlite3;

namespace Service {

class SqliteStatement;

// The driver catalogue in the service's database: what the indexer stored, searched the way
// Windows picks drivers for a device, and the record of every search.
class Catalog {
public:
    using Offer = CatalogSnapshot::Offer;
    using DeviceOffers = CatalogSnapshot::DeviceOffers;
    enum class Found { Ok, TooMuchWork, Failed };

    Catalog();
    ~Catalog();
    Catalog(const Catalog&) = delete;
    Catalog& operator=(const Catalog&) = delete;

    // Opens (and if need be creates) the catalogue tables in the database at path and loads
    // the current catalogue.
    bool open(const std::string& path, std::string& error);
    void close();

    static bool createSchema(sqlite3* db, std::string& error);
    // Marks a finished index run, so that every instance loads the catalogue again.
    static bool bumpVersion(sqlite3* db, std::string& error);

    // The "arch" and "os" of the installation's last authorisation; found false when unknown.
    bool installation(const std::string& appid, std::string& arch, std::string& os, bool& found,
                      std::string& error);
    bool recordScan(const std::string& appid, std::int64_t now, std::size_t deviceCount,
                    std::int64_t& scanId, std::string& error);
    // Offers for each device that has any, in device order, from the newest catalogue;
    // TooMuchWork with the count in matches past CatalogSnapshot::kMaxMatches.
    Found find(const std::vector<SearchDevice>& devices, const CatalogRanking::Platform& platform,
               std::vector<DeviceOffers>& result, std::size_t& matches, std::string& error);

private:
    struct Statements;

    // The snapshot for the stored catalogue version, loaded when that version is new.
    std::shared_ptr<const CatalogSnapshot> current(std::string& error);
    bool load(std::int64_t version, std::shared_ptr<const CatalogSnapshot>& snapshot,
              std::string& error);

    // Guards the connection and its statements; searches run outside it.
    std::mutex mutex_;
    sqlite3* db_ = nullptr;
    std::string path_;
    std::unique_ptr<Statements> statements_;
    // One loader at a time; searches meanwhile keep the snapshot they have.
    std::mutex loadMutex_;
    std::mutex snapshotMutex_;
    std::shared_ptr<const CatalogSnapshot> snapshot_;
};

}  // namespace Service

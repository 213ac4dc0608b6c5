#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "catalogranking.h"
#include "catalogrequest.h"

struct sqlite3;

namespace Service {

class SqliteStatement;

// The driver catalogue in the service's database: what the indexer stored, searched the way
// Windows picks drivers for a device, and the record of every search.
class Catalog {
public:
    struct Offer {
        std::int64_t infId = 0;
        std::string hid;  // the device's id that matched
        std::uint32_t rank = 0;
        std::string infPath;
        std::string infSha1;
        std::string className;
        std::string provider;
        std::string date;  // "yyyy-mm-dd"
        std::string version;
        std::string packageSha1;
        std::int64_t packageSize = 0;
    };
    struct DeviceOffers {
        std::size_t deviceIndex = 0;
        std::vector<Offer> offers;  // best first
    };

    static constexpr std::size_t kMaxOffers = 3;

    Catalog();
    ~Catalog();
    Catalog(const Catalog&) = delete;
    Catalog& operator=(const Catalog&) = delete;

    // Opens (and if need be creates) the catalogue tables in the database at path.
    bool open(const std::string& path, std::string& error);
    void close();

    static bool createSchema(sqlite3* db, std::string& error);

    // The "arch" and "os" of the installation's last authorisation; found false when unknown.
    bool installation(const std::string& appid, std::string& arch, std::string& os, bool& found,
                      std::string& error);
    bool recordScan(const std::string& appid, std::int64_t now, std::size_t deviceCount,
                    std::int64_t& scanId, std::string& error);
    // Offers for each device that has any, in device order.
    bool find(const std::vector<SearchDevice>& devices, const CatalogRanking::Platform& platform,
              std::vector<DeviceOffers>& result, std::string& error);

private:
    struct Statements;

    std::mutex mutex_;
    sqlite3* db_ = nullptr;
    std::unique_ptr<Statements> statements_;
};

}  // namespace Service

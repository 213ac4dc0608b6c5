#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "database.h"

namespace Service {

struct AuthRecord;
struct CatalogPackage;
class CatalogSnapshot;

// Every table of the service behind one class, on SQLite (a file in the data folder, the
// embedded default) or PostgreSQL (shared by any number of instances): installations, the
// token signing key, analytics hits, scans and the driver catalogue. The schema is brought up
// to date at open by numbered migrations, each recorded with its checksum.
class ServiceStore {
public:
    struct SettingsFetch {
        std::string appid;
        std::string ppg;
        std::int64_t at = 0;
    };
    struct IndexedPackage {
        std::int64_t id = 0;
        std::string sha1;
        std::string path;
        std::int64_t size = 0;
    };
    // What a client says after installing an offered driver.
    struct InstallReport {
        std::int64_t scanId = 0;
        std::string infSha1;  // lower case
        std::string appid;
        std::int64_t errorCode = 0;
        std::int64_t systemErrorCode = 0;
        std::int64_t receivedAt = 0;
    };
    enum class ReportOutcome { Stored, UnknownScan, Failed };
    // Per driver, as `quillon-service report` prints it.
    struct DriverSummary {
        std::string infSha1;
        std::string infPath;  // from the catalogue, empty when no longer indexed
        std::int64_t installs = 0;
        std::int64_t failures = 0;
        // (errorCode, systemErrorCode) and how often, most frequent first.
        struct Code {
            std::int64_t errorCode = 0;
            std::int64_t systemErrorCode = 0;
            std::int64_t count = 0;
        };
        std::vector<Code> topCodes;
    };
    static constexpr std::size_t kTopCodes = 3;
    static constexpr std::size_t kDefaultConnections = 16;
    struct UploadTotals {
        std::int64_t archives = 0;
        std::int64_t bytes = 0;
        std::int64_t installations = 0;
        std::int64_t holdings = 0;
    };

    struct Migration {
        int number;
        const char* name;
        const char* sql;  // as SQLite reads it; Database::translate makes PostgreSQL's
    };

    ServiceStore() = default;
    ~ServiceStore();
    ServiceStore(const ServiceStore&) = delete;
    ServiceStore& operator=(const ServiceStore&) = delete;

    // location: a SQLite file, or a postgresql:// URL. Runs the migrations still missing under
    // a lock, refusing a store whose applied migrations differ from this program's. Every
    // error names the store.
    // connections: the most a PostgreSQL store opens at once.
    bool open(const std::string& location, std::string& error,
              std::size_t connections = kDefaultConnections);
    void close();
    bool shared() const { return Database::isPostgresql(location_); }
    const std::string& location() const { return location_; }

    static const std::vector<Migration>& migrations();

    bool recordInstallation(const AuthRecord& record, std::int64_t now, std::string& error);
    // All fetches in one transaction.
    bool recordSettingsFetches(const std::vector<SettingsFetch>& fetches, std::string& error);
    bool recordHits(const std::vector<std::string>& hits, std::int64_t now, std::string& error);
    // The "arch" and "os" of the installation's last authorisation; found false when unknown.
    bool installation(const std::string& appid, std::string& arch, std::string& os, bool& found,
                      std::string& error);
    bool recordScan(const std::string& appid, std::int64_t now, std::size_t deviceCount,
                    std::int64_t& scanId, std::string& error);
    // Stored durably before it returns Stored: the client is told only then. A scan that does
    // not exist or belongs to another installation is UnknownScan.
    ReportOutcome recordInstallReport(const InstallReport& report, std::string& error);
    // Every driver with reports, most failures first.
    bool summariseInstallReports(std::vector<DriverSummary>& drivers, std::string& error);
    // The token secret every instance on this store signs with; the first instance makes it.
    bool signingSecret(std::string& secret, std::string& error);

    // The catalogue: its version changes once per index run.
    bool catalogVersion(std::int64_t& version, std::string& error);
    // Reads the whole catalogue, on a connection of its own, in one consistent read.
    bool loadCatalog(std::shared_ptr<CatalogSnapshot>& snapshot, std::string& error);
    // Replaces the package (same SHA-1 or path) with what was read, in one transaction.
    bool storePackage(const CatalogPackage& package, std::int64_t now, std::string& error);
    // The same for many packages in one transaction, a later one replacing an earlier one of
    // the same SHA-1 or path; on PostgreSQL a few statements for the whole batch.
    bool storePackages(const std::vector<CatalogPackage>& packages, std::int64_t now,
                       std::string& error);
    bool indexedPackages(std::vector<IndexedPackage>& packages, std::string& error);
    bool removePackage(std::int64_t id, std::string& error);
    bool bumpCatalogVersion(std::string& error);

    // Uploaded driver archives by content hash (lower case), and which installation holds
    // which.
    bool uploadedArchives(std::vector<std::string>& hashes, std::string& error);
    // Those of hashes the store holds, appended to held.
    bool heldArchives(const std::vector<std::string>& hashes, std::vector<std::string>& held,
                      std::string& error);
    bool recordUploadedArchives(const std::vector<std::pair<std::string, std::int64_t>>& archives,
                                std::int64_t now, std::string& error);
    bool recordUploadHoldings(const std::string& appid, const std::vector<std::string>& hashes,
                              std::int64_t now, std::string& error);
    bool uploadTotals(UploadTotals& totals, std::string& error);
    // Services on a PostgreSQL store once kept the upload tables in the data folder's SQLite
    // file: their rows are copied here, and the old tables renamed so that they are copied
    // once. Nothing to do on a SQLite store, whose tables they are.
    bool adoptUploads(const std::string& sqliteFile, std::int64_t& adopted, std::string& error);

private:
    class Lease;
    // A request waiting for a connection, served in arrival order.
    struct Waiter {
        std::condition_variable woken;
        bool granted = false;
        std::unique_ptr<Database> database;  // null when granted the right to open one
    };

    static bool insertPackageRows(Database& database, const CatalogPackage& package,
                                  std::int64_t now, std::string& error);
    static bool insertPackageArrays(Database& database,
                                    const std::vector<const CatalogPackage*>& packages,
                                    std::int64_t now, std::string& error);
    bool migrate(Database& database, std::string& error);
    bool applyMigrations(Database& database, std::string& error);
    // Runs work on a free connection of the pool; false with the store's message otherwise.
    bool withDatabase(const std::function<bool(Database&, std::string&)>& work, std::string& error);
    // A write of one request: on SQLite committed together with the writes that queued
    // meanwhile (durable: with a full sync), on PostgreSQL in a transaction of its own.
    struct Pending {
        const std::function<bool(Database&, std::string&)>* work = nullptr;
        bool durable = false;
        bool done = false;
        bool ok = false;
        std::string error;
    };
    bool inGroupCommit(const std::function<bool(Database&, std::string&)>& work, bool durable,
                       std::string& error);
    void commitGroup(const std::vector<Pending*>& group);
    // Runs work in one write transaction, rolled back when it fails.
    bool inTransaction(const std::function<bool(Database&, std::string&)>& work,
                       std::string& error);

    std::string location_;
    std::mutex mutex_;
    std::condition_variable released_;
    std::vector<std::unique_ptr<Database>> idle_;
    std::deque<Waiter*> waiters_;
    std::mutex groupMutex_;
    std::condition_variable groupDone_;
    std::vector<Pending*> pending_;
    bool leading_ = false;
    std::size_t open_ = 0;
    std::size_t capacity_ = 0;
    bool closed_ = true;
};

}  // namespace Service

#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct sqlite3;

namespace Service {

class SqliteStatement;

// The install reports clients send after each driver installation: which scan, which driver
// (the INF's SHA-1), which installation, the two result codes and when.
class ReportStore {
public:
    struct Report {
        std::int64_t scanId = 0;
        std::string infSha1;  // lower case
        std::string appid;
        std::int64_t errorCode = 0;
        std::int64_t systemErrorCode = 0;
        std::int64_t receivedAt = 0;
    };
    enum class Outcome { Stored, UnknownScan, Failed };

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

    ReportStore();
    ~ReportStore();
    ReportStore(const ReportStore&) = delete;
    ReportStore& operator=(const ReportStore&) = delete;

    // Opens (and if need be creates) the reports table in the database at path.
    bool open(const std::string& path, std::string& error);
    void close();

    // Committed with a full sync before it returns Stored: the client is told only then.
    // A scan that does not exist or belongs to another installation is UnknownScan.
    Outcome record(const Report& report, std::string& error);

    // Every driver with reports, most failures first.
    static bool summarise(const std::string& path, std::vector<DriverSummary>& drivers,
                          std::string& error);

private:
    struct Statements;

    std::mutex mutex_;
    sqlite3* db_ = nullptr;
    std::unique_ptr<Statements> statements_;
};

}  // namespace Service

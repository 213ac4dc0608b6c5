#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace Service {

struct AuthRecord;

// The service's durable data: installations and received analytics hits, in one SQLite file.
class ServiceStore {
public:
    struct SettingsFetch {
        std::string appid;
        std::string ppg;
        std::int64_t at = 0;
    };

    ServiceStore() = default;
    ~ServiceStore();
    ServiceStore(const ServiceStore&) = delete;
    ServiceStore& operator=(const ServiceStore&) = delete;

    // Every error names the file.
    bool open(const std::string& path, std::string& error);
    void close();

    bool recordInstallation(const AuthRecord& record, std::int64_t now, std::string& error);
    // All fetches in one transaction.
    bool recordSettingsFetches(const std::vector<SettingsFetch>& fetches, std::string& error);
    bool recordHits(const std::vector<std::string>& hits, std::int64_t now, std::string& error);

private:
    bool execute(const char* sql, std::string& error);
    bool prepare(const char* sql, sqlite3_stmt*& statement, std::string& error);
    bool inTransaction(const std::function<bool()>& steps, std::string& error);
    void closeLocked();

    std::mutex mutex_;
    sqlite3* db_ = nullptr;
    // Prepared once: preparing per request cost more than the writes themselves.
    sqlite3_stmt* upsertInstallation_ = nullptr;
    sqlite3_stmt* touchInstallation_ = nullptr;
    sqlite3_stmt* insertHit_ = nullptr;
};

}  // namespace Service

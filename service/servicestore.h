#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

struct sqlite3;

namespace Service {

struct AuthRecord;

// The service's durable data: installations and received analytics hits, in one SQLite file.
class ServiceStore {
public:
    ServiceStore() = default;
    ~ServiceStore();
    ServiceStore(const ServiceStore&) = delete;
    ServiceStore& operator=(const ServiceStore&) = delete;

    bool open(const std::string& path, std::string& error);
    void close();

    bool recordInstallation(const AuthRecord& record, std::int64_t now, std::string& error);
    bool recordSettingsFetch(const std::string& appid, const std::string& ppg, std::int64_t now,
                             std::string& error);
    bool recordHits(const std::vector<std::string>& hits, std::int64_t now, std::string& error);

private:
    bool execute(const char* sql, std::string& error);

    std::mutex mutex_;
    sqlite3* db_ = nullptr;
};

}  // namespace Service

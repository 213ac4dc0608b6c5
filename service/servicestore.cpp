#include "servicestore.h"

#include <sqlite3.h>

#include "authrecord.h"

namespace Service {

namespace {

class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr);
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool valid() const { return statement_ != nullptr; }
    void bind(int index, const std::string& text) {
        sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
    }
    void bind(int index, std::int64_t value) { sqlite3_bind_int64(statement_, index, value); }
    bool run() {
        const bool done = sqlite3_step(statement_) == SQLITE_DONE;
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
        return done;
    }

private:
    sqlite3_stmt* statement_ = nullptr;
};

}  // namespace

ServiceStore::~ServiceStore() {
    close();
}

bool ServiceStore::open(const std::string& path, std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (sqlite3_open_v2(path.c_str(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        error = "cannot open " + path + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory");
        sqlite3_close(db_);
        db_ = nullptr;
        return false;
    }
    sqlite3_busy_timeout(db_, 5000);
    return execute(
        "PRAGMA journal_mode=WAL;"
        "PRAGMA synchronous=NORMAL;"
        "CREATE TABLE IF NOT EXISTS installations ("
        " appid TEXT PRIMARY KEY, hwid TEXT NOT NULL, product TEXT NOT NULL,"
        " version TEXT NOT NULL, os TEXT NOT NULL, arch TEXT NOT NULL,"
        " locale TEXT NOT NULL, locale_os TEXT NOT NULL,"
        " first_seen INTEGER NOT NULL, last_seen INTEGER NOT NULL,"
        " auth_count INTEGER NOT NULL DEFAULT 0, ppg TEXT,"
        " settings_fetched INTEGER);"
        "CREATE TABLE IF NOT EXISTS hits ("
        " id INTEGER PRIMARY KEY AUTOINCREMENT, received_at INTEGER NOT NULL,"
        " line TEXT NOT NULL);",
        error);
}

void ServiceStore::close() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

bool ServiceStore::execute(const char* sql, std::string& error) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        error = message ? message : "database error";
        sqlite3_free(message);
        return false;
    }
    return true;
}

bool ServiceStore::recordInstallation(const AuthRecord& record, std::int64_t now,
                                      std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (db_ == nullptr) {
        error = "the store is closed";
        return false;
    }
    Statement statement(
        db_,
        "INSERT INTO installations (appid, hwid, product, version, os, arch, locale, locale_os,"
        " first_seen, last_seen, auth_count) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?9, 1)"
        " ON CONFLICT(appid) DO UPDATE SET hwid = ?2, product = ?3, version = ?4, os = ?5,"
        " arch = ?6, locale = ?7, locale_os = ?8, last_seen = ?9, auth_count = auth_count + 1");
    if (!statement.valid()) {
        error = sqlite3_errmsg(db_);
        return false;
    }
    statement.bind(1, record.appid);
    statement.bind(2, record.hwid);
    statement.bind(3, record.product);
    statement.bind(4, record.version);
    statement.bind(5, record.os);
    statement.bind(6, record.arch);
    statement.bind(7, record.locale);
    statement.bind(8, record.localeOs);
    statement.bind(9, now);
    if (!statement.run()) {
        error = sqlite3_errmsg(db_);
        return false;
    }
    return true;
}

bool ServiceStore::recordSettingsFetch(const std::string& appid, const std::string& ppg,
                                       std::int64_t now, std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (db_ == nullptr) {
        error = "the store is closed";
        return false;
    }
    Statement statement(db_,
                        "UPDATE installations SET ppg = ?2, settings_fetched = ?3, last_seen = ?3"
                        " WHERE appid = ?1");
    if (!statement.valid()) {
        error = sqlite3_errmsg(db_);
        return false;
    }
    statement.bind(1, appid);
    statement.bind(2, ppg);
    statement.bind(3, now);
    if (!statement.run()) {
        error = sqlite3_errmsg(db_);
        return false;
    }
    return true;
}

bool ServiceStore::recordHits(const std::vector<std::string>& hits, std::int64_t now,
                              std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (db_ == nullptr) {
        error = "the store is closed";
        return false;
    }
    if (!execute("BEGIN IMMEDIATE", error)) {
        return false;
    }
    {
        Statement statement(db_, "INSERT INTO hits (received_at, line) VALUES (?1, ?2)");
        bool ok = statement.valid();
        for (const std::string& hit : hits) {
            if (!ok) {
                break;
            }
            statement.bind(1, now);
            statement.bind(2, hit);
            ok = statement.run();
        }
        if (!ok) {
            error = sqlite3_errmsg(db_);
            std::string ignored;
            execute("ROLLBACK", ignored);
            return false;
        }
    }
    return execute("COMMIT", error);
}

}  // namespace Service

#include "servicestore.h"

#include <sqlite3.h>

#include "authrecord.h"
#include "datafile.h"

namespace Service {

namespace {

void bind(sqlite3_stmt* statement, int index, const std::string& text) {
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

void bind(sqlite3_stmt* statement, int index, std::int64_t value) {
    sqlite3_bind_int64(statement, index, value);
}

bool run(sqlite3_stmt* statement) {
    const bool done = sqlite3_step(statement) == SQLITE_DONE;
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return done;
}

}  // namespace

ServiceStore::~ServiceStore() {
    close();
}

bool ServiceStore::open(const std::string& path, std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    // SQLite would block on a FIFO and follow links; its side files are checked as well.
    for (const std::string& file : {path, path + "-wal", path + "-shm"}) {
        if (!DataFile::checkRegular(file, error)) {
            return false;
        }
    }
    if (sqlite3_open_v2(path.c_str(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX |
                            SQLITE_OPEN_NOFOLLOW,
                        nullptr) != SQLITE_OK) {
        error = "cannot open " + path + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory");
        closeLocked();
        return false;
    }
    sqlite3_busy_timeout(db_, 5000);
    const bool ok =
        execute(
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
            error) &&
        prepare(
            "INSERT INTO installations (appid, hwid, product, version, os, arch, locale,"
            " locale_os, first_seen, last_seen, auth_count)"
            " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?9, 1)"
            " ON CONFLICT(appid) DO UPDATE SET hwid = ?2, product = ?3, version = ?4,"
            " os = ?5, arch = ?6, locale = ?7, locale_os = ?8, last_seen = ?9,"
            " auth_count = auth_count + 1",
            upsertInstallation_, error) &&
        prepare(
            "UPDATE installations SET ppg = ?2, settings_fetched = ?3, last_seen = ?3"
            " WHERE appid = ?1",
            touchInstallation_, error) &&
        prepare("INSERT INTO hits (received_at, line) VALUES (?1, ?2)", insertHit_, error);
    if (!ok) {
        error = path + ": " + error;
        closeLocked();
    }
    return ok;
}

void ServiceStore::close() {
    std::lock_guard<std::mutex> lock(mutex_);
    closeLocked();
}

void ServiceStore::closeLocked() {
    for (sqlite3_stmt** statement : {&upsertInstallation_, &touchInstallation_, &insertHit_}) {
        sqlite3_finalize(*statement);
        *statement = nullptr;
    }
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

bool ServiceStore::prepare(const char* sql, sqlite3_stmt*& statement, std::string& error) {
    if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) !=
        SQLITE_OK) {
        error = sqlite3_errmsg(db_);
        return false;
    }
    return true;
}

bool ServiceStore::inTransaction(const std::function<bool()>& steps, std::string& error) {
    if (!execute("BEGIN IMMEDIATE", error)) {
        return false;
    }
    if (!steps()) {
        error = sqlite3_errmsg(db_);
        std::string ignored;
        execute("ROLLBACK", ignored);
        return false;
    }
    return execute("COMMIT", error);
}

bool ServiceStore::recordInstallation(const AuthRecord& record, std::int64_t now,
                                      std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (db_ == nullptr) {
        error = "the store is closed";
        return false;
    }
    sqlite3_stmt* statement = upsertInstallation_;
    bind(statement, 1, record.appid);
    bind(statement, 2, record.hwid);
    bind(statement, 3, record.product);
    bind(statement, 4, record.version);
    bind(statement, 5, record.os);
    bind(statement, 6, record.arch);
    bind(statement, 7, record.locale);
    bind(statement, 8, record.localeOs);
    bind(statement, 9, now);
    if (!run(statement)) {
        error = sqlite3_errmsg(db_);
        return false;
    }
    return true;
}

bool ServiceStore::recordSettingsFetches(const std::vector<SettingsFetch>& fetches,
                                         std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (db_ == nullptr) {
        error = "the store is closed";
        return false;
    }
    return inTransaction(
        [&] {
            for (const SettingsFetch& fetch : fetches) {
                bind(touchInstallation_, 1, fetch.appid);
                bind(touchInstallation_, 2, fetch.ppg);
                bind(touchInstallation_, 3, fetch.at);
                if (!run(touchInstallation_)) {
                    return false;
                }
            }
            return true;
        },
        error);
}

bool ServiceStore::recordHits(const std::vector<std::string>& hits, std::int64_t now,
                              std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (db_ == nullptr) {
        error = "the store is closed";
        return false;
    }
    return inTransaction(
        [&] {
            for (const std::string& hit : hits) {
                bind(insertHit_, 1, now);
                bind(insertHit_, 2, hit);
                if (!run(insertHit_)) {
                    return false;
                }
            }
            return true;
        },
        error);
}

}  // namespace Service

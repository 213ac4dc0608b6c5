#include "reportstore.h"

#include <sqlite3.h>

#include <algorithm>
#include <map>

#include "catalog.h"
#include "sqlitestatement.h"

namespace Service {

namespace {

const char kSchema[] =
    "CREATE TABLE IF NOT EXISTS install_reports ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT, received_at INTEGER NOT NULL,"
    " appid TEXT NOT NULL, scan_id INTEGER NOT NULL, inf_sha1 TEXT NOT NULL,"
    " error_code INTEGER NOT NULL, system_error_code INTEGER NOT NULL);"
    "CREATE INDEX IF NOT EXISTS install_reports_inf ON install_reports(inf_sha1);";

bool openDatabase(const std::string& path, int flags, sqlite3*& db, std::string& error) {
    if (sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOFOLLOW, nullptr) != SQLITE_OK) {
        error = "cannot open " + path + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
        sqlite3_close(db);
        db = nullptr;
        return false;
    }
    sqlite3_busy_timeout(db, 5000);
    return true;
}

}  // namespace

struct ReportStore::Statements {
    SqliteStatement insert;
};

ReportStore::ReportStore() = default;

ReportStore::~ReportStore() {
    close();
}

bool ReportStore::open(const std::string& path, std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!openDatabase(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, db_,
                      error)) {
        return false;
    }
    // The scans it refers to live in the catalogue's tables. A report is answered as stored,
    // and the client stops sending it, so it must survive a power cut too: FULL, not NORMAL.
    if (!Catalog::createSchema(db_, error) || !executeSql(db_, kSchema, error) ||
        !executeSql(db_, "PRAGMA synchronous=FULL;", error)) {
        error = "reports table in " + path + ": " + error;
        sqlite3_close_v2(db_);
        db_ = nullptr;
        return false;
    }
    statements_ = std::make_unique<Statements>();
    if (!statements_->insert.prepare(
            db_,
            "INSERT INTO install_reports (received_at, appid, scan_id, inf_sha1, error_code,"
            " system_error_code) SELECT ?1, ?2, ?3, ?4, ?5, ?6"
            " FROM scans WHERE id = ?3 AND appid = ?2")) {
        error = std::string("reports statement: ") + sqlite3_errmsg(db_);
        statements_.reset();
        sqlite3_close_v2(db_);
        db_ = nullptr;
        return false;
    }
    return true;
}

void ReportStore::close() {
    std::lock_guard<std::mutex> lock(mutex_);
    statements_.reset();
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

ReportStore::Outcome ReportStore::record(const Report& report, std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (db_ == nullptr) {
        error = "the reports store is closed";
        return Outcome::Failed;
    }
    SqliteStatement& insert = statements_->insert;
    insert.bind(1, report.receivedAt);
    insert.bind(2, report.appid);
    insert.bind(3, report.scanId);
    insert.bind(4, report.infSha1);
    insert.bind(5, report.errorCode);
    insert.bind(6, report.systemErrorCode);
    if (!insert.run()) {
        error = sqlite3_errmsg(db_);
        return Outcome::Failed;
    }
    return sqlite3_changes(db_) == 0 ? Outcome::UnknownScan : Outcome::Stored;
}

bool ReportStore::summarise(const std::string& path, std::vector<DriverSummary>& drivers,
                            std::string& error) {
    drivers.clear();
    sqlite3* db = nullptr;
    if (!openDatabase(path, SQLITE_OPEN_READONLY, db, error)) {
        return false;
    }
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> owner(db, sqlite3_close_v2);
    SqliteStatement exists(db,
                           "SELECT 1 FROM sqlite_master WHERE type = 'table'"
                           " AND name = 'install_reports'");
    if (!exists.valid()) {
        error = path + ": " + sqlite3_errmsg(db);
        return false;
    }
    const bool hasTable = exists.next();
    if (exists.failed()) {
        error = path + ": " + sqlite3_errmsg(db);
        return false;
    }
    if (!hasTable) {
        return true;
    }
    exists.reset();
    SqliteStatement codes(
        db,
        "SELECT inf_sha1, error_code, system_error_code, COUNT(*) FROM install_reports"
        " GROUP BY inf_sha1, error_code, system_error_code"
        " ORDER BY inf_sha1, COUNT(*) DESC, error_code, system_error_code");
    SqliteStatement name(db, "SELECT path FROM infs WHERE sha1 = ?1 ORDER BY id LIMIT 1");
    if (!codes.valid()) {
        error = path + ": " + sqlite3_errmsg(db);
        return false;
    }
    std::map<std::string, DriverSummary> bySha1;
    while (codes.next()) {
        DriverSummary& driver = bySha1[codes.text(0)];
        driver.infSha1 = codes.text(0);
        const std::int64_t errorCode = codes.integer(1);
        const std::int64_t systemErrorCode = codes.integer(2);
        const std::int64_t count = codes.integer(3);
        if (errorCode == 0 && systemErrorCode == 0) {
            driver.installs += count;
            continue;
        }
        driver.failures += count;
        if (driver.topCodes.size() < kTopCodes) {
            driver.topCodes.push_back({errorCode, systemErrorCode, count});
        }
    }
    if (codes.failed()) {
        error = path + ": " + sqlite3_errmsg(db);
        return false;
    }
    for (auto& entry : bySha1) {
        // Without a catalogue (reports only) the name stays empty.
        if (name.valid()) {
            name.bind(1, entry.first);
            if (name.next()) {
                entry.second.infPath = name.text(0);
            }
            name.reset();
        }
        drivers.push_back(std::move(entry.second));
    }
    std::stable_sort(
        drivers.begin(), drivers.end(), [](const DriverSummary& a, const DriverSummary& b) {
            return a.failures != b.failures ? a.failures > b.failures : a.installs > b.installs;
        });
    return true;
}

}  // namespace Service

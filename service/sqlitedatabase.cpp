#include "sqlitedatabase.h"

#include <sqlite3.h>

#include "datafile.h"
#include "sqlitestatement.h"

namespace Service {

SqliteDatabase::~SqliteDatabase() {
    statements_.clear();
    sqlite3_close_v2(db_);
}

std::unique_ptr<Database> SqliteDatabase::open(const std::string& path, std::string& error) {
    // SQLite would block on a FIFO and follow links; its side files are checked as well.
    for (const std::string& file : {path, path + "-wal", path + "-shm"}) {
        if (!DataFile::checkRegular(file, error)) {
            return nullptr;
        }
    }
    std::unique_ptr<SqliteDatabase> database(new SqliteDatabase);
    if (sqlite3_open_v2(path.c_str(), &database->db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX |
                            SQLITE_OPEN_NOFOLLOW,
                        nullptr) != SQLITE_OK) {
        error = "cannot open " + path + ": " +
                (database->db_ ? sqlite3_errmsg(database->db_) : "out of memory");
        return nullptr;
    }
    sqlite3_busy_timeout(database->db_, 10000);
    // Searches no longer read the id index, but loading the catalogue reads all of it.
    if (!database->execute("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;"
                           " PRAGMA foreign_keys=ON; PRAGMA cache_size=-65536;",
                           error)) {
        error = path + ": " + error;
        return nullptr;
    }
    return database;
}

bool SqliteDatabase::execute(const std::string& sql, std::string& error) {
    return executeSql(db_, sql.c_str(), error);
}

Database::Statement* SqliteDatabase::statement(const std::string& sql) {
    std::unique_ptr<SqliteStatement>& held = statements_[sql];
    if (held == nullptr) {
        auto prepared = std::make_unique<SqliteStatement>(db_, sql.c_str());
        if (!prepared->valid()) {
            statements_.erase(sql);
            return nullptr;
        }
        held = std::move(prepared);
    }
    return held.get();
}

std::string SqliteDatabase::lastError() const {
    return sqlite3_errmsg(db_);
}

}  // namespace Service

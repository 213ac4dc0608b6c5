#include "sqlitestatement.h"

#include <sqlite3.h>

namespace Service {

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql) {
    prepare(db, sql);
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

bool SqliteStatement::prepare(sqlite3* db, const char* sql) {
    sqlite3_finalize(statement_);
    statement_ = nullptr;
    return sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement_, nullptr) ==
           SQLITE_OK;
}

void SqliteStatement::bind(int index, const std::string& text) {
    sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

void SqliteStatement::bind(int index, std::int64_t value) {
    sqlite3_bind_int64(statement_, index, value);
}

bool SqliteStatement::next() {
    const int status = sqlite3_step(statement_);
    if (status == SQLITE_ROW) {
        return true;
    }
    failed_ = status != SQLITE_DONE;
    reset();
    return false;
}

bool SqliteStatement::run() {
    const int status = sqlite3_step(statement_);
    failed_ = status != SQLITE_DONE && status != SQLITE_ROW;
    reset();
    return !failed_;
}

void SqliteStatement::reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

std::int64_t SqliteStatement::integer(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string SqliteStatement::text(int column) const {
    const unsigned char* data = sqlite3_column_text(statement_, column);
    return data ? std::string(reinterpret_cast<const char*>(data),
                              static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)))
                : std::string();
}

bool executeSql(sqlite3* db, const char* sql, std::string& error) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        error = message ? message : "database error";
        sqlite3_free(message);
        return false;
    }
    return true;
}

}  // namespace Service

#pragma once

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace Service {

// One prepared statement, reset after each row walk so it can be bound again.
class SqliteStatement {
public:
    SqliteStatement() = default;
    SqliteStatement(sqlite3* db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool prepare(sqlite3* db, const char* sql);
    bool valid() const { return statement_ != nullptr; }

    void bind(int index, const std::string& text);
    void bind(int index, std::int64_t value);
    // True while there is a row; false at the end or on an error (see failed()).
    bool next();
    bool failed() const { return failed_; }
    // Runs a statement that returns no rows; resets it.
    bool run();
    void reset();

    std::int64_t integer(int column) const;
    std::string text(int column) const;

private:
    sqlite3_stmt* statement_ = nullptr;
    bool failed_ = false;
};

// Runs SQL without results; false with SQLite's message in error.
bool executeSql(sqlite3* db, const char* sql, std::string& error);

}  // namespace Service

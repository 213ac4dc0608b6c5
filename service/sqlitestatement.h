#pragma once

#include <cstdint>
#include <string>

#include "database.h"

struct sqlite3;
struct sqlite3_stmt;

namespace Service {

// One prepared statement, reset after each row walk so it can be bound again.
class SqliteStatement : public Database::Statement {
public:
    SqliteStatement() = default;
    SqliteStatement(sqlite3* db, const char* sql);
    ~SqliteStatement() override;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool prepare(sqlite3* db, const char* sql);
    bool valid() const { return statement_ != nullptr; }

    void bind(int index, const std::string& text) override;
    void bind(int index, std::int64_t value) override;
    bool next() override;
    bool failed() const override { return failed_; }
    bool run() override;
    void reset();

    std::int64_t integer(int column) const override;
    std::string text(int column) const override;

private:
    sqlite3_stmt* statement_ = nullptr;
    bool failed_ = false;
};

// Runs SQL without results; false with SQLite's message in error.
bool executeSql(sqlite3* db, const char* sql, std::string& error);

}  // namespace Service

#pragma once

#include <map>
#include <memory>
#include <string>

#include "database.h"

struct sqlite3;

namespace Service {

class SqliteStatement;

// The embedded backend: one SQLite file in WAL mode, opened only as a regular file.
class SqliteDatabase : public Database {
public:
    ~SqliteDatabase() override;

    // Every error names the file.
    static std::unique_ptr<Database> open(const std::string& path, std::string& error);

    Dialect dialect() const override { return Dialect::Sqlite; }
    bool execute(const std::string& sql, std::string& error) override;
    Statement* statement(const std::string& sql) override;
    std::string lastError() const override;

private:
    SqliteDatabase() = default;

    sqlite3* db_ = nullptr;
    std::map<std::string, std::unique_ptr<SqliteStatement>> statements_;
};

}  // namespace Service

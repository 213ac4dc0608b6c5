#pragma once

#include <map>
#include <memory>
#include <string>

#include "database.h"

struct pg_conn;

namespace Service {

// The shared backend: one libpq connection to PostgreSQL. Rows arrive one at a time, so a
// whole catalogue can be read without holding it twice.
class PostgresDatabase : public Database {
public:
    ~PostgresDatabase() override;

    static std::unique_ptr<Database> open(const std::string& url, std::string& error);

    Dialect dialect() const override { return Dialect::Postgresql; }
    bool execute(const std::string& sql, std::string& error) override;
    Statement* statement(const std::string& sql) override;
    std::string lastError() const override;
    bool healthy() const override;

private:
    class Query;

    PostgresDatabase() = default;

    pg_conn* connection_ = nullptr;
    std::map<std::string, std::unique_ptr<Query>> statements_;
};

}  // namespace Service

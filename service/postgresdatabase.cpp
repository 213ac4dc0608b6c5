#include "postgresdatabase.h"

#include <libpq-fe.h>

#include <cstdlib>
#include <vector>

namespace Service {

namespace {

// ?N parameters as PostgreSQL writes them, $N; text inside quotes is left alone.
std::string dollarParameters(const std::string& sql) {
    std::string out;
    bool quoted = false;
    for (const char c : sql) {
        if (c == '\'') {
            quoted = !quoted;
        }
        out += !quoted && c == '?' ? '$' : c;
    }
    return out;
}

std::string trimmedMessage(const char* message) {
    std::string text = message != nullptr ? message : "unknown error";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

}  // namespace

class PostgresDatabase::Query : public Database::Statement {
public:
    Query(pg_conn* connection, std::string name)
        : connection_(connection), name_(std::move(name)) {}
    ~Query() override { finish(); }

    void bind(int index, const std::string& text) override {
        if (values_.size() < static_cast<std::size_t>(index)) {
            values_.resize(static_cast<std::size_t>(index));
        }
        values_[static_cast<std::size_t>(index) - 1] = text;
    }
    void bind(int index, std::int64_t value) override { bind(index, std::to_string(value)); }

    bool next() override {
        if (!running_) {
            failed_ = false;
            std::vector<const char*> pointers;
            for (const std::string& value : values_) {
                pointers.push_back(value.c_str());
            }
            if (PQsendQueryPrepared(connection_, name_.c_str(), static_cast<int>(pointers.size()),
                                    pointers.data(), nullptr, nullptr, 0) != 1) {
                failed_ = true;
                return false;
            }
            PQsetSingleRowMode(connection_);
            running_ = true;
        }
        PQclear(row_);
        row_ = PQgetResult(connection_);
        if (row_ != nullptr && PQresultStatus(row_) == PGRES_SINGLE_TUPLE) {
            return true;
        }
        const ExecStatusType status = row_ == nullptr ? PGRES_COMMAND_OK : PQresultStatus(row_);
        failed_ = status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK;
        finish();
        return false;
    }
    bool failed() const override { return failed_; }
    bool run() override {
        while (next()) {
        }
        return !failed_;
    }
    std::int64_t integer(int column) const override {
        return row_ != nullptr ? std::strtoll(PQgetvalue(row_, 0, column), nullptr, 10) : 0;
    }
    std::string text(int column) const override {
        return row_ != nullptr ? std::string(PQgetvalue(row_, 0, column),
                                             static_cast<std::size_t>(PQgetlength(row_, 0, column)))
                               : std::string();
    }

private:
    // Reads what is left of the answer, so the connection is free for the next statement.
    void finish() {
        PQclear(row_);
        row_ = nullptr;
        while (running_) {
            PGresult* rest = PQgetResult(connection_);
            if (rest == nullptr) {
                running_ = false;
                break;
            }
            if (PQresultStatus(rest) != PGRES_SINGLE_TUPLE &&
                PQresultStatus(rest) != PGRES_TUPLES_OK &&
                PQresultStatus(rest) != PGRES_COMMAND_OK) {
                failed_ = true;
            }
            PQclear(rest);
        }
        values_.clear();
    }

    pg_conn* connection_;
    std::string name_;
    std::vector<std::string> values_;
    PGresult* row_ = nullptr;
    bool running_ = false;
    bool failed_ = false;
};

PostgresDatabase::~PostgresDatabase() {
    statements_.clear();
    PQfinish(connection_);
}

std::unique_ptr<Database> PostgresDatabase::open(const std::string& url, std::string& error) {
    std::unique_ptr<PostgresDatabase> database(new PostgresDatabase);
    database->connection_ = PQconnectdb(url.c_str());
    if (database->connection_ == nullptr || PQstatus(database->connection_) != CONNECTION_OK) {
        // The URL may carry a password; the message names the server, never the URL.
        error = "cannot connect to PostgreSQL: " +
                trimmedMessage(database->connection_ ? PQerrorMessage(database->connection_)
                                                     : "out of memory");
        return nullptr;
    }
    if (!database->execute("SET client_min_messages = warning", error)) {
        return nullptr;
    }
    return database;
}

bool PostgresDatabase::execute(const std::string& sql, std::string& error) {
    PGresult* result = PQexec(connection_, sql.c_str());
    const ExecStatusType status = result != nullptr ? PQresultStatus(result) : PGRES_FATAL_ERROR;
    const bool ok = status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
    if (!ok) {
        error = trimmedMessage(PQerrorMessage(connection_));
    }
    PQclear(result);
    return ok;
}

Database::Statement* PostgresDatabase::statement(const std::string& sql) {
    std::unique_ptr<Query>& held = statements_[sql];
    if (held == nullptr) {
        const std::string name = "q" + std::to_string(statements_.size());
        PGresult* result =
            PQprepare(connection_, name.c_str(), dollarParameters(sql).c_str(), 0, nullptr);
        const bool ok = result != nullptr && PQresultStatus(result) == PGRES_COMMAND_OK;
        PQclear(result);
        if (!ok) {
            statements_.erase(sql);
            return nullptr;
        }
        held = std::make_unique<Query>(connection_, name);
    }
    return held.get();
}

bool PostgresDatabase::healthy() const {
    return PQstatus(connection_) == CONNECTION_OK;
}

std::string PostgresDatabase::lastError() const {
    return trimmedMessage(PQerrorMessage(connection_));
}

}  // namespace Service

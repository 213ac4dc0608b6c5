#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace Service {

// One connection to the service's database, SQLite or PostgreSQL, with the little the store
// needs: statements run with ?N parameters, rows read as integers and text. SQL is shared
// between the two; only where their dialects differ does the store ask which one it has.
class Database {
public:
    enum class Dialect { Sqlite, Postgresql };

    // One prepared statement, kept by its connection and bound afresh for each use.
    class Statement {
    public:
        virtual ~Statement() = default;
        virtual void bind(int index, const std::string& text) = 0;
        virtual void bind(int index, std::int64_t value) = 0;
        // True while there is a row; false at the end or on an error (see failed()). A
        // statement is read to its end before the connection runs another.
        virtual bool next() = 0;
        virtual bool failed() const = 0;
        // Runs it to its end, rows ignored; false on an error.
        virtual bool run() = 0;
        virtual std::int64_t integer(int column) const = 0;
        virtual std::string text(int column) const = 0;
    };

    virtual ~Database() = default;

    // A postgresql:// or postgres:// URL opens PostgreSQL; anything else is a SQLite file.
    static std::unique_ptr<Database> open(const std::string& location, std::string& error);
    static bool isPostgresql(const std::string& location);

    virtual Dialect dialect() const = 0;
    // Runs SQL without parameters or rows, several statements allowed.
    virtual bool execute(const std::string& sql, std::string& error) = 0;
    // The statement for sql, prepared at its first use on this connection and kept; null
    // when it cannot be prepared (lastError says why).
    virtual Statement* statement(const std::string& sql) = 0;
    virtual std::string lastError() const = 0;
    // False once the connection is lost (a server restart), so the store opens another.
    virtual bool healthy() const { return true; }

    // A transaction that will write: SQLite takes its write lock at once, so two writers
    // never deadlock upgrading.
    bool beginWrite(std::string& error);
    bool commit(std::string& error);
    void rollback();
    // SQL for this dialect from SQL written for SQLite: wider integers, identities, no
    // WITHOUT ROWID.
    std::string translate(const std::string& sqliteSql) const;
};

}  // namespace Service

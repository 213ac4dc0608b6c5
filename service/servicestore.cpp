#include "servicestore.h"

#include <openssl/rand.h>

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <map>
#include <set>

#include "authrecord.h"
#include "catalogpackage.h"
#include "catalogranking.h"
#include "catalogsnapshot.h"
#include "formats/sha1.h"

namespace Service {

namespace {

// Any constant shared by every instance: it names the migration lock.
constexpr std::int64_t kMigrationLock = 0x51756c6c;

const char kMigrationsTable[] =
    "CREATE TABLE IF NOT EXISTS schema_migrations ("
    " number INTEGER NOT NULL UNIQUE, name TEXT NOT NULL, checksum TEXT NOT NULL,"
    " applied_at INTEGER NOT NULL)";

// Appended only: an applied migration is never edited, the next number changes what it must.
// The first two adopt the tables of stores made before migrations were numbered.
const std::vector<ServiceStore::Migration> kMigrations = {
    {1, "installations and analytics hits",
     "CREATE TABLE IF NOT EXISTS installations ("
     " appid TEXT PRIMARY KEY, hwid TEXT NOT NULL, product TEXT NOT NULL,"
     " version TEXT NOT NULL, os TEXT NOT NULL, arch TEXT NOT NULL,"
     " locale TEXT NOT NULL, locale_os TEXT NOT NULL,"
     " first_seen INTEGER NOT NULL, last_seen INTEGER NOT NULL,"
     " auth_count INTEGER NOT NULL DEFAULT 0, ppg TEXT,"
     " settings_fetched INTEGER);"
     "CREATE TABLE IF NOT EXISTS hits ("
     " id INTEGER PRIMARY KEY AUTOINCREMENT, received_at INTEGER NOT NULL,"
     " line TEXT NOT NULL);"},
    {2, "driver catalogue and scans",
     "CREATE TABLE IF NOT EXISTS packages ("
     " id INTEGER PRIMARY KEY, sha1 TEXT NOT NULL UNIQUE, size INTEGER NOT NULL,"
     " path TEXT NOT NULL UNIQUE, indexed_at INTEGER NOT NULL);"
     "CREATE TABLE IF NOT EXISTS infs ("
     " id INTEGER PRIMARY KEY,"
     " package_id INTEGER NOT NULL REFERENCES packages(id) ON DELETE CASCADE,"
     " path TEXT NOT NULL, sha1 TEXT NOT NULL, class TEXT NOT NULL, class_guid TEXT NOT NULL,"
     " provider TEXT NOT NULL, driver_date TEXT NOT NULL, driver_version TEXT NOT NULL,"
     " catalogs TEXT NOT NULL, signed_x86 INTEGER NOT NULL, signed_x64 INTEGER NOT NULL);"
     "CREATE INDEX IF NOT EXISTS infs_package ON infs(package_id);"
     "CREATE TABLE IF NOT EXISTS sections ("
     " id INTEGER PRIMARY KEY,"
     " inf_id INTEGER NOT NULL REFERENCES infs(id) ON DELETE CASCADE,"
     " manufacturer INTEGER NOT NULL, name TEXT NOT NULL, decoration TEXT NOT NULL,"
     " arch TEXT NOT NULL, os_major INTEGER NOT NULL, os_minor INTEGER NOT NULL,"
     " product_type INTEGER NOT NULL, build INTEGER NOT NULL);"
     "CREATE INDEX IF NOT EXISTS sections_inf ON sections(inf_id);"
     "CREATE TABLE IF NOT EXISTS models ("
     " id INTEGER PRIMARY KEY,"
     " section_id INTEGER NOT NULL REFERENCES sections(id) ON DELETE CASCADE,"
     " inf_id INTEGER NOT NULL, line INTEGER NOT NULL, description TEXT NOT NULL,"
     " install_section TEXT NOT NULL, feature_score INTEGER NOT NULL);"
     "CREATE INDEX IF NOT EXISTS models_section ON models(section_id);"
     "CREATE TABLE IF NOT EXISTS model_ids ("
     " model_id INTEGER NOT NULL REFERENCES models(id) ON DELETE CASCADE,"
     " position INTEGER NOT NULL, id TEXT NOT NULL, norm_id TEXT NOT NULL,"
     " PRIMARY KEY (model_id, position)) WITHOUT ROWID;"
     "CREATE INDEX IF NOT EXISTS model_ids_norm ON model_ids(norm_id);"
     "CREATE TABLE IF NOT EXISTS scans ("
     " id INTEGER PRIMARY KEY AUTOINCREMENT, appid TEXT NOT NULL,"
     " created_at INTEGER NOT NULL, device_count INTEGER NOT NULL);"},
    {3, "catalogue version and token signing key",
     "CREATE TABLE IF NOT EXISTS catalog_state ("
     " id INTEGER NOT NULL UNIQUE CHECK (id = 1), version INTEGER NOT NULL);"
     "CREATE TABLE IF NOT EXISTS signing_keys ("
     " id INTEGER NOT NULL UNIQUE, secret TEXT NOT NULL, created_at INTEGER NOT NULL);"},
    {4, "install reports",
     "CREATE TABLE IF NOT EXISTS install_reports ("
     " id INTEGER PRIMARY KEY AUTOINCREMENT, received_at INTEGER NOT NULL,"
     " appid TEXT NOT NULL, scan_id INTEGER NOT NULL, inf_sha1 TEXT NOT NULL,"
     " error_code INTEGER NOT NULL, system_error_code INTEGER NOT NULL);"
     "CREATE INDEX IF NOT EXISTS install_reports_inf ON install_reports(inf_sha1);"},
    // The upload store made these tables itself before; a SQLite store keeps its rows.
    {5, "uploaded driver archives and their holders",
     "CREATE TABLE IF NOT EXISTS upload_archives ("
     " hash TEXT PRIMARY KEY, size INTEGER NOT NULL, received_at INTEGER NOT NULL)"
     " WITHOUT ROWID;"
     "CREATE TABLE IF NOT EXISTS upload_holdings ("
     " appid TEXT NOT NULL, hash TEXT NOT NULL, recorded_at INTEGER NOT NULL,"
     " PRIMARY KEY (appid, hash)) WITHOUT ROWID;"},
};

// Hashes asked about in one statement; a shorter batch repeats its last hash.
constexpr std::size_t kHashBatch = 200;

std::string checksum(const std::string& sql) {
    formats::Sha1 hash;
    hash.add(sql.data(), sql.size());
    return hash.hexDigest(false);
}

std::string hex(const unsigned char* bytes, std::size_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
    }
    return out;
}

bool unhex(const std::string& text, std::string& bytes) {
    const auto value = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    bytes.clear();
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        const int high = value(text[i]);
        const int low = value(text[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes += static_cast<char>(high * 16 + low);
    }
    return text.size() % 2 == 0;
}

// The statement for sql on database, or false with the reason.
bool prepared(Database& database, const std::string& sql, Database::Statement*& statement,
              std::string& error) {
    statement = database.statement(sql);
    if (statement == nullptr) {
        error = database.lastError();
        return false;
    }
    return true;
}

bool fail(Database& database, std::string& error) {
    error = database.lastError();
    return false;
}

const char kInsertArchive[] =
    "INSERT INTO upload_archives (hash, size, received_at) VALUES (?1, ?2, ?3)"
    " ON CONFLICT DO NOTHING";
const char kInsertHolding[] =
    "INSERT INTO upload_holdings (appid, hash, recorded_at) VALUES (?1, ?2, ?3)"
    " ON CONFLICT DO NOTHING";

// Runs sql once for each of count rows, bindRow setting row i's parameters.
bool runForRows(Database& database, const char* sql, std::size_t count,
                const std::function<void(Database::Statement&, std::size_t)>& bindRow,
                std::string& error) {
    Database::Statement* statement = nullptr;
    if (!prepared(database, sql, statement, error)) {
        return false;
    }
    for (std::size_t row = 0; row < count; ++row) {
        bindRow(*statement, row);
        if (!statement->run()) {
            return fail(database, error);
        }
    }
    return true;
}

}  // namespace

ServiceStore::~ServiceStore() {
    close();
}

const std::vector<ServiceStore::Migration>& ServiceStore::migrations() {
    return kMigrations;
}

bool ServiceStore::open(const std::string& location, std::string& error, std::size_t connections) {
    std::unique_ptr<Database> first = Database::open(location, error);
    if (first == nullptr) {
        return false;
    }
    const std::string name =
        Database::isPostgresql(location) ? std::string("the PostgreSQL store") : location;
    if (!migrate(*first, error)) {
        error = name + ": " + error;
        return false;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    location_ = location;
    // SQLite writes one at a time anyway.
    capacity_ = Database::isPostgresql(location) ? std::max<std::size_t>(connections, 1) : 1;
    idle_.clear();
    idle_.push_back(std::move(first));
    open_ = 1;
    closed_ = false;
    return true;
}

void ServiceStore::close() {
    std::unique_lock<std::mutex> lock(mutex_);
    closed_ = true;
    for (Waiter* waiter : waiters_) {
        waiter->woken.notify_one();
    }
    // Work running now finishes on its connection, which is dropped when it comes back.
    released_.wait(lock, [this] { return idle_.size() == open_ && waiters_.empty(); });
    idle_.clear();
    open_ = 0;
}

bool ServiceStore::migrate(Database& database, std::string& error) {
    const bool sqlite = database.dialect() == Database::Dialect::Sqlite;
    // SQLite runs all of it in one exclusive transaction; PostgreSQL holds an advisory lock
    // and gives each migration a transaction of its own, with its record.
    const std::string lock = std::to_string(kMigrationLock);
    if (!database.execute(sqlite ? "BEGIN EXCLUSIVE" : "SELECT pg_advisory_lock(" + lock + ")",
                          error)) {
        return false;
    }
    const bool ok = applyMigrations(database, error);
    if (sqlite) {
        return ok ? database.commit(error) : (database.rollback(), false);
    }
    std::string ignored;
    database.execute("SELECT pg_advisory_unlock(" + lock + ")", ignored);
    return ok;
}

bool ServiceStore::applyMigrations(Database& database, std::string& error) {
    const bool sqlite = database.dialect() == Database::Dialect::Sqlite;
    if (!database.execute(database.translate(kMigrationsTable), error)) {
        return false;
    }
    std::map<std::int64_t, std::string> applied;
    Database::Statement* read = nullptr;
    if (!prepared(database, "SELECT number, checksum FROM schema_migrations", read, error)) {
        return false;
    }
    while (read->next()) {
        applied[read->integer(0)] = read->text(1);
    }
    if (read->failed()) {
        return fail(database, error);
    }
    if (!applied.empty() && applied.rbegin()->first > kMigrations.back().number) {
        error = "migration " + std::to_string(applied.rbegin()->first) +
                " was applied by a newer quillon-service";
        return false;
    }
    for (const Migration& migration : kMigrations) {
        const std::string sql = database.translate(migration.sql);
        const std::string sum = checksum(sql);
        const auto done = applied.find(migration.number);
        if (done != applied.end()) {
            if (done->second != sum) {
                error = "migration " + std::to_string(migration.number) + " (" + migration.name +
                        ") differs from the one applied; the store is left as it is";
                return false;
            }
            continue;
        }
        Database::Statement* record = nullptr;
        bool ok = (sqlite || database.execute("BEGIN", error)) && database.execute(sql, error) &&
                  prepared(database,
                           "INSERT INTO schema_migrations (number, name, checksum, applied_at)"
                           " VALUES (?1, ?2, ?3, ?4)",
                           record, error);
        if (ok) {
            record->bind(1, std::int64_t(migration.number));
            record->bind(2, std::string(migration.name));
            record->bind(3, sum);
            record->bind(4, static_cast<std::int64_t>(std::time(nullptr)));
            ok = record->run() || fail(database, error);
        }
        if (!sqlite) {
            ok = ok ? database.commit(error) : (database.rollback(), false);
        }
        if (!ok) {
            error = "migration " + std::to_string(migration.number) + " (" + migration.name +
                    "): " + error;
            return false;
        }
    }
    return true;
}

bool ServiceStore::withDatabase(const std::function<bool(Database&, std::string&)>& work,
                                std::string& error) {
    std::unique_ptr<Database> database;
    bool granted = false;
    {
        std::unique_lock<std::mutex> lock(mutex_);
        if (!closed_ && waiters_.empty() && !idle_.empty()) {
            database = std::move(idle_.back());
            idle_.pop_back();
            granted = true;
        } else if (!closed_ && waiters_.empty() && open_ < capacity_) {
            ++open_;
            granted = true;
        } else if (!closed_) {
            // First come, first served: with many more requests than connections, waking all
            // and letting any one win left some waiting for seconds.
            Waiter waiter;
            waiters_.push_back(&waiter);
            waiter.woken.wait(lock, [&] { return waiter.granted || closed_; });
            if (waiter.granted) {
                database = std::move(waiter.database);
                granted = true;
            } else {
                waiters_.erase(std::find(waiters_.begin(), waiters_.end(), &waiter));
                released_.notify_all();
            }
        }
        if (!granted) {
            error = "the store is closed";
            return false;
        }
    }
    if (database == nullptr) {
        database = Database::open(location_, error);
    }
    const bool ok = database != nullptr && work(*database, error);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        // A connection that failed may be broken; a fresh one is opened by the next user.
        if (database != nullptr && !ok && !database->healthy()) {
            database.reset();
        }
        if (!waiters_.empty() && !closed_) {
            // Handed on, or the right to open one: the slot stays counted.
            Waiter* next = waiters_.front();
            waiters_.pop_front();
            next->database = std::move(database);
            next->granted = true;
            next->woken.notify_one();
        } else if (database != nullptr) {
            idle_.push_back(std::move(database));
        } else {
            --open_;
        }
    }
    released_.notify_all();
    return ok;
}

bool ServiceStore::inGroupCommit(const std::function<bool(Database&, std::string&)>& work,
                                 bool durable, std::string& error) {
    if (shared()) {
        return inTransaction(work, error);
    }
    // SQLite has one connection: writers queue up, and whoever takes the connection commits
    // all that queued meanwhile in one transaction (one sync), each in a savepoint of its own.
    Pending mine;
    mine.work = &work;
    mine.durable = durable;
    std::unique_lock<std::mutex> lock(groupMutex_);
    pending_.push_back(&mine);
    for (;;) {
        groupDone_.wait(lock, [&] { return mine.done || !leading_; });
        if (mine.done) {
            error = mine.error;
            return mine.ok;
        }
        leading_ = true;
        std::vector<Pending*> group;
        group.swap(pending_);
        lock.unlock();
        commitGroup(group);
        lock.lock();
        for (Pending* pending : group) {
            pending->done = true;
        }
        leading_ = false;
        groupDone_.notify_all();
    }
}

void ServiceStore::commitGroup(const std::vector<Pending*>& group) {
    const bool durable =
        std::any_of(group.begin(), group.end(), [](const Pending* p) { return p->durable; });
    std::string failure;
    const bool committed = withDatabase(
        [&](Database& database, std::string& error) {
            if (durable && !database.execute("PRAGMA synchronous=FULL", error)) {
                return false;
            }
            bool ok = database.beginWrite(error);
            for (std::size_t i = 0; ok && i < group.size(); ++i) {
                Pending& pending = *group[i];
                std::string ignored;
                if (!database.execute("SAVEPOINT one", pending.error)) {
                    continue;
                }
                pending.ok = (*pending.work)(database, pending.error);
                if (!pending.ok) {
                    database.execute("ROLLBACK TO one", ignored);
                }
                database.execute("RELEASE one", ignored);
            }
            ok = ok && database.commit(error);
            std::string ignored;
            if (durable) {
                database.execute("PRAGMA synchronous=NORMAL", ignored);
            }
            return ok;
        },
        failure);
    for (Pending* pending : group) {
        if (!committed) {
            pending->ok = false;
            pending->error = failure;
        }
    }
}

bool ServiceStore::inTransaction(const std::function<bool(Database&, std::string&)>& work,
                                 std::string& error) {
    return withDatabase(
        [&](Database& database, std::string& failure) {
            if (!database.beginWrite(failure)) {
                return false;
            }
            if (!work(database, failure)) {
                database.rollback();
                return false;
            }
            return database.commit(failure);
        },
        error);
}

bool ServiceStore::recordInstallation(const AuthRecord& record, std::int64_t now,
                                      std::string& error) {
    return inGroupCommit(
        [&](Database& database, std::string& failure) {
            Database::Statement* upsert = nullptr;
            if (!prepared(database,
                          "INSERT INTO installations (appid, hwid, product, version, os, arch,"
                          " locale, locale_os, first_seen, last_seen, auth_count)"
                          " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?9, 1)"
                          " ON CONFLICT (appid) DO UPDATE SET hwid = ?2, product = ?3,"
                          " version = ?4, os = ?5, arch = ?6, locale = ?7, locale_os = ?8,"
                          " last_seen = ?9, auth_count = installations.auth_count + 1",
                          upsert, failure)) {
                return false;
            }
            upsert->bind(1, record.appid);
            upsert->bind(2, record.hwid);
            upsert->bind(3, record.product);
            upsert->bind(4, record.version);
            upsert->bind(5, record.os);
            upsert->bind(6, record.arch);
            upsert->bind(7, record.locale);
            upsert->bind(8, record.localeOs);
            upsert->bind(9, now);
            return upsert->run() || fail(database, failure);
        },
        false, error);
}

bool ServiceStore::recordSettingsFetches(const std::vector<SettingsFetch>& fetches,
                                         std::string& error) {
    return inTransaction(
        [&](Database& database, std::string& failure) {
            Database::Statement* touch = nullptr;
            if (!prepared(database,
                          "UPDATE installations SET ppg = ?2, settings_fetched = ?3,"
                          " last_seen = ?3 WHERE appid = ?1",
                          touch, failure)) {
                return false;
            }
            for (const SettingsFetch& fetch : fetches) {
                touch->bind(1, fetch.appid);
                touch->bind(2, fetch.ppg);
                touch->bind(3, fetch.at);
                if (!touch->run()) {
                    return fail(database, failure);
                }
            }
            return true;
        },
        error);
}

bool ServiceStore::recordHits(const std::vector<std::string>& hits, std::int64_t now,
                              std::string& error) {
    return inTransaction(
        [&](Database& database, std::string& failure) {
            Database::Statement* insert = nullptr;
            if (!prepared(database, "INSERT INTO hits (received_at, line) VALUES (?1, ?2)", insert,
                          failure)) {
                return false;
            }
            for (const std::string& hit : hits) {
                insert->bind(1, now);
                insert->bind(2, hit);
                if (!insert->run()) {
                    return fail(database, failure);
                }
            }
            return true;
        },
        error);
}

bool ServiceStore::installation(const std::string& appid, std::string& arch, std::string& os,
                                bool& found, std::string& error) {
    found = false;
    return withDatabase(
        [&](Database& database, std::string& failure) {
            Database::Statement* query = nullptr;
            if (!prepared(database, "SELECT arch, os FROM installations WHERE appid = ?1", query,
                          failure)) {
                return false;
            }
            query->bind(1, appid);
            while (query->next()) {
                arch = query->text(0);
                os = query->text(1);
                found = true;
            }
            return !query->failed() || fail(database, failure);
        },
        error);
}

bool ServiceStore::recordScan(const std::string& appid, std::int64_t now, std::size_t deviceCount,
                              std::int64_t& scanId, std::string& error) {
    return inGroupCommit(
        [&](Database& database, std::string& failure) {
            Database::Statement* insert = nullptr;
            if (!prepared(database,
                          "INSERT INTO scans (appid, created_at, device_count)"
                          " VALUES (?1, ?2, ?3) RETURNING id",
                          insert, failure)) {
                return false;
            }
            insert->bind(1, appid);
            insert->bind(2, now);
            insert->bind(3, static_cast<std::int64_t>(deviceCount));
            while (insert->next()) {
                scanId = insert->integer(0);
            }
            return !insert->failed() || fail(database, failure);
        },
        false, error);
}

ServiceStore::ReportOutcome ServiceStore::recordInstallReport(const InstallReport& report,
                                                              std::string& error) {
    bool stored = false;
    // Answered as stored, a report is not sent again, so it must survive a power cut too: a
    // durable commit (SQLite syncs it fully; PostgreSQL always does).
    const bool ok = inGroupCommit(
        [&](Database& database, std::string& failure) {
            Database::Statement* insert = nullptr;
            if (!prepared(database,
                          "INSERT INTO install_reports (received_at, appid, scan_id, inf_sha1,"
                          " error_code, system_error_code) SELECT ?1, ?2, ?3, ?4, ?5, ?6"
                          " FROM scans WHERE id = ?3 AND appid = ?2 RETURNING id",
                          insert, failure)) {
                return false;
            }
            insert->bind(1, report.receivedAt);
            insert->bind(2, report.appid);
            insert->bind(3, report.scanId);
            insert->bind(4, report.infSha1);
            insert->bind(5, report.errorCode);
            insert->bind(6, report.systemErrorCode);
            while (insert->next()) {
                stored = true;
            }
            return !insert->failed() || fail(database, failure);
        },
        true, error);
    return !ok      ? ReportOutcome::Failed
           : stored ? ReportOutcome::Stored
                    : ReportOutcome::UnknownScan;
}

bool ServiceStore::summariseInstallReports(std::vector<DriverSummary>& drivers,
                                           std::string& error) {
    drivers.clear();
    std::map<std::string, DriverSummary> bySha1;
    const bool ok = withDatabase(
        [&](Database& database, std::string& failure) {
            Database::Statement* codes = nullptr;
            Database::Statement* name = nullptr;
            if (!prepared(database,
                          "SELECT inf_sha1, error_code, system_error_code, COUNT(*)"
                          " FROM install_reports GROUP BY inf_sha1, error_code, system_error_code"
                          " ORDER BY inf_sha1, COUNT(*) DESC, error_code, system_error_code",
                          codes, failure) ||
                !prepared(database, "SELECT path FROM infs WHERE sha1 = ?1 ORDER BY id LIMIT 1",
                          name, failure)) {
                return false;
            }
            while (codes->next()) {
                DriverSummary& driver = bySha1[codes->text(0)];
                driver.infSha1 = codes->text(0);
                const std::int64_t errorCode = codes->integer(1);
                const std::int64_t systemErrorCode = codes->integer(2);
                const std::int64_t count = codes->integer(3);
                if (errorCode == 0 && systemErrorCode == 0) {
                    driver.installs += count;
                    continue;
                }
                driver.failures += count;
                if (driver.topCodes.size() < kTopCodes) {
                    driver.topCodes.push_back({errorCode, systemErrorCode, count});
                }
            }
            if (codes->failed()) {
                return fail(database, failure);
            }
            for (auto& entry : bySha1) {
                name->bind(1, entry.first);
                while (name->next()) {
                    entry.second.infPath = name->text(0);
                }
                if (name->failed()) {
                    return fail(database, failure);
                }
            }
            return true;
        },
        error);
    if (!ok) {
        return false;
    }
    for (auto& entry : bySha1) {
        drivers.push_back(std::move(entry.second));
    }
    std::stable_sort(
        drivers.begin(), drivers.end(), [](const DriverSummary& a, const DriverSummary& b) {
            return a.failures != b.failures ? a.failures > b.failures : a.installs > b.installs;
        });
    return true;
}

bool ServiceStore::signingSecret(std::string& secret, std::string& error) {
    unsigned char random[32];
    if (RAND_bytes(random, sizeof random) != 1) {
        error = "no random bytes for the token secret";
        return false;
    }
    // Instances starting together may both offer a secret; the store keeps the first.
    std::string stored;
    const bool ok = withDatabase(
        [&](Database& database, std::string& failure) {
            Database::Statement* offer = nullptr;
            Database::Statement* read = nullptr;
            if (!prepared(database,
                          "INSERT INTO signing_keys (id, secret, created_at) VALUES (1, ?1, ?2)"
                          " ON CONFLICT (id) DO NOTHING",
                          offer, failure) ||
                !prepared(database, "SELECT secret FROM signing_keys WHERE id = 1", read,
                          failure)) {
                return false;
            }
            offer->bind(1, hex(random, sizeof random));
            offer->bind(2, static_cast<std::int64_t>(std::time(nullptr)));
            if (!offer->run()) {
                return fail(database, failure);
            }
            while (read->next()) {
                stored = read->text(0);
            }
            return !read->failed() || fail(database, failure);
        },
        error);
    if (!ok) {
        return false;
    }
    if (!unhex(stored, secret) || secret.size() != sizeof random) {
        error = "the stored token signing key is damaged";
        return false;
    }
    return true;
}

bool ServiceStore::catalogVersion(std::int64_t& version, std::string& error) {
    version = 0;
    return withDatabase(
        [&](Database& database, std::string& failure) {
            Database::Statement* query = nullptr;
            if (!prepared(database, "SELECT version FROM catalog_state WHERE id = 1", query,
                          failure)) {
                return false;
            }
            while (query->next()) {
                version = query->integer(0);
            }
            return !query->failed() || fail(database, failure);
        },
        error);
}

bool ServiceStore::bumpCatalogVersion(std::string& error) {
    return withDatabase(
        [&](Database& database, std::string& failure) {
            return database.execute(
                "INSERT INTO catalog_state (id, version) VALUES (1, 1)"
                " ON CONFLICT (id) DO UPDATE SET"
                " version = catalog_state.version + 1",
                failure);
        },
        error);
}

bool ServiceStore::loadCatalog(std::shared_ptr<CatalogSnapshot>& snapshot, std::string& error) {
    // A connection of its own: a long read must hold up no request.
    std::unique_ptr<Database> database = Database::open(location_, error);
    if (database == nullptr) {
        return false;
    }
    const bool sqlite = database->dialect() == Database::Dialect::Sqlite;
    if (!database->execute(sqlite ? "BEGIN" : "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY",
                           error)) {
        return false;
    }
    Database::Statement* version = nullptr;
    Database::Statement* infs = nullptr;
    Database::Statement* sections = nullptr;
    Database::Statement* lines = nullptr;
    if (!prepared(*database, "SELECT version FROM catalog_state WHERE id = 1", version, error) ||
        !prepared(*database,
                  "SELECT i.id, i.path, i.sha1, i.class, i.provider, i.driver_date,"
                  " i.driver_version, i.signed_x86, i.signed_x64, p.sha1, p.size"
                  " FROM infs i JOIN packages p ON p.id = i.package_id",
                  infs, error) ||
        !prepared(*database, "SELECT id, inf_id, manufacturer, decoration FROM sections", sections,
                  error) ||
        !prepared(*database,
                  "SELECT x.norm_id, m.inf_id, m.section_id, m.feature_score, x.position"
                  " FROM model_ids x JOIN models m ON m.id = x.model_id",
                  lines, error)) {
        return false;
    }
    std::int64_t number = 0;
    while (version->next()) {
        number = version->integer(0);
    }
    auto built = std::make_shared<CatalogSnapshot>(number);
    while (!version->failed() && infs->next()) {
        CatalogSnapshot::Inf inf;
        inf.id = infs->integer(0);
        inf.path = infs->text(1);
        inf.sha1 = infs->text(2);
        inf.className = infs->text(3);
        inf.provider = infs->text(4);
        inf.date = infs->text(5);
        inf.version = infs->text(6);
        inf.signedX86 = infs->integer(7) != 0;
        inf.signedX64 = infs->integer(8) != 0;
        inf.packageSha1 = infs->text(9);
        inf.packageSize = infs->integer(10);
        built->addInf(std::move(inf));
    }
    while (!infs->failed() && sections->next()) {
        built->addSection(sections->integer(0), sections->integer(1), sections->integer(2),
                          sections->text(3));
    }
    while (!sections->failed() && lines->next()) {
        built->addLine(lines->text(0), lines->integer(1), lines->integer(2),
                       static_cast<std::uint32_t>(lines->integer(3)),
                       static_cast<std::uint32_t>(lines->integer(4)));
    }
    if (version->failed() || infs->failed() || sections->failed() || lines->failed()) {
        return fail(*database, error);
    }
    database->rollback();
    snapshot = std::move(built);
    return true;
}

namespace {

// A PostgreSQL array literal of texts, for unnest(): each element quoted, \ and " escaped.
class ArrayLiteral {
public:
    void add(const std::string& text) {
        text_ += text_.empty() ? "{\"" : ",\"";
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                text_ += '\\';
            }
            text_ += c;
        }
        text_ += '"';
    }
    void add(std::int64_t value) { add(std::to_string(value)); }
    std::string text() const { return text_.empty() ? "{}" : text_ + "}"; }

private:
    std::string text_;
};

// The next count ids of table's identity, in one round trip.
bool reserveIds(Database& database, const char* table, std::size_t count, std::int64_t& first,
                std::vector<std::int64_t>& ids, std::string& error) {
    ids.clear();
    Database::Statement* reserve = nullptr;
    if (!prepared(database,
                  std::string("SELECT nextval(pg_get_serial_sequence('") + table +
                      "', 'id')) FROM generate_series(1, ?1)",
                  reserve, error)) {
        return false;
    }
    reserve->bind(1, static_cast<std::int64_t>(count));
    while (reserve->next()) {
        ids.push_back(reserve->integer(0));
    }
    first = ids.empty() ? 0 : ids.front();
    return !reserve->failed() || fail(database, error);
}

// One INSERT ... SELECT FROM unnest(...) of columns.size() arrays.
bool insertArrays(Database& database, const std::string& sql,
                  const std::vector<ArrayLiteral>& columns, std::string& error) {
    Database::Statement* insert = nullptr;
    if (!prepared(database, sql, insert, error)) {
        return false;
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        insert->bind(static_cast<int>(i + 1), columns[i].text());
    }
    return insert->run() || fail(database, error);
}

}  // namespace

bool ServiceStore::storePackage(const CatalogPackage& package, std::int64_t now,
                                std::string& error) {
    return storePackages({package}, now, error);
}

bool ServiceStore::storePackages(const std::vector<CatalogPackage>& batch, std::int64_t now,
                                 std::string& error) {
    // A later package replaces an earlier one of the same SHA-1 or path, as one at a time would.
    std::vector<const CatalogPackage*> packages;
    std::set<std::string> sha1s;
    std::set<std::string> paths;
    for (auto it = batch.rbegin(); it != batch.rend(); ++it) {
        const bool newSha1 = sha1s.insert(it->sha1).second;
        const bool newPath = paths.insert(it->path).second;
        if (newSha1 && newPath) {
            packages.insert(packages.begin(), &*it);
        }
    }
    return inTransaction(
        [&](Database& database, std::string& failure) {
            if (database.dialect() == Database::Dialect::Sqlite) {
                for (const CatalogPackage* package : packages) {
                    if (!insertPackageRows(database, *package, now, failure)) {
                        return false;
                    }
                }
                return true;
            }
            return insertPackageArrays(database, packages, now, failure);
        },
        error);
}

bool ServiceStore::insertPackageArrays(Database& database,
                                       const std::vector<const CatalogPackage*>& packages,
                                       std::int64_t now, std::string& error) {
    // A round trip per table, not per row: ids are reserved first, rows go as arrays.
    std::size_t infCount = 0;
    std::size_t sectionCount = 0;
    std::size_t modelCount = 0;
    for (const CatalogPackage* package : packages) {
        infCount += package->infs.size();
        for (const CatalogPackage::Inf& inf : package->infs) {
            sectionCount += inf.sections.size();
            for (const CatalogPackage::Section& section : inf.sections) {
                modelCount += section.models.size();
            }
        }
    }
    std::vector<ArrayLiteral> removed(2);
    for (const CatalogPackage* package : packages) {
        removed[0].add(package->sha1);
        removed[1].add(package->path);
    }
    std::vector<std::int64_t> packageIds, infIds, sectionIds, modelIds;
    std::int64_t first = 0;
    if (!insertArrays(database,
                      "DELETE FROM packages WHERE sha1 = ANY(?1::text[]) OR path = ANY(?2::text[])",
                      removed, error) ||
        !reserveIds(database, "packages", packages.size(), first, packageIds, error) ||
        !reserveIds(database, "infs", infCount, first, infIds, error) ||
        !reserveIds(database, "sections", sectionCount, first, sectionIds, error) ||
        !reserveIds(database, "models", modelCount, first, modelIds, error)) {
        return false;
    }
    std::vector<ArrayLiteral> packageRows(5), infRows(12), sectionRows(10), modelRows(7), idRows(4);
    std::size_t nextInf = 0, nextSection = 0, nextModel = 0;
    for (std::size_t p = 0; p < packages.size(); ++p) {
        const CatalogPackage& package = *packages[p];
        packageRows[0].add(packageIds[p]);
        packageRows[1].add(package.sha1);
        packageRows[2].add(static_cast<std::int64_t>(package.size));
        packageRows[3].add(package.path);
        packageRows[4].add(now);
        for (const CatalogPackage::Inf& inf : package.infs) {
            const std::int64_t infId = infIds[nextInf++];
            const std::string fields[] = {inf.path,     inf.sha1, inf.className, inf.classGuid,
                                          inf.provider, inf.date, inf.version,   inf.catalogs};
            infRows[0].add(infId);
            infRows[1].add(packageIds[p]);
            for (std::size_t f = 0; f < 8; ++f) {
                infRows[2 + f].add(fields[f]);
            }
            infRows[10].add(std::int64_t(inf.signedX86 ? 1 : 0));
            infRows[11].add(std::int64_t(inf.signedX64 ? 1 : 0));
            for (const CatalogPackage::Section& section : inf.sections) {
                const std::int64_t sectionId = sectionIds[nextSection++];
                sectionRows[0].add(sectionId);
                sectionRows[1].add(infId);
                sectionRows[2].add(std::int64_t(section.manufacturer));
                sectionRows[3].add(section.name);
                sectionRows[4].add(section.decoration);
                sectionRows[5].add(section.parsed.arch);
                sectionRows[6].add(std::int64_t(section.parsed.major));
                sectionRows[7].add(std::int64_t(section.parsed.minor));
                sectionRows[8].add(std::int64_t(section.parsed.productType));
                sectionRows[9].add(section.parsed.build);
                for (const CatalogPackage::Model& model : section.models) {
                    const std::int64_t modelId = modelIds[nextModel++];
                    modelRows[0].add(modelId);
                    modelRows[1].add(sectionId);
                    modelRows[2].add(infId);
                    modelRows[3].add(std::int64_t(model.line));
                    modelRows[4].add(model.description);
                    modelRows[5].add(model.installSection);
                    modelRows[6].add(std::int64_t(model.featureScore));
                    for (std::size_t position = 0; position < model.ids.size(); ++position) {
                        idRows[0].add(modelId);
                        idRows[1].add(static_cast<std::int64_t>(position));
                        idRows[2].add(model.ids[position]);
                        idRows[3].add(CatalogRanking::normaliseId(model.ids[position]));
                    }
                }
            }
        }
    }
    return insertArrays(database,
                        "INSERT INTO packages (id, sha1, size, path, indexed_at)"
                        " SELECT * FROM unnest(?1::bigint[], ?2::text[], ?3::bigint[],"
                        " ?4::text[], ?5::bigint[])",
                        packageRows, error) &&
           insertArrays(database,
                        "INSERT INTO infs (id, package_id, path, sha1, class, class_guid,"
                        " provider, driver_date, driver_version, catalogs, signed_x86, signed_x64)"
                        " SELECT * FROM unnest(?1::bigint[], ?2::bigint[], ?3::text[], ?4::text[],"
                        " ?5::text[], ?6::text[], ?7::text[], ?8::text[], ?9::text[], ?10::text[],"
                        " ?11::bigint[], ?12::bigint[])",
                        infRows, error) &&
           insertArrays(database,
                        "INSERT INTO sections (id, inf_id, manufacturer, name, decoration, arch,"
                        " os_major, os_minor, product_type, build)"
                        " SELECT * FROM unnest(?1::bigint[], ?2::bigint[], ?3::bigint[],"
                        " ?4::text[], ?5::text[], ?6::text[], ?7::bigint[], ?8::bigint[],"
                        " ?9::bigint[], ?10::bigint[])",
                        sectionRows, error) &&
           insertArrays(database,
                        "INSERT INTO models (id, section_id, inf_id, line, description,"
                        " install_section, feature_score)"
                        " SELECT * FROM unnest(?1::bigint[], ?2::bigint[], ?3::bigint[],"
                        " ?4::bigint[], ?5::text[], ?6::text[], ?7::bigint[])",
                        modelRows, error) &&
           insertArrays(database,
                        "INSERT INTO model_ids (model_id, position, id, norm_id)"
                        " SELECT * FROM unnest(?1::bigint[], ?2::bigint[], ?3::text[], ?4::text[])"
                        " ON CONFLICT DO NOTHING",
                        idRows, error);
}

bool ServiceStore::insertPackageRows(Database& database, const CatalogPackage& package,
                                     std::int64_t now, std::string& error) {
    Database::Statement* remove = nullptr;
    Database::Statement* insertPackage = nullptr;
    Database::Statement* insertInf = nullptr;
    Database::Statement* insertSection = nullptr;
    Database::Statement* insertModel = nullptr;
    Database::Statement* insertId = nullptr;
    if (!prepared(database, "DELETE FROM packages WHERE sha1 = ?1 OR path = ?2", remove, error) ||
        !prepared(database,
                  "INSERT INTO packages (sha1, size, path, indexed_at)"
                  " VALUES (?1, ?2, ?3, ?4) RETURNING id",
                  insertPackage, error) ||
        !prepared(database,
                  "INSERT INTO infs (package_id, path, sha1, class, class_guid, provider,"
                  " driver_date, driver_version, catalogs, signed_x86, signed_x64)"
                  " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11) RETURNING id",
                  insertInf, error) ||
        !prepared(database,
                  "INSERT INTO sections (inf_id, manufacturer, name, decoration, arch,"
                  " os_major, os_minor, product_type, build)"
                  " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9) RETURNING id",
                  insertSection, error) ||
        !prepared(database,
                  "INSERT INTO models (section_id, inf_id, line, description,"
                  " install_section, feature_score) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"
                  " RETURNING id",
                  insertModel, error) ||
        !prepared(database,
                  "INSERT INTO model_ids (model_id, position, id, norm_id)"
                  " VALUES (?1, ?2, ?3, ?4) ON CONFLICT DO NOTHING",
                  insertId, error)) {
        return false;
    }
    const auto inserted = [&](Database::Statement* statement, std::int64_t& id) {
        id = 0;
        while (statement->next()) {
            id = statement->integer(0);
        }
        return !statement->failed() || fail(database, error);
    };
    remove->bind(1, package.sha1);
    remove->bind(2, package.path);
    insertPackage->bind(1, package.sha1);
    insertPackage->bind(2, static_cast<std::int64_t>(package.size));
    insertPackage->bind(3, package.path);
    insertPackage->bind(4, now);
    std::int64_t packageId = 0;
    if (!(remove->run() || fail(database, error)) || !inserted(insertPackage, packageId)) {
        return false;
    }
    for (const CatalogPackage::Inf& inf : package.infs) {
        insertInf->bind(1, packageId);
        insertInf->bind(2, inf.path);
        insertInf->bind(3, inf.sha1);
        insertInf->bind(4, inf.className);
        insertInf->bind(5, inf.classGuid);
        insertInf->bind(6, inf.provider);
        insertInf->bind(7, inf.date);
        insertInf->bind(8, inf.version);
        insertInf->bind(9, inf.catalogs);
        insertInf->bind(10, std::int64_t(inf.signedX86 ? 1 : 0));
        insertInf->bind(11, std::int64_t(inf.signedX64 ? 1 : 0));
        std::int64_t infId = 0;
        if (!inserted(insertInf, infId)) {
            return false;
        }
        for (const CatalogPackage::Section& section : inf.sections) {
            insertSection->bind(1, infId);
            insertSection->bind(2, std::int64_t(section.manufacturer));
            insertSection->bind(3, section.name);
            insertSection->bind(4, section.decoration);
            insertSection->bind(5, section.parsed.arch);
            insertSection->bind(6, std::int64_t(section.parsed.major));
            insertSection->bind(7, std::int64_t(section.parsed.minor));
            insertSection->bind(8, std::int64_t(section.parsed.productType));
            insertSection->bind(9, section.parsed.build);
            std::int64_t sectionId = 0;
            if (!inserted(insertSection, sectionId)) {
                return false;
            }
            for (const CatalogPackage::Model& model : section.models) {
                insertModel->bind(1, sectionId);
                insertModel->bind(2, infId);
                insertModel->bind(3, std::int64_t(model.line));
                insertModel->bind(4, model.description);
                insertModel->bind(5, model.installSection);
                insertModel->bind(6, std::int64_t(model.featureScore));
                std::int64_t modelId = 0;
                if (!inserted(insertModel, modelId)) {
                    return false;
                }
                for (std::size_t position = 0; position < model.ids.size(); ++position) {
                    insertId->bind(1, modelId);
                    insertId->bind(2, static_cast<std::int64_t>(position));
                    insertId->bind(3, model.ids[position]);
                    insertId->bind(4, CatalogRanking::normaliseId(model.ids[position]));
                    if (!insertId->run()) {
                        return fail(database, error);
                    }
                }
            }
        }
    }
    return true;
}

bool ServiceStore::indexedPackages(std::vector<IndexedPackage>& packages, std::string& error) {
    packages.clear();
    return withDatabase(
        [&](Database& database, std::string& failure) {
            Database::Statement* query = nullptr;
            if (!prepared(database, "SELECT id, sha1, path, size FROM packages ORDER BY path",
                          query, failure)) {
                return false;
            }
            while (query->next()) {
                packages.push_back(
                    {query->integer(0), query->text(1), query->text(2), query->integer(3)});
            }
            return !query->failed() || fail(database, failure);
        },
        error);
}

bool ServiceStore::removePackage(std::int64_t id, std::string& error) {
    return withDatabase(
        [&](Database& database, std::string& failure) {
            Database::Statement* remove = nullptr;
            if (!prepared(database, "DELETE FROM packages WHERE id = ?1", remove, failure)) {
                return false;
            }
            remove->bind(1, id);
            return remove->run() || fail(database, failure);
        },
        error);
}

bool ServiceStore::uploadedArchives(std::vector<std::string>& hashes, std::string& error) {
    hashes.clear();
    return withDatabase(
        [&](Database& database, std::string& failure) {
            Database::Statement* query = nullptr;
            if (!prepared(database, "SELECT hash FROM upload_archives", query, failure)) {
                return false;
            }
            while (query->next()) {
                hashes.push_back(query->text(0));
            }
            return !query->failed() || fail(database, failure);
        },
        error);
}

bool ServiceStore::heldArchives(const std::vector<std::string>& hashes,
                                std::vector<std::string>& held, std::string& error) {
    if (hashes.empty()) {
        return true;
    }
    std::string sql = "SELECT hash FROM upload_archives WHERE hash IN (?1";
    for (std::size_t i = 2; i <= kHashBatch; ++i) {
        sql += ", ?" + std::to_string(i);
    }
    sql += ")";
    return withDatabase(
        [&](Database& database, std::string& failure) {
            Database::Statement* query = nullptr;
            if (!prepared(database, sql, query, failure)) {
                return false;
            }
            for (std::size_t start = 0; start < hashes.size(); start += kHashBatch) {
                for (std::size_t i = 0; i < kHashBatch; ++i) {
                    query->bind(static_cast<int>(i + 1),
                                hashes[std::min(start + i, hashes.size() - 1)]);
                }
                while (query->next()) {
                    held.push_back(query->text(0));
                }
                if (query->failed()) {
                    return fail(database, failure);
                }
            }
            return true;
        },
        error);
}

bool ServiceStore::recordUploadedArchives(
    const std::vector<std::pair<std::string, std::int64_t>>& archives, std::int64_t now,
    std::string& error) {
    if (archives.empty()) {
        return true;
    }
    return inTransaction(
        [&](Database& database, std::string& failure) {
            return runForRows(
                database, kInsertArchive, archives.size(),
                [&](Database::Statement& insert, std::size_t row) {
                    insert.bind(1, archives[row].first);
                    insert.bind(2, archives[row].second);
                    insert.bind(3, now);
                },
                failure);
        },
        error);
}

bool ServiceStore::recordUploadHoldings(const std::string& appid,
                                        const std::vector<std::string>& hashes, std::int64_t now,
                                        std::string& error) {
    if (hashes.empty()) {
        return true;
    }
    return inTransaction(
        [&](Database& database, std::string& failure) {
            return runForRows(
                database, kInsertHolding, hashes.size(),
                [&](Database::Statement& insert, std::size_t row) {
                    insert.bind(1, appid);
                    insert.bind(2, hashes[row]);
                    insert.bind(3, now);
                },
                failure);
        },
        error);
}

bool ServiceStore::uploadTotals(UploadTotals& totals, std::string& error) {
    totals = UploadTotals();
    return withDatabase(
        [&](Database& database, std::string& failure) {
            Database::Statement* archives = nullptr;
            Database::Statement* holdings = nullptr;
            if (!prepared(database, "SELECT count(*), coalesce(sum(size), 0) FROM upload_archives",
                          archives, failure) ||
                !prepared(database, "SELECT count(DISTINCT appid), count(*) FROM upload_holdings",
                          holdings, failure)) {
                return false;
            }
            while (archives->next()) {
                totals.archives = archives->integer(0);
                totals.bytes = archives->integer(1);
            }
            while (!archives->failed() && holdings->next()) {
                totals.installations = holdings->integer(0);
                totals.holdings = holdings->integer(1);
            }
            return !(archives->failed() || holdings->failed()) || fail(database, failure);
        },
        error);
}

bool ServiceStore::adoptUploads(const std::string& sqliteFile, std::int64_t& adopted,
                                std::string& error) {
    adopted = 0;
    struct stat info {};
    if (!shared() || ::stat(sqliteFile.c_str(), &info) != 0) {
        return true;
    }
    std::unique_ptr<Database> old = Database::open(sqliteFile, error);
    if (old == nullptr) {
        return false;
    }
    Database::Statement* tables = nullptr;
    if (!prepared(*old,
                  "SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                  " AND name IN ('upload_archives', 'upload_holdings')",
                  tables, error)) {
        return false;
    }
    std::int64_t found = 0;
    while (tables->next()) {
        found = tables->integer(0);
    }
    if (tables->failed()) {
        return fail(*old, error);
    }
    if (found != 2) {
        return true;
    }
    // Read in one transaction, written in one: a failure leaves both as they were.
    Database::Statement* archives = nullptr;
    Database::Statement* holdings = nullptr;
    std::vector<std::pair<std::string, std::int64_t>> archiveRows;
    std::vector<std::int64_t> receivedAt;
    std::vector<std::array<std::string, 2>> holdingRows;
    std::vector<std::int64_t> recordedAt;
    if (!old->beginWrite(error) ||
        !prepared(*old, "SELECT hash, size, received_at FROM upload_archives", archives, error) ||
        !prepared(*old, "SELECT appid, hash, recorded_at FROM upload_holdings", holdings, error)) {
        old->rollback();
        return false;
    }
    while (archives->next()) {
        archiveRows.emplace_back(archives->text(0), archives->integer(1));
        receivedAt.push_back(archives->integer(2));
    }
    while (!archives->failed() && holdings->next()) {
        holdingRows.push_back({holdings->text(0), holdings->text(1)});
        recordedAt.push_back(holdings->integer(2));
    }
    if (archives->failed() || holdings->failed()) {
        fail(*old, error);
        old->rollback();
        return false;
    }
    const bool copied = inTransaction(
        [&](Database& database, std::string& failure) {
            return runForRows(
                       database, kInsertArchive, archiveRows.size(),
                       [&](Database::Statement& insert, std::size_t row) {
                           insert.bind(1, archiveRows[row].first);
                           insert.bind(2, archiveRows[row].second);
                           insert.bind(3, receivedAt[row]);
                       },
                       failure) &&
                   runForRows(
                       database, kInsertHolding, holdingRows.size(),
                       [&](Database::Statement& insert, std::size_t row) {
                           insert.bind(1, holdingRows[row][0]);
                           insert.bind(2, holdingRows[row][1]);
                           insert.bind(3, recordedAt[row]);
                       },
                       failure);
        },
        error);
    // The old rows stay, under names no later start adopts again; a crash before the rename
    // only adopts the same rows twice, which changes nothing.
    if (!copied ||
        !old->execute("ALTER TABLE upload_archives RENAME TO upload_archives_adopted;"
                      "ALTER TABLE upload_holdings RENAME TO upload_holdings_adopted",
                      error) ||
        !old->commit(error)) {
        old->rollback();
        error = sqliteFile + ": " + error;
        return false;
    }
    adopted = static_cast<std::int64_t>(archiveRows.size() + holdingRows.size());
    return true;
}

}  // namespace Service

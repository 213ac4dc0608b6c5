#include "catalog.h"

#include <sqlite3.h>

#include "sqlitestatement.h"

namespace Service {

namespace CR = CatalogRanking;

namespace {

const char kSchema[] =
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
    " created_at INTEGER NOT NULL, device_count INTEGER NOT NULL);"
    "CREATE TABLE IF NOT EXISTS catalog_state ("
    " id INTEGER PRIMARY KEY CHECK (id = 1), version INTEGER NOT NULL);";

}  // namespace

struct Catalog::Statements {
    SqliteStatement version;
    SqliteStatement installation;
    SqliteStatement scan;
};

Catalog::Catalog() = default;

Catalog::~Catalog() {
    close();
}

bool Catalog::createSchema(sqlite3* db, std::string& error) {
    return executeSql(db,
                      "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;"
                      " PRAGMA foreign_keys=ON;",
                      error) &&
           executeSql(db, kSchema, error);
}

bool Catalog::bumpVersion(sqlite3* db, std::string& error) {
    return executeSql(db,
                      "INSERT INTO catalog_state (id, version) VALUES (1, 1)"
                      " ON CONFLICT (id) DO UPDATE SET version = catalog_state.version + 1",
                      error);
}

bool Catalog::open(const std::string& path, std::string& error) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        error = "cannot open " + path + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory");
        sqlite3_close(db_);
        db_ = nullptr;
        return false;
    }
    sqlite3_busy_timeout(db_, 5000);
    if (!createSchema(db_, error)) {
        error = "catalogue tables in " + path + ": " + error;
        return false;
    }
    path_ = path;
    statements_ = std::make_unique<Statements>();
    Statements& s = *statements_;
    const bool prepared =
        s.version.prepare(db_, "SELECT version FROM catalog_state WHERE id = 1") &&
        s.scan.prepare(db_,
                       "INSERT INTO scans (appid, created_at, device_count) VALUES (?1, ?2, ?3)");
    if (!prepared) {
        error = std::string("catalogue queries: ") + sqlite3_errmsg(db_);
        return false;
    }
    // The installations table belongs to the store, which may not have made it yet.
    s.installation.prepare(db_, "SELECT arch, os FROM installations WHERE appid = ?1");
    lock.unlock();
    if (current(error) == nullptr) {
        error = "cannot load the catalogue from " + path + ": " + error;
        return false;
    }
    return true;
}

void Catalog::close() {
    std::lock_guard<std::mutex> lock(mutex_);
    statements_.reset();
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

bool Catalog::installation(const std::string& appid, std::string& arch, std::string& os,
                           bool& found, std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    found = false;
    if (db_ == nullptr) {
        error = "the catalogue is closed";
        return false;
    }
    SqliteStatement& query = statements_->installation;
    if (!query.valid() &&
        !query.prepare(db_, "SELECT arch, os FROM installations WHERE appid = ?1")) {
        error = sqlite3_errmsg(db_);
        return false;
    }
    query.bind(1, appid);
    while (query.next()) {
        arch = query.text(0);
        os = query.text(1);
        found = true;
    }
    if (query.failed()) {
        error = sqlite3_errmsg(db_);
        return false;
    }
    return true;
}

bool Catalog::recordScan(const std::string& appid, std::int64_t now, std::size_t deviceCount,
                         std::int64_t& scanId, std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (db_ == nullptr) {
        error = "the catalogue is closed";
        return false;
    }
    SqliteStatement& insert = statements_->scan;
    insert.bind(1, appid);
    insert.bind(2, now);
    insert.bind(3, static_cast<std::int64_t>(deviceCount));
    if (!insert.run()) {
        error = sqlite3_errmsg(db_);
        return false;
    }
    scanId = sqlite3_last_insert_rowid(db_);
    return true;
}

std::shared_ptr<const CatalogSnapshot> Catalog::current(std::string& error) {
    std::int64_t version = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (db_ == nullptr) {
            error = "the catalogue is closed";
            return nullptr;
        }
        SqliteStatement& query = statements_->version;
        while (query.next()) {
            version = query.integer(0);
        }
        if (query.failed()) {
            error = sqlite3_errmsg(db_);
            return nullptr;
        }
    }
    std::shared_ptr<const CatalogSnapshot> held;
    {
        std::lock_guard<std::mutex> lock(snapshotMutex_);
        held = snapshot_;
    }
    if (held != nullptr && held->version() == version) {
        return held;
    }
    // Whoever sees a new version first loads it; searches meanwhile keep the last one.
    std::unique_lock<std::mutex> loading(loadMutex_, std::try_to_lock);
    if (!loading.owns_lock() && held != nullptr) {
        return held;
    }
    if (!loading.owns_lock()) {
        loading.lock();
    }
    {
        std::lock_guard<std::mutex> lock(snapshotMutex_);
        if (snapshot_ != nullptr && snapshot_->version() >= version) {
            return snapshot_;
        }
    }
    std::shared_ptr<const CatalogSnapshot> loaded;
    if (!load(version, loaded, error)) {
        return held;
    }
    std::lock_guard<std::mutex> lock(snapshotMutex_);
    snapshot_ = loaded;
    return loaded;
}

bool Catalog::load(std::int64_t version, std::shared_ptr<const CatalogSnapshot>& snapshot,
                   std::string& error) {
    // A connection of its own, so that the load holds up no other request.
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        error = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return false;
    }
    sqlite3_busy_timeout(db, 5000);
    struct Close {
        sqlite3* db;
        ~Close() { sqlite3_close_v2(db); }
    } closeDb{db};
    auto built = std::make_shared<CatalogSnapshot>(version);
    // One read transaction, so the three tables agree with each other and the version.
    if (!executeSql(db, "BEGIN", error)) {
        return false;
    }
    SqliteStatement infs(db,
                         "SELECT i.id, i.path, i.sha1, i.class, i.provider, i.driver_date,"
                         " i.driver_version, i.signed_x86, i.signed_x64, p.sha1, p.size"
                         " FROM infs i JOIN packages p ON p.id = i.package_id");
    SqliteStatement sections(db, "SELECT id, inf_id, manufacturer, decoration FROM sections");
    SqliteStatement lines(db,
                          "SELECT x.norm_id, m.inf_id, m.section_id, m.feature_score, x.position"
                          " FROM model_ids x JOIN models m ON m.id = x.model_id");
    while (infs.next()) {
        CatalogSnapshot::Inf inf;
        inf.id = infs.integer(0);
        inf.path = infs.text(1);
        inf.sha1 = infs.text(2);
        inf.className = infs.text(3);
        inf.provider = infs.text(4);
        inf.date = infs.text(5);
        inf.version = infs.text(6);
        inf.signedX86 = infs.integer(7) != 0;
        inf.signedX64 = infs.integer(8) != 0;
        inf.packageSha1 = infs.text(9);
        inf.packageSize = infs.integer(10);
        built->addInf(std::move(inf));
    }
    while (!infs.failed() && sections.next()) {
        built->addSection(sections.integer(0), sections.integer(1), sections.integer(2),
                          sections.text(3));
    }
    while (!infs.failed() && !sections.failed() && lines.next()) {
        built->addLine(lines.text(0), lines.integer(1), lines.integer(2),
                       static_cast<std::uint32_t>(lines.integer(3)),
                       static_cast<std::uint32_t>(lines.integer(4)));
    }
    if (!infs.valid() || !sections.valid() || !lines.valid() || infs.failed() ||
        sections.failed() || lines.failed()) {
        error = sqlite3_errmsg(db);
        return false;
    }
    std::string ignored;
    executeSql(db, "COMMIT", ignored);
    snapshot = std::move(built);
    return true;
}

Catalog::Found Catalog::find(const std::vector<SearchDevice>& devices, const CR::Platform& platform,
                             std::vector<DeviceOffers>& result, std::size_t& matches,
                             std::string& error) {
    const std::shared_ptr<const CatalogSnapshot> snapshot = current(error);
    if (snapshot == nullptr) {
        return Found::Failed;
    }
    return snapshot->find(devices, platform, result, matches) ? Found::Ok : Found::TooMuchWork;
}

}  // namespace Service

#include "catalog.h"

#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>

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
    " created_at INTEGER NOT NULL, device_count INTEGER NOT NULL);";

struct InfInfo {
    bool loaded = false;
    bool exists = false;
    std::string path;
    std::string sha1;
    std::string className;
    std::string provider;
    std::string date;
    std::string version;
    bool signedX86 = false;
    bool signedX64 = false;
    std::string packageSha1;
    std::int64_t packageSize = 0;
    std::set<std::int64_t> chosenSections;
};

struct Candidate {
    std::int64_t infId = 0;
    std::uint32_t rank = 0xFFFFFFFF;
    std::string hid;
};

}  // namespace

struct Catalog::Statements {
    SqliteStatement hits;
    SqliteStatement inf;
    SqliteStatement sections;
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

bool Catalog::open(const std::string& path, std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
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
    statements_ = std::make_unique<Statements>();
    Statements& s = *statements_;
    const bool prepared =
        s.hits.prepare(db_,
                       "SELECT m.inf_id, m.section_id, m.feature_score, x.position"
                       " FROM model_ids x JOIN models m ON m.id = x.model_id"
                       " WHERE x.norm_id = ?1") &&
        s.inf.prepare(db_,
                      "SELECT i.path, i.sha1, i.class, i.provider, i.driver_date,"
                      " i.driver_version, i.signed_x86, i.signed_x64, p.sha1, p.size"
                      " FROM infs i JOIN packages p ON p.id = i.package_id WHERE i.id = ?1") &&
        s.sections.prepare(db_,
                           "SELECT id, manufacturer, decoration FROM sections WHERE inf_id = ?1") &&
        s.scan.prepare(db_,
                       "INSERT INTO scans (appid, created_at, device_count) VALUES (?1, ?2, ?3)");
    if (!prepared) {
        error = std::string("catalogue queries: ") + sqlite3_errmsg(db_);
        return false;
    }
    // The installations table belongs to the store, which may not have made it yet.
    s.installation.prepare(db_, "SELECT arch, os FROM installations WHERE appid = ?1");
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

bool Catalog::find(const std::vector<SearchDevice>& devices, const CR::Platform& platform,
                   std::vector<DeviceOffers>& result, std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    result.clear();
    if (db_ == nullptr) {
        error = "the catalogue is closed";
        return false;
    }
    Statements& s = *statements_;
    // INFs come up again and again for the devices of one PC; each is read once per search.
    std::unordered_map<std::int64_t, InfInfo> infs;
    const auto infInfo = [&](std::int64_t id) -> const InfInfo* {
        InfInfo& info = infs[id];
        if (info.loaded) {
            return info.exists ? &info : nullptr;
        }
        info.loaded = true;
        s.inf.bind(1, id);
        bool found = false;
        while (s.inf.next()) {
            found = true;
            info.path = s.inf.text(0);
            info.sha1 = s.inf.text(1);
            info.className = s.inf.text(2);
            info.provider = s.inf.text(3);
            info.date = s.inf.text(4);
            info.version = s.inf.text(5);
            info.signedX86 = s.inf.integer(6) != 0;
            info.signedX64 = s.inf.integer(7) != 0;
            info.packageSha1 = s.inf.text(8);
            info.packageSize = s.inf.integer(9);
        }
        info.exists = found;
        if (!found) {
            return nullptr;
        }
        // Per manufacturer line only the section closest to the running system counts.
        std::map<std::int64_t, std::pair<std::int64_t, std::int64_t>> best;
        s.sections.bind(1, id);
        while (s.sections.next()) {
            const std::int64_t section = s.sections.integer(0);
            const std::int64_t manufacturer = s.sections.integer(1);
            const std::int64_t score =
                CR::fitScore(CR::Decoration::parse(s.sections.text(2)), platform);
            if (score < 0) {
                continue;
            }
            const auto known = best.find(manufacturer);
            if (known == best.end() || score > known->second.first) {
                best[manufacturer] = {score, section};
            }
        }
        for (const auto& entry : best) {
            info.chosenSections.insert(entry.second.second);
        }
        return &info;
    };

    for (std::size_t index = 0; index < devices.size(); ++index) {
        const SearchDevice& device = devices[index];
        std::unordered_map<std::int64_t, Candidate> candidates;
        for (int list = 0; list < 2; ++list) {
            const bool deviceCompatible = list == 1;
            const std::vector<std::string>& ids =
                deviceCompatible ? device.compatibleIds : device.hardwareIds;
            for (std::size_t position = 0; position < ids.size(); ++position) {
                const std::string id = CR::normaliseId(ids[position]);
                if (id.empty()) {
                    continue;
                }
                s.hits.bind(1, id);
                struct Hit {
                    std::int64_t inf, section, featureScore, infPosition;
                };
                std::vector<Hit> hits;
                while (s.hits.next()) {
                    hits.push_back({s.hits.integer(0), s.hits.integer(1), s.hits.integer(2),
                                    s.hits.integer(3)});
                }
                if (s.hits.failed()) {
                    error = sqlite3_errmsg(db_);
                    return false;
                }
                for (const Hit& hit : hits) {
                    const InfInfo* info = infInfo(hit.inf);
                    if (info == nullptr || info->chosenSections.count(hit.section) == 0) {
                        continue;
                    }
                    const std::uint32_t rank =
                        CR::rank(platform.x64 ? info->signedX64 : info->signedX86,
                                 static_cast<std::uint32_t>(hit.featureScore),
                                 CR::identifierScore(deviceCompatible, position,
                                                     static_cast<std::size_t>(hit.infPosition)));
                    Candidate& candidate = candidates[hit.inf];
                    if (candidate.hid.empty() || rank < candidate.rank) {
                        candidate = {hit.inf, rank, ids[position]};
                    }
                }
            }
        }
        if (candidates.empty()) {
            continue;
        }
        std::vector<Offer> offers;
        for (const auto& entry : candidates) {
            const Candidate& candidate = entry.second;
            const InfInfo& info = infs[candidate.infId];
            if (device.hasDriver &&
                (candidate.rank > device.driverRank ||
                 CR::compareDriverVersion(info.date, info.version, device.driverDate,
                                          device.driverVersion) <= 0)) {
                continue;
            }
            Offer offer;
            offer.infId = candidate.infId;
            offer.hid = candidate.hid;
            offer.rank = candidate.rank;
            offer.infPath = info.path;
            offer.infSha1 = info.sha1;
            offer.className = info.className.empty() ? device.className : info.className;
            offer.provider = info.provider;
            offer.date = info.date;
            offer.version = info.version;
            offer.packageSha1 = info.packageSha1;
            offer.packageSize = info.packageSize;
            offers.push_back(std::move(offer));
        }
        std::sort(offers.begin(), offers.end(), [](const Offer& a, const Offer& b) {
            if (a.rank != b.rank) {
                return a.rank < b.rank;
            }
            const int newer = CR::compareDriverVersion(a.date, a.version, b.date, b.version);
            if (newer != 0) {
                return newer > 0;
            }
            return a.infId < b.infId;
        });
        // The same INF in two packages is one driver; the best-placed copy stays.
        std::vector<Offer> kept;
        std::set<std::string> seen;
        for (Offer& offer : offers) {
            if (kept.size() == kMaxOffers) {
                break;
            }
            if (seen.insert(offer.infSha1).second) {
                kept.push_back(std::move(offer));
            }
        }
        if (!kept.empty()) {
            result.push_back({index, std::move(kept)});
        }
    }
    return true;
}

}  // namespace Service

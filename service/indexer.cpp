#include "indexer.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "catalog.h"
#include "catalogranking.h"
#include "formats/inffile.h"
#include "formats/sha1.h"
#include "formats/text.h"
#include "formats/zipreader.h"
#include "sqlitestatement.h"

namespace Service {

namespace fs = std::filesystem;
namespace CR = CatalogRanking;
using formats::inf::InfFile;

namespace {

using formats::text::lower;

using formats::text::trim;

bool endsWithIgnoreCase(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           lower(text.substr(text.size() - suffix.size())) == suffix;
}

// Zip names use either separator; catalogue files are looked up beside their INF.
std::string folderKey(const std::string& name) {
    std::string key = lower(name);
    std::replace(key.begin(), key.end(), '\\', '/');
    return key;
}

std::uint32_t featureScore(const InfFile& file, const std::string& installSection,
                           const std::string& arch) {
    const std::string platform = arch.empty() ? "x86" : arch;
    for (const std::string& name :
         {installSection + ".NT" + platform, installSection + ".NT", installSection}) {
        if (!file.section(name)) {
            continue;
        }
        const std::string text = trim(file.value(name, "FeatureScore"));
        if (text.empty()) {
            return CR::kNoFeatureScore;
        }
        char* end = nullptr;
        const unsigned long value = std::strtoul(text.c_str(), &end, 0);
        return end != nullptr && *end == '\0' && value <= 0xFF ? static_cast<std::uint32_t>(value)
                                                               : CR::kNoFeatureScore;
    }
    return CR::kNoFeatureScore;
}

struct Model {
    int line = 0;
    std::string description;
    std::string installSection;
    std::uint32_t featureScore = CR::kNoFeatureScore;
    std::vector<std::string> ids;
};

struct Section {
    int manufacturer = 0;
    std::string name;
    std::string decoration;
    CR::Decoration parsed;
    std::vector<Model> models;
};

struct Inf {
    std::string path;
    std::string sha1;
    std::string className;
    std::string classGuid;
    std::string provider;
    std::string date;
    std::string version;
    std::string catalogs;
    bool signedX86 = false;
    bool signedX64 = false;
    std::vector<Section> sections;
};

// The catalogue file that applies on a platform: the most specific CatalogFile entry.
bool catalogPresent(const InfFile& file, const std::string& platformKey, const std::string& folder,
                    const std::set<std::string>& names) {
    for (const std::string& key : {"CatalogFile." + platformKey, std::string("CatalogFile.NT"),
                                   std::string("CatalogFile")}) {
        if (file.hasValue("Version", key)) {
            const std::string name = trim(file.value("Version", key));
            return !name.empty() && names.count(folder + folderKey(name)) != 0;
        }
    }
    return false;
}

void readInf(const InfFile& file, const std::string& folder, const std::set<std::string>& names,
             Inf& inf) {
    inf.className = file.value("Version", "Class");
    inf.classGuid = lower(file.value("Version", "ClassGuid"));
    inf.provider = file.value("Version", "Provider");
    inf.date = CR::isoDate(file.driverDate());
    inf.version = file.driverVersion();
    for (const char* key :
         {"CatalogFile", "CatalogFile.NT", "CatalogFile.NTx86", "CatalogFile.NTamd64"}) {
        if (file.hasValue("Version", key)) {
            inf.catalogs += (inf.catalogs.empty() ? "" : "|") + std::string(key) + "=" +
                            trim(file.value("Version", key));
        }
    }
    inf.signedX86 = catalogPresent(file, "NTx86", folder, names);
    inf.signedX64 = catalogPresent(file, "NTamd64", folder, names);

    const formats::inf::Section* manufacturer = file.section("Manufacturer");
    if (!manufacturer) {
        return;
    }
    // As the reader's own list: every section a manufacturer line names, once, in order.
    std::set<std::string> seen;
    int index = 0;
    for (const formats::inf::Entry& entry : manufacturer->entries) {
        ++index;
        if (entry.values.empty()) {
            continue;
        }
        const std::string base = trim(file.substitute(entry.values[0]));
        std::vector<std::string> decorations{""};
        for (std::size_t k = 1; k < entry.values.size(); ++k) {
            const std::string decoration = trim(file.substitute(entry.values[k]));
            if (!decoration.empty()) {
                decorations.push_back(decoration);
            }
        }
        for (const std::string& decoration : decorations) {
            const std::string name = decoration.empty() ? base : base + "." + decoration;
            const formats::inf::Section* models = file.section(name);
            if (!models || !seen.insert(lower(name)).second) {
                continue;
            }
            Section section;
            section.manufacturer = index;
            section.name = models->name;
            section.decoration = decoration;
            section.parsed = CR::Decoration::parse(decoration);
            for (const formats::inf::Entry& line : models->entries) {
                Model model;
                model.line = line.line;
                model.description = line.hasKey ? file.substitute(line.key) : std::string();
                if (!line.values.empty()) {
                    model.installSection = trim(file.substitute(line.values[0]));
                }
                for (std::size_t k = 1; k < line.values.size(); ++k) {
                    if (!line.values[k].empty()) {
                        model.ids.push_back(trim(file.substitute(line.values[k])));
                    }
                }
                model.featureScore = featureScore(file, model.installSection, section.parsed.arch);
                section.models.push_back(std::move(model));
            }
            inf.sections.push_back(std::move(section));
        }
    }
}

bool hashFile(const std::string& path, std::string& sha1, std::uint64_t& size) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    formats::Sha1 hash;
    std::vector<char> buffer(1 << 20);
    size = 0;
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const std::streamsize got = in.gcount();
        if (got > 0) {
            hash.add(buffer.data(), static_cast<std::size_t>(got));
            size += static_cast<std::uint64_t>(got);
        }
    }
    if (in.bad()) {
        return false;
    }
    sha1 = hash.hexDigest(false);
    return !sha1.empty();
}

}  // namespace

struct Indexer::PackageData {
    std::string path;
    std::string sha1;
    std::uint64_t size = 0;
    std::vector<Inf> infs;
};

struct Indexer::Statements {
    SqliteStatement removePackage;
    SqliteStatement package;
    SqliteStatement inf;
    SqliteStatement section;
    SqliteStatement model;
    SqliteStatement modelId;
    SqliteStatement paths;
    SqliteStatement removeById;
};

Indexer::Indexer() = default;

Indexer::~Indexer() {
    delete statements_;
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
    }
}

bool Indexer::open(const std::string& databasePath, std::string& error) {
    if (sqlite3_open_v2(databasePath.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        error =
            "cannot open " + databasePath + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory");
        return false;
    }
    sqlite3_busy_timeout(db_, 10000);
    if (!Catalog::createSchema(db_, error)) {
        error = databasePath + ": " + error;
        return false;
    }
    statements_ = new Statements;
    Statements& s = *statements_;
    const bool prepared =
        s.removePackage.prepare(db_, "DELETE FROM packages WHERE sha1 = ?1 OR path = ?2") &&
        s.package.prepare(db_,
                          "INSERT INTO packages (sha1, size, path, indexed_at)"
                          " VALUES (?1, ?2, ?3, ?4)") &&
        s.inf.prepare(db_,
                      "INSERT INTO infs (package_id, path, sha1, class, class_guid, provider,"
                      " driver_date, driver_version, catalogs, signed_x86, signed_x64)"
                      " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)") &&
        s.section.prepare(db_,
                          "INSERT INTO sections (inf_id, manufacturer, name, decoration, arch,"
                          " os_major, os_minor, product_type, build)"
                          " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)") &&
        s.model.prepare(db_,
                        "INSERT INTO models (section_id, inf_id, line, description,"
                        " install_section, feature_score) VALUES (?1, ?2, ?3, ?4, ?5, ?6)") &&
        s.modelId.prepare(db_,
                          "INSERT OR IGNORE INTO model_ids (model_id, position, id, norm_id)"
                          " VALUES (?1, ?2, ?3, ?4)") &&
        s.paths.prepare(db_, "SELECT id, path FROM packages") &&
        s.removeById.prepare(db_, "DELETE FROM packages WHERE id = ?1");
    if (!prepared) {
        error = std::string("catalogue statements: ") + sqlite3_errmsg(db_);
        return false;
    }
    return true;
}

bool Indexer::readPackage(const std::string& path, PackageData& package, Summary& summary,
                          const Reporter& report) {
    package.path = path;
    if (!hashFile(path, package.sha1, package.size)) {
        report("skipped " + path + ": cannot be read or hashed");
        return false;
    }
    formats::ZipReader zip;
    std::string error;
    if (!zip.open(path, error)) {
        report("skipped " + error);
        return false;
    }
    std::set<std::string> names;
    for (const formats::ZipReader::Entry& entry : zip.entries()) {
        names.insert(folderKey(entry.name));
    }
    for (std::size_t index = 0; index < zip.entries().size(); ++index) {
        const formats::ZipReader::Entry& entry = zip.entries()[index];
        if (entry.directory || !endsWithIgnoreCase(entry.name, ".inf")) {
            continue;
        }
        std::string bytes;
        InfFile file;
        if (!zip.read(index, InfFile::kMaxFileBytes, bytes, error) || !file.parse(bytes, error)) {
            report("skipped " + path + " " + entry.name + ": " + error);
            ++summary.skipped;
            continue;
        }
        if (file.sections().empty()) {
            report("skipped " + path + " " + entry.name + ": no sections, not an INF");
            ++summary.skipped;
            continue;
        }
        Inf inf;
        inf.path = entry.name;
        formats::Sha1 hash;
        hash.add(bytes.data(), bytes.size());
        inf.sha1 = hash.hexDigest(false);
        if (inf.sha1.empty()) {
            report("skipped " + path + " " + entry.name + ": cannot be hashed");
            ++summary.skipped;
            continue;
        }
        const std::string key = folderKey(entry.name);
        const std::size_t slash = key.rfind('/');
        readInf(file, slash == std::string::npos ? std::string() : key.substr(0, slash + 1), names,
                inf);
        package.infs.push_back(std::move(inf));
    }
    return true;
}

bool Indexer::store(const PackageData& package, std::string& error) {
    Statements& s = *statements_;
    if (!executeSql(db_, "BEGIN IMMEDIATE", error)) {
        return false;
    }
    const auto failed = [&]() {
        error = sqlite3_errmsg(db_);
        std::string ignored;
        executeSql(db_, "ROLLBACK", ignored);
        return false;
    };
    s.removePackage.bind(1, package.sha1);
    s.removePackage.bind(2, package.path);
    if (!s.removePackage.run()) {
        return failed();
    }
    s.package.bind(1, package.sha1);
    s.package.bind(2, static_cast<std::int64_t>(package.size));
    s.package.bind(3, package.path);
    s.package.bind(4, static_cast<std::int64_t>(std::time(nullptr)));
    if (!s.package.run()) {
        return failed();
    }
    const std::int64_t packageId = sqlite3_last_insert_rowid(db_);
    for (const Inf& inf : package.infs) {
        s.inf.bind(1, packageId);
        s.inf.bind(2, inf.path);
        s.inf.bind(3, inf.sha1);
        s.inf.bind(4, inf.className);
        s.inf.bind(5, inf.classGuid);
        s.inf.bind(6, inf.provider);
        s.inf.bind(7, inf.date);
        s.inf.bind(8, inf.version);
        s.inf.bind(9, inf.catalogs);
        s.inf.bind(10, std::int64_t(inf.signedX86 ? 1 : 0));
        s.inf.bind(11, std::int64_t(inf.signedX64 ? 1 : 0));
        if (!s.inf.run()) {
            return failed();
        }
        const std::int64_t infId = sqlite3_last_insert_rowid(db_);
        for (const Section& section : inf.sections) {
            s.section.bind(1, infId);
            s.section.bind(2, std::int64_t(section.manufacturer));
            s.section.bind(3, section.name);
            s.section.bind(4, section.decoration);
            s.section.bind(5, section.parsed.arch);
            s.section.bind(6, std::int64_t(section.parsed.major));
            s.section.bind(7, std::int64_t(section.parsed.minor));
            s.section.bind(8, std::int64_t(section.parsed.productType));
            s.section.bind(9, section.parsed.build);
            if (!s.section.run()) {
                return failed();
            }
            const std::int64_t sectionId = sqlite3_last_insert_rowid(db_);
            for (const Model& model : section.models) {
                s.model.bind(1, sectionId);
                s.model.bind(2, infId);
                s.model.bind(3, std::int64_t(model.line));
                s.model.bind(4, model.description);
                s.model.bind(5, model.installSection);
                s.model.bind(6, std::int64_t(model.featureScore));
                if (!s.model.run()) {
                    return failed();
                }
                const std::int64_t modelId = sqlite3_last_insert_rowid(db_);
                for (std::size_t position = 0; position < model.ids.size(); ++position) {
                    s.modelId.bind(1, modelId);
                    s.modelId.bind(2, static_cast<std::int64_t>(position));
                    s.modelId.bind(3, model.ids[position]);
                    s.modelId.bind(4, CR::normaliseId(model.ids[position]));
                    if (!s.modelId.run()) {
                        return failed();
                    }
                }
            }
        }
    }
    return executeSql(db_, "COMMIT", error) || failed();
}

bool Indexer::run(const std::string& packagesFolder, Summary& summary, const Reporter& report,
                  std::string& error) {
    summary = {};
    std::error_code code;
    const fs::path root = fs::weakly_canonical(fs::absolute(packagesFolder, code), code);
    if (code || !fs::is_directory(root, code)) {
        error = packagesFolder + ": not a folder";
        return false;
    }
    std::vector<std::string> paths;
    fs::recursive_directory_iterator walk(root, fs::directory_options::skip_permission_denied,
                                          code);
    for (; !code && walk != fs::recursive_directory_iterator(); walk.increment(code)) {
        if (walk->is_regular_file(code) && endsWithIgnoreCase(walk->path().string(), ".zip")) {
            paths.push_back(walk->path().string());
        }
    }
    if (code) {
        error = packagesFolder + ": " + code.message();
        return false;
    }
    std::sort(paths.begin(), paths.end());

    const auto started = std::chrono::steady_clock::now();
    auto lastReport = started;
    std::set<std::string> stored;
    for (const std::string& path : paths) {
        PackageData package;
        if (!readPackage(path, package, summary, report)) {
            ++summary.skipped;
            continue;
        }
        if (!store(package, error)) {
            error = path + ": " + error;
            return false;
        }
        stored.insert(path);
        ++summary.packages;
        summary.infs += package.infs.size();
        for (const Inf& inf : package.infs) {
            for (const Section& section : inf.sections) {
                for (const Model& model : section.models) {
                    summary.ids += model.ids.size();
                }
            }
        }
        const auto now = std::chrono::steady_clock::now();
        if (now - lastReport > std::chrono::seconds(5)) {
            lastReport = now;
            report("indexed " + std::to_string(summary.packages) + " of " +
                   std::to_string(paths.size()) + " packages");
        }
    }

    // A package taken out of the folder is no longer offered, nor one damaged since: its file no
    // longer has the SHA-1 the offers would name.
    const std::string prefix = root.string() + "/";
    const std::set<std::string>& present = stored;
    std::vector<std::int64_t> gone;
    Statements& s = *statements_;
    while (s.paths.next()) {
        const std::string path = s.paths.text(1);
        if (path.compare(0, prefix.size(), prefix) == 0 && present.count(path) == 0) {
            gone.push_back(s.paths.integer(0));
        }
    }
    for (const std::int64_t id : gone) {
        s.removeById.bind(1, id);
        if (!s.removeById.run()) {
            error = sqlite3_errmsg(db_);
            return false;
        }
        ++summary.removed;
    }
    return Catalog::bumpVersion(db_, error);
}

}  // namespace Service

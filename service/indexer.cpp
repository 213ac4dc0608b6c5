#include "indexer.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "catalogpackage.h"
#include "catalogranking.h"
#include "formats/inffile.h"
#include "formats/sha1.h"
#include "formats/text.h"
#include "formats/zipreader.h"

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

using Model = CatalogPackage::Model;
using Section = CatalogPackage::Section;
using Inf = CatalogPackage::Inf;

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

bool Indexer::readPackage(const std::string& path, CatalogPackage& package, Summary& summary,
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
    // Packages go to the store in batches, each one transaction: a round trip per row would
    // bound a remote store to a few hundred INFs a second.
    std::vector<CatalogPackage> batch;
    std::size_t batchInfs = 0;
    const auto flush = [&] {
        if (batch.empty()) {
            return true;
        }
        if (!store_.storePackages(batch, static_cast<std::int64_t>(std::time(nullptr)), error)) {
            error = (batch.size() == 1 ? batch.front().path
                                       : batch.front().path + " … " + batch.back().path) +
                    ": " + error;
            return false;
        }
        for (const CatalogPackage& package : batch) {
            stored.insert(package.path);
            ++summary.packages;
            summary.infs += package.infs.size();
            for (const Inf& inf : package.infs) {
                for (const Section& section : inf.sections) {
                    for (const Model& model : section.models) {
                        summary.ids += model.ids.size();
                    }
                }
            }
        }
        batch.clear();
        batchInfs = 0;
        return true;
    };
    for (const std::string& path : paths) {
        CatalogPackage package;
        if (!readPackage(path, package, summary, report)) {
            ++summary.skipped;
            continue;
        }
        batchInfs += package.infs.size();
        batch.push_back(std::move(package));
        if ((batchInfs >= kBatchInfs || batch.size() >= kBatchPackages) && !flush()) {
            return false;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now - lastReport > std::chrono::seconds(5)) {
            lastReport = now;
            report("indexed " + std::to_string(summary.packages) + " of " +
                   std::to_string(paths.size()) + " packages");
        }
    }

    if (!flush()) {
        return false;
    }

    // A package taken out of the folder is no longer offered, nor one damaged since: its file no
    // longer has the SHA-1 the offers would name.
    const std::string prefix = root.string() + "/";
    const std::set<std::string>& present = stored;
    std::vector<ServiceStore::IndexedPackage> indexed;
    if (!store_.indexedPackages(indexed, error)) {
        return false;
    }
    for (const ServiceStore::IndexedPackage& package : indexed) {
        if (package.path.compare(0, prefix.size(), prefix) != 0 ||
            present.count(package.path) != 0) {
            continue;
        }
        if (!store_.removePackage(package.id, error)) {
            return false;
        }
        ++summary.removed;
    }
    return store_.bumpCatalogVersion(error);
}

}  // namespace Service

#include "drivercontenthash.h"

#include <algorithm>
#include <array>
#include <map>
#include <regex>

#include <formats/sha1.h>
#include <formats/text.h>
#include <formats/zipreader.h>

namespace Service {

namespace {

struct DuplicatePair {
    std::string extension;
    std::regex duplicate;
    std::regex cleanUp;
};

// The same patterns the client builds; the extension's dot stands for a dot.
const std::array<DuplicatePair, 4>& duplicatePairs() {
    static const std::array<DuplicatePair, 4> pairs = [] {
        std::array<DuplicatePair, 4> built;
        const char* extensions[] = {".sys", ".exe", ".dll", ".cat"};
        for (std::size_t i = 0; i < built.size(); ++i) {
            built[i].extension = extensions[i];
            const std::string ext = std::string("\\") + extensions[i];
            built[i].duplicate =
                std::regex("(((\\(\\d+\\))+" + ext + "$)|(" + ext + "(\\.\\d+|~.+|\\(\\d+\\))+$))");
            built[i].cleanUp = std::regex("(\\(\\d+\\))*" + ext + "(\\.\\d+|~.+|\\(\\d+\\))*$");
        }
        return built;
    }();
    return pairs;
}

std::vector<std::string> segments(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = path.find('/', start);
        parts.push_back(path.substr(start, slash - start));
        if (slash == std::string::npos) {
            return parts;
        }
        start = slash + 1;
    }
}

struct File {
    std::size_t index = 0;
    std::string path;    // '/' separated
    std::string folder;  // lower case, with its trailing '/'
    std::string lowerName;
};

}  // namespace

bool DriverContentHash::walkLess(const std::string& left, const std::string& right) {
    const std::vector<std::string> a = segments(left);
    const std::vector<std::string> b = segments(right);
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const bool aFolder = i + 1 < a.size();
        const bool bFolder = i + 1 < b.size();
        if (aFolder != bFolder) {
            return aFolder;
        }
        if (a[i] != b[i]) {
            return a[i] < b[i];
        }
    }
    return a.size() < b.size();
}

bool DriverContentHash::excludedByName(const std::string& lowerName) {
    const std::size_t dot = lowerName.rfind('.');
    const std::string suffix = dot == std::string::npos ? std::string() : lowerName.substr(dot + 1);
    return suffix == "pnf" || suffix == "tmp" || lowerName == "component.man";
}

std::string DriverContentHash::duplicateBase(const std::string& lowerName, std::size_t& pair) {
    const auto& pairs = duplicatePairs();
    for (; pair < pairs.size(); ++pair) {
        if (std::regex_search(lowerName, pairs[pair].duplicate)) {
            return std::regex_replace(lowerName, pairs[pair].cleanUp, pairs[pair].extension,
                                      std::regex_constants::format_sed);
        }
    }
    return {};
}

bool DriverContentHash::ofArchive(const std::string& archive, const Limits& limits,
                                  std::string& hash, std::string& error) {
    formats::ZipReader reader;
    if (!reader.open(archive, error)) {
        return false;
    }
    const auto& entries = reader.entries();
    std::vector<File> files;
    std::map<std::string, std::size_t> byLowerPath;
    std::uint64_t declared = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].directory) {
            continue;
        }
        File file;
        file.index = i;
        file.path = entries[i].name;
        std::replace(file.path.begin(), file.path.end(), '\\', '/');
        const std::size_t slash = file.path.rfind('/');
        file.folder =
            formats::text::lower(slash == std::string::npos ? "" : file.path.substr(0, slash + 1));
        file.lowerName = formats::text::lower(file.path.substr(slash + 1));
        declared += entries[i].size;
        if (entries[i].size > limits.maxEntryBytes || declared > limits.maxTotalBytes) {
            error = file.path + ": the archive inflates beyond what a driver holds";
            return false;
        }
        byLowerPath.emplace(file.folder + file.lowerName, i);
        files.push_back(std::move(file));
    }

    std::map<std::size_t, std::string> entrySha1;
    const auto sha1Of = [&](std::size_t index, std::string& out) {
        const auto known = entrySha1.find(index);
        if (known != entrySha1.end()) {
            out = known->second;
            return true;
        }
        formats::Sha1 digest;
        const auto add = [&digest](const char* data, std::size_t size, std::string&) {
            digest.add(data, size);
            return true;
        };
        if (!reader.readTo(index, add, nullptr, error)) {
            return false;
        }
        out = digest.hexDigest(false);
        entrySha1.emplace(index, out);
        return true;
    };

    std::vector<const File*> included;
    for (const File& file : files) {
        if (entries[file.index].size == 0 || excludedByName(file.lowerName)) {
            continue;
        }
        bool include = true;
        for (std::size_t pair = 0;; ++pair) {
            const std::string base = duplicateBase(file.lowerName, pair);
            if (base.empty()) {
                break;
            }
            const auto baseEntry = byLowerPath.find(file.folder + base);
            if (baseEntry == byLowerPath.end() || baseEntry->second == file.index) {
                continue;
            }
            std::string own;
            std::string other;
            if (!sha1Of(file.index, own) || !sha1Of(baseEntry->second, other)) {
                return false;
            }
            include = own != other;
            break;
        }
        if (include) {
            included.push_back(&file);
        }
    }
    if (included.empty()) {
        error = "the archive holds no driver file";
        return false;
    }
    std::sort(included.begin(), included.end(),
              [](const File* a, const File* b) { return walkLess(a->path, b->path); });

    // Streamed: an archive's entries are never held in memory whole.
    formats::Sha1 content;
    const auto add = [&content](const char* data, std::size_t size, std::string&) {
        content.add(data, size);
        return true;
    };
    for (const File* file : included) {
        if (!reader.readTo(file->index, add, nullptr, error)) {
            return false;
        }
    }
    hash = content.hexDigest(false);
    if (hash.empty()) {
        error = "the system's SHA-1 failed";
        return false;
    }
    return true;
}

}  // namespace Service

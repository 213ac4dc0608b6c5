#include <filesystem>
#include <system_error>
#include <vector>

#include "archivefile.h"
#include "formats/zip.h"
#include "formats/zipreader.h"

namespace formats {

namespace fs = std::filesystem;

namespace {

std::string withSlashes(std::string name) {
    for (char& c : name) {
        if (c == '\\') {
            c = '/';
        }
    }
    return name;
}

struct Selected {
    std::size_t index;
    std::string relative;  // below the target, '/' separated
    bool directory;
};

}  // namespace

bool readZipEntry(const std::string& archive, const std::string& name, std::size_t maxBytes,
                  std::string& out, std::string& error) {
    out.clear();
    ZipReader reader;
    if (!reader.open(archive, error)) {
        return false;
    }
    const long index = reader.find(name);
    if (index < 0) {
        error = archive + ": no entry " + name;
        return false;
    }
    if (!reader.read(static_cast<std::size_t>(index), maxBytes, out, error)) {
        error = archive + ": " + error;
        return false;
    }
    return true;
}

bool extractZip(const std::string& archive, const std::string& target,
                const ZipExtractOptions& options, std::string& error) {
    ZipReader reader;
    if (!reader.open(archive, options.limits, error)) {
        return false;
    }
    const std::string prefix = withSlashes(options.prefix);
    std::vector<Selected> selected;
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < reader.entries().size(); ++i) {
        const ZipReader::Entry& entry = reader.entries()[i];
        std::string name = withSlashes(entry.name);
        if (name.compare(0, prefix.size(), prefix) != 0) {
            continue;
        }
        name.erase(0, prefix.size());
        if (!name.empty() && name.front() == '/') {
            name.erase(0, 1);
        }
        if (!name.empty() && name.back() == '/') {
            name.pop_back();
        }
        if (name.empty()) {
            continue;
        }
        selected.push_back({i, name, entry.directory});
        total += entry.size;
    }

    std::string temporary;
    if (!makeFolderBeside(target, "part", temporary, error)) {
        return false;
    }
    std::error_code code;
    const fs::space_info space = fs::space(fs::u8path(temporary), code);
    if (!code && space.available < total) {
        removeTree(temporary);
        error = target + ": " + std::to_string(total) + " bytes to extract, " +
                std::to_string(space.available) + " free";
        return false;
    }

    std::uint64_t done = 0;
    for (const Selected& item : selected) {
        const fs::path path = fs::u8path(temporary + "/" + item.relative);
        fs::create_directories(item.directory ? path : path.parent_path(), code);
        if (code) {
            error = path.u8string() + ": cannot create the folder: " + code.message();
            removeTree(temporary);
            return false;
        }
        if (item.directory) {
            continue;
        }
        ArchiveFile out;
        bool ok = out.open(path.u8string(), ArchiveFile::Mode::CreateNew, error);
        ok = ok && reader.readTo(
                       item.index,
                       [&](const char* data, std::size_t size, std::string& sinkError) {
                           if (!out.write(data, size)) {
                               sinkError = out.failure();
                               return false;
                           }
                           return true;
                       },
                       options.cancel, error);
        std::string closeError;
        if (!out.close(closeError) && ok) {
            error = closeError;
            ok = false;
        }
        if (!ok) {
            error = archive + ": " + error;
            removeTree(temporary);
            return false;
        }
        done += reader.entries()[item.index].size;
        if (options.progress) {
            options.progress(done, total);
        }
    }
    if (options.cancel != nullptr && options.cancel->load()) {
        removeTree(temporary);
        error = archive + ": stopped";
        return false;
    }
    if (!replaceFolder(temporary, target, error)) {
        removeTree(temporary);
        return false;
    }
    return true;
}

}  // namespace formats

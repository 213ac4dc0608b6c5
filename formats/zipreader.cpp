#include "formats/zipreader.h"

#include <minizip/unzip.h>

namespace formats {

namespace {

unzFile file(void* handle) {
    return static_cast<unzFile>(handle);
}

}  // namespace

ZipReader::ZipReader() = default;

ZipReader::~ZipReader() {
    close();
}

void ZipReader::close() {
    if (handle_ != nullptr) {
        unzClose(file(handle_));
        handle_ = nullptr;
    }
    entries_.clear();
    positions_.clear();
}

bool ZipReader::isSafeName(const std::string& name) {
    if (name.empty() || name.find('\0') != std::string::npos) {
        return false;
    }
    if (name[0] == '/' || name[0] == '\\') {
        return false;
    }
    // "C:x" is relative to a drive's current folder, which is just as far outside.
    if (name.size() >= 2 && name[1] == ':') {
        return false;
    }
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("/\\", start);
        if (end == std::string::npos) {
            end = name.size();
        }
        const std::string part = name.substr(start, end - start);
        if (part == "..") {
            return false;
        }
        // Windows drops trailing dots and spaces, so "..." and ".. " also climb.
        if (part.size() > 2 && part.find_first_not_of(". ") == std::string::npos &&
            part.compare(0, 2, "..") == 0) {
            return false;
        }
        if (part.find(':') != std::string::npos) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

bool ZipReader::open(const std::string& path, std::string& error) {
    close();
    unzFile zip = unzOpen64(path.c_str());
    if (zip == nullptr) {
        error = path + ": not a readable zip archive";
        return false;
    }
    handle_ = zip;
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(zip, &global) != UNZ_OK) {
        error = path + ": damaged central directory";
        close();
        return false;
    }
    if (global.number_entry > kMaxEntries) {
        error = path + ": more than " + std::to_string(kMaxEntries) + " entries";
        close();
        return false;
    }
    entries_.reserve(static_cast<std::size_t>(global.number_entry));
    int status = unzGoToFirstFile(zip);
    while (status == UNZ_OK) {
        unz_file_info64 info{};
        char name[kMaxNameBytes + 1];
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) !=
            UNZ_OK) {
            error = path + ": damaged entry header";
            close();
            return false;
        }
        if (info.size_filename > kMaxNameBytes) {
            error = path + ": an entry name is longer than " + std::to_string(kMaxNameBytes);
            close();
            return false;
        }
        Entry entry;
        entry.name.assign(name, info.size_filename);
        if (!isSafeName(entry.name)) {
            error = path + ": unsafe entry name " + entry.name;
            close();
            return false;
        }
        entry.size = info.uncompressed_size;
        entry.compressedSize = info.compressed_size;
        entry.crc = static_cast<std::uint32_t>(info.crc);
        const char last = entry.name.back();
        entry.directory = last == '/' || last == '\\';
        unz64_file_pos position{};
        unzGetFilePos64(zip, &position);
        positions_.push_back({position.pos_in_zip_directory, position.num_of_file});
        entries_.push_back(std::move(entry));
        if (entries_.size() > kMaxEntries) {
            error = path + ": more than " + std::to_string(kMaxEntries) + " entries";
            close();
            return false;
        }
        status = unzGoToNextFile(zip);
    }
    if (status != UNZ_END_OF_LIST_OF_FILE) {
        error = path + ": damaged central directory";
        close();
        return false;
    }
    return true;
}

long ZipReader::find(const std::string& name) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].name == name) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

bool ZipReader::read(std::size_t index, std::size_t maxBytes, std::string& out,
                     std::string& error) {
    out.clear();
    if (handle_ == nullptr || index >= entries_.size()) {
        error = "no such entry";
        return false;
    }
    const Entry& entry = entries_[index];
    if (entry.size > maxBytes) {
        error = entry.name + ": " + std::to_string(entry.size) + " bytes, more than " +
                std::to_string(maxBytes);
        return false;
    }
    unzFile zip = file(handle_);
    unz64_file_pos position{positions_[index].directoryOffset, positions_[index].fileNumber};
    if (unzGoToFilePos64(zip, &position) != UNZ_OK || unzOpenCurrentFile(zip) != UNZ_OK) {
        error = entry.name + ": cannot open the entry (damaged or encrypted)";
        return false;
    }
    // The declared size is only a claim; the bound holds for what actually comes out.
    out.reserve(static_cast<std::size_t>(entry.size));
    char buffer[65536];
    bool ok = true;
    for (;;) {
        const int got = unzReadCurrentFile(zip, buffer, sizeof buffer);
        if (got < 0) {
            error = entry.name + ": damaged data";
            ok = false;
            break;
        }
        if (got == 0) {
            break;
        }
        if (out.size() + static_cast<std::size_t>(got) > maxBytes) {
            error = entry.name + ": inflates to more than " + std::to_string(maxBytes) + " bytes";
            ok = false;
            break;
        }
        out.append(buffer, static_cast<std::size_t>(got));
    }
    const int closed = unzCloseCurrentFile(zip);
    if (ok && closed == UNZ_CRCERROR) {
        error = entry.name + ": CRC mismatch";
        ok = false;
    } else if (ok && out.size() != entry.size) {
        error = entry.name + ": size differs from the directory";
        ok = false;
    }
    if (!ok) {
        out.clear();
    }
    return ok;
}

}  // namespace formats

#include "formats/zipreader.h"

#include <minizip/unzip.h>

#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "archivefile.h"
#include "formats/safename.h"
#include "formats/utf.h"

namespace formats {

namespace {

constexpr std::size_t kBlockBytes = 256 * 1024;
constexpr unsigned kUtf8NameFlag = 1u << 11;

unzFile file(void* handle) {
    return static_cast<unzFile>(handle);
}

// What names without the UTF-8 flag mean, for the bytes above ASCII.
const char16_t kCodePage437[] =
    u"ÇüéâäàåçêëèïîìÄÅÉæÆôöòûùÿÖÜ¢£¥₧ƒáíóúñÑªº¿⌐¬½¼¡«»░▒▓│┤╡╢╖╕╣║╗╝╜╛┐└┴┬├─┼╞╟╚╔╩╦╠═╬╧╨╤╥╙╘╒╓╫╪┘┌"
    u"█▄▌▐▀αßΓπΣσµτΦΘΩδ∞φε∩≡±≥≤⌠⌡÷≈°∙·√ⁿ²■\u00A0";

std::string fromCodePage437(const std::string& raw) {
    std::u16string wide;
    wide.reserve(raw.size());
    for (const char c : raw) {
        const unsigned char byte = static_cast<unsigned char>(c);
        wide.push_back(byte < 0x80 ? char16_t(byte) : kCodePage437[byte - 0x80]);
    }
    return toUtf8(wide);
}

std::string withoutTrailingSeparator(const std::string& name) {
    if (!name.empty() && (name.back() == '/' || name.back() == '\\')) {
        return name.substr(0, name.size() - 1);
    }
    return name;
}

bool isLink(const unz_file_info64& info) {
    return ((info.external_fa >> 16) & 0170000) == 0120000;
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
    file_.reset();
    entries_.clear();
    positions_.clear();
}

bool ZipReader::isSafeName(const std::string& name) {
    return isSafeRelativeName(withoutTrailingSeparator(name));
}

bool ZipReader::open(const std::string& path, std::string& error) {
    return open(path, ZipLimits{}, error);
}

bool ZipReader::open(const std::string& path, const ZipLimits& limits, std::string& error) {
    close();
    file_ = std::make_unique<ArchiveFile>();
    if (!file_->open(path, ArchiveFile::Mode::Read, error)) {
        file_.reset();
        return false;
    }
    zlib_filefunc64_def functions = file_->functions();
    unzFile zip = unzOpen2_64(path.c_str(), &functions);
    if (zip == nullptr) {
        error = path + ": not a readable zip archive";
        file_.reset();
        return false;
    }
    handle_ = zip;
    if (!check(path, limits, error)) {
        close();
        return false;
    }
    return true;
}

bool ZipReader::check(const std::string& path, const ZipLimits& limits, std::string& error) {
    unzFile zip = file(handle_);
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(zip, &global) != UNZ_OK) {
        error = path + ": damaged central directory";
        return false;
    }
    const std::size_t maxEntries = std::min(kMaxEntries, limits.maxEntries);
    if (global.number_entry > maxEntries) {
        error = path + ": more than " + std::to_string(maxEntries) + " entries";
        return false;
    }
    entries_.reserve(static_cast<std::size_t>(global.number_entry));
    // Keys as Windows compares names: a file may not meet another file or a folder there.
    std::unordered_map<std::string, std::string> files;
    std::unordered_map<std::string, std::string> folders;
    std::uint64_t total = 0;
    int status = unzGoToFirstFile(zip);
    while (status == UNZ_OK) {
        unz_file_info64 info{};
        char name[kMaxNameBytes + 1];
        if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) !=
            UNZ_OK) {
            error = path + ": damaged entry header";
            return false;
        }
        if (info.size_filename > kMaxNameBytes) {
            error = path + ": an entry name is longer than " + std::to_string(kMaxNameBytes);
            return false;
        }
        Entry entry;
        entry.name.assign(name, info.size_filename);
        if ((info.flag & kUtf8NameFlag) == 0 && !isSafeName(entry.name)) {
            const std::string decoded = fromCodePage437(entry.name);
            if (isSafeName(decoded)) {
                entry.name = decoded;
            }
        }
        if (!isSafeName(entry.name)) {
            error = path + ": unsafe entry name " + entry.name;
            return false;
        }
        if (isLink(info)) {
            error = path + ": entry " + entry.name + " is a link";
            return false;
        }
        entry.size = info.uncompressed_size;
        entry.compressedSize = info.compressed_size;
        entry.crc = static_cast<std::uint32_t>(info.crc);
        const char last = entry.name.back();
        entry.directory = last == '/' || last == '\\';
        if (entry.size > limits.maxEntryBytes) {
            error = path + ": entry " + entry.name + " inflates to " + std::to_string(entry.size) +
                    " bytes, more than " + std::to_string(limits.maxEntryBytes);
            return false;
        }
        total += entry.size;

        const std::string key = nameKey(withoutTrailingSeparator(entry.name));
        const auto earlierFile = files.find(key);
        const auto earlierFolder = folders.find(key);
        if (earlierFile != files.end() || (!entry.directory && earlierFolder != folders.end())) {
            const std::string& earlier =
                earlierFile != files.end() ? earlierFile->second : earlierFolder->second;
            error = path + ": entry " + entry.name +
                    (earlier == entry.name ? " repeats an earlier name"
                                           : " collides with " + earlier + " when case is ignored");
            return false;
        }
        if (!entry.directory) {
            files.emplace(key, entry.name);
        } else {
            folders.emplace(key, entry.name);
        }
        for (std::size_t slash = key.find('/'); slash != std::string::npos;
             slash = key.find('/', slash + 1)) {
            const std::string folder = key.substr(0, slash);
            const auto clash = files.find(folder);
            if (clash != files.end()) {
                error = path + ": entry " + entry.name + " collides with " + clash->second +
                        " when case is ignored";
                return false;
            }
            folders.emplace(folder, entry.name.substr(0, slash));
        }

        unz64_file_pos position{};
        unzGetFilePos64(zip, &position);
        positions_.push_back({position.pos_in_zip_directory, position.num_of_file,
                              static_cast<int>(info.compression_method), (info.flag & 1) != 0});
        entries_.push_back(std::move(entry));
        if (entries_.size() > maxEntries) {
            error = path + ": more than " + std::to_string(maxEntries) + " entries";
            return false;
        }
        status = unzGoToNextFile(zip);
    }
    if (status != UNZ_END_OF_LIST_OF_FILE) {
        error = path + ": damaged central directory";
        return false;
    }
    if (total > limits.maxTotalBytes) {
        error = path + ": inflates to " + std::to_string(total) + " bytes, more than " +
                std::to_string(limits.maxTotalBytes);
        return false;
    }
    const std::uint64_t archiveBytes = file_->size();
    if (total > limits.ratioFloorBytes && total / limits.maxRatio > archiveBytes) {
        error = path + ": inflates to " + std::to_string(total) + " bytes from " +
                std::to_string(archiveBytes) + ", more than " + std::to_string(limits.maxRatio) +
                " times its size";
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

bool ZipReader::readTo(std::size_t index, const Sink& sink, const ZipCancel* cancel,
                       std::string& error) {
    if (handle_ == nullptr || index >= entries_.size()) {
        error = "no such entry";
        return false;
    }
    const Entry& entry = entries_[index];
    const Position& where = positions_[index];
    if (where.encrypted) {
        error = entry.name + ": encrypted entries are not read";
        return false;
    }
    if (where.method != 0 && where.method != Z_DEFLATED) {
        error = entry.name + ": compression method " + std::to_string(where.method) +
                " is not supported";
        return false;
    }
    unzFile zip = file(handle_);
    unz64_file_pos position{where.directoryOffset, where.fileNumber};
    if (unzGoToFilePos64(zip, &position) != UNZ_OK || unzOpenCurrentFile(zip) != UNZ_OK) {
        error = entry.name + ": cannot open the entry (damaged)";
        return false;
    }
    buffer_.resize(kBlockBytes);
    std::uint64_t done = 0;
    bool ok = true;
    for (;;) {
        if (cancel != nullptr && cancel->load()) {
            error = entry.name + ": stopped";
            ok = false;
            break;
        }
        const int got = unzReadCurrentFile(zip, buffer_.data(), static_cast<unsigned>(kBlockBytes));
        if (got < 0) {
            error = entry.name + ": damaged data";
            ok = false;
            break;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::uint64_t>(got);
        if (!sink(buffer_.data(), static_cast<std::size_t>(got), error)) {
            ok = false;
            break;
        }
    }
    const int closed = unzCloseCurrentFile(zip);
    if (ok && closed == UNZ_CRCERROR) {
        error = entry.name + ": CRC mismatch";
        ok = false;
    } else if (ok && done != entry.size) {
        error = entry.name + ": size differs from the directory";
        ok = false;
    }
    return ok;
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
    // The declared size is only a claim; the bound holds for what actually comes out.
    out.reserve(static_cast<std::size_t>(entry.size));
    const bool ok = readTo(
        index,
        [&](const char* data, std::size_t size, std::string& sinkError) {
            if (out.size() + size > maxBytes) {
                sinkError =
                    entry.name + ": inflates to more than " + std::to_string(maxBytes) + " bytes";
                return false;
            }
            out.append(data, size);
            return true;
        },
        nullptr, error);
    if (!ok) {
        out.clear();
    }
    return ok;
}

}  // namespace formats

#include <minizip/zip.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "archivefile.h"
#include "formats/safename.h"
#include "formats/zip.h"

namespace formats {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBlockBytes = 256 * 1024;
constexpr unsigned kUtf8NameFlag = 1u << 11;
constexpr int kLevel = 6;

}  // namespace

struct ZipWriter::Impl {
    ArchiveFile file;
    zipFile zip = nullptr;
    std::string target;
    std::string temporary;
    const ZipCancel* cancel = nullptr;
    std::unordered_map<std::string, std::string> names;  // nameKey -> name
    std::vector<char> buffer;
    std::string abandoned;  // why the archive cannot go on

    // The source fills up to size bytes and says how many; false with error set on failure.
    using Source =
        std::function<bool(char* data, std::size_t size, std::size_t& got, std::string& error)>;

    bool usable(std::string& error) const {
        if (zip == nullptr) {
            error = abandoned.empty() ? "no archive is open" : abandoned;
            return false;
        }
        return true;
    }

    bool stopped() const { return cancel != nullptr && cancel->load(); }

    bool abandon(const std::string& why, std::string& error) {
        error = why;
        abandoned = target + ": the archive was abandoned: " + why;
        discard();
        return false;
    }

    void discard() {
        if (zip != nullptr) {
            zipClose(zip, nullptr);
            zip = nullptr;
        }
        std::string ignored;
        file.close(ignored);
        if (!temporary.empty()) {
            std::error_code code;
            fs::remove(fs::u8path(temporary), code);
            temporary.clear();
        }
    }

    bool claim(const std::string& name, std::string& error) {
        if (!isSafeRelativeName(name)) {
            error = target + ": unsafe entry name " + name;
            return false;
        }
        const auto inserted = names.emplace(nameKey(name), name);
        if (!inserted.second) {
            error = target + ": entry " + name +
                    (inserted.first->second == name
                         ? " repeats an earlier name"
                         : " collides with " + inserted.first->second + " when case is ignored");
            return false;
        }
        return true;
    }

    bool write(const std::string& name, std::uint64_t size, std::int64_t modified,
               const Source& source, std::string& error) {
        if (!usable(error)) {
            return false;
        }
        // Like every other failure, a refused name ends the archive: a commit after it would
        // publish an archive without the entry.
        if (!claim(name, error)) {
            return abandon(error, error);
        }
        zip_fileinfo info{};
        const std::tm local = localTime(modified);
        info.tmz_date.tm_sec = static_cast<uInt>(local.tm_sec);
        info.tmz_date.tm_min = static_cast<uInt>(local.tm_min);
        info.tmz_date.tm_hour = static_cast<uInt>(local.tm_hour);
        info.tmz_date.tm_mday = static_cast<uInt>(local.tm_mday);
        info.tmz_date.tm_mon = static_cast<uInt>(local.tm_mon);
        info.tmz_date.tm_year = static_cast<uInt>(local.tm_year + 1900);
        const int zip64 = size >= 0xFFFFFFFFu ? 1 : 0;
        if (zipOpenNewFileInZip4_64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                    Z_DEFLATED, kLevel, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                    Z_DEFAULT_STRATEGY, nullptr, 0, 0, kUtf8NameFlag,
                                    zip64) != ZIP_OK) {
            return abandon(target + ": cannot add " + name + ": " + file.failure(), error);
        }
        buffer.resize(kBlockBytes);
        for (;;) {
            if (stopped()) {
                return abandon(target + ": stopped", error);
            }
            std::size_t got = 0;
            std::string sourceError;
            if (!source(buffer.data(), buffer.size(), got, sourceError)) {
                return abandon(sourceError, error);
            }
            if (got == 0) {
                break;
            }
            if (zipWriteInFileInZip(zip, buffer.data(), static_cast<unsigned>(got)) != ZIP_OK) {
                return abandon(target + ": cannot write " + name + ": " + file.failure(), error);
            }
        }
        if (zipCloseFileInZip(zip) != ZIP_OK) {
            return abandon(target + ": cannot finish " + name + ": " + file.failure(), error);
        }
        return true;
    }
};

ZipWriter::ZipWriter() : impl_(std::make_unique<Impl>()) {}

ZipWriter::~ZipWriter() {
    impl_->discard();
}

void ZipWriter::setCancel(const ZipCancel* cancel) {
    impl_->cancel = cancel;
}

bool ZipWriter::open(const std::string& target, std::string& error) {
    Impl& d = *impl_;
    if (d.zip != nullptr) {
        error = d.target + ": an archive is already open";
        return false;
    }
    d.target = target;
    d.abandoned.clear();
    d.names.clear();
    const fs::path path = fs::u8path(target);
    std::error_code code;
    if (path.has_parent_path()) {
        fs::create_directories(path.parent_path(), code);
        if (code) {
            error = target + ": cannot create its folder: " + code.message();
            return false;
        }
    }
    for (int attempt = 0; attempt < 100 && !d.file.isOpen(); ++attempt) {
        d.temporary = target + ".part-" + randomTag();
        if (!d.file.open(d.temporary, ArchiveFile::Mode::CreateNew, error) &&
            fs::exists(fs::symlink_status(fs::u8path(d.temporary), code))) {
            continue;
        }
        break;
    }
    if (!d.file.isOpen()) {
        d.temporary.clear();
        return false;
    }
    zlib_filefunc64_def functions = d.file.functions();
    d.zip = zipOpen2_64(d.temporary.c_str(), APPEND_STATUS_CREATE, nullptr, &functions);
    if (d.zip == nullptr) {
        return d.abandon(target + ": cannot start the archive", error);
    }
    return true;
}

bool ZipWriter::addFile(const std::string& path, const std::string& name, std::string& error) {
    ArchiveFile input;
    if (!input.open(path, ArchiveFile::Mode::Read, error)) {
        return impl_->abandon(error, error);
    }
    const bool written = impl_->write(
        name, input.size(), input.modified(),
        [&](char* data, std::size_t size, std::size_t& got, std::string& sourceError) {
            if (!input.read(data, size, got)) {
                sourceError = input.failure();
                return false;
            }
            return true;
        },
        error);
    return written;
}

bool ZipWriter::addEntry(const std::string& name, const std::string& bytes, std::string& error) {
    std::size_t offset = 0;
    return impl_->write(
        name, bytes.size(), static_cast<std::int64_t>(std::time(nullptr)),
        [&](char* data, std::size_t size, std::size_t& got, std::string&) {
            got = std::min(size, bytes.size() - offset);
            std::copy_n(bytes.data() + offset, got, data);
            offset += got;
            return true;
        },
        error);
}

bool ZipWriter::addFolder(
    const std::string& folder, const std::string& prefix,
    const std::function<bool(const std::string& relative)>& include, std::string& error,
    const std::function<void(const std::string& relative, std::uint64_t bytes)>& added) {
    if (!impl_->usable(error)) {
        return false;
    }
    const fs::path root = fs::u8path(folder);
    std::error_code code;
    if (!fs::is_directory(root, code)) {
        return impl_->abandon(folder + ": not a folder", error);
    }
    // Links are not followed: a link in a driver folder could pull any file of the machine
    // into an archive that may be uploaded.
    std::vector<std::string> relatives;
    fs::recursive_directory_iterator walk(root, code);
    for (const fs::recursive_directory_iterator end; !code && walk != end; walk.increment(code)) {
        const fs::file_status status = walk->symlink_status(code);
        if (code) {
            break;
        }
        if (fs::is_regular_file(status)) {
            relatives.push_back(walk->path().lexically_relative(root).generic_u8string());
        }
    }
    if (code) {
        return impl_->abandon(folder + ": cannot list the folder: " + code.message(), error);
    }
    std::sort(relatives.begin(), relatives.end());
    for (const std::string& relative : relatives) {
        if (include && !include(relative)) {
            continue;
        }
        if (!addFile(folder + "/" + relative, prefix + relative, error)) {
            return false;
        }
        if (added) {
            std::error_code ignored;
            added(relative, fs::file_size(fs::u8path(folder + "/" + relative), ignored));
        }
    }
    return true;
}

bool ZipWriter::commit(std::string& error) {
    Impl& d = *impl_;
    if (!d.usable(error)) {
        return false;
    }
    if (d.stopped()) {
        return d.abandon(d.target + ": stopped", error);
    }
    const int closed = zipClose(d.zip, nullptr);
    d.zip = nullptr;
    if (closed != ZIP_OK) {
        return d.abandon(d.target + ": cannot finish the archive: " + d.file.failure(), error);
    }
    std::string fileError;
    if (!d.file.sync(fileError) || !d.file.close(fileError) ||
        !replaceFile(d.temporary, d.target, fileError)) {
        return d.abandon(fileError, error);
    }
    d.temporary.clear();
    return true;
}

}  // namespace formats

#include "archivefile.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace formats {

namespace fs = std::filesystem;

namespace {

ArchiveFile* self(voidpf opaque) {
    return static_cast<ArchiveFile*>(opaque);
}

voidpf ZCALLBACK openFile(voidpf opaque, const void*, int) {
    return self(opaque)->isOpen() ? opaque : nullptr;
}

uLong ZCALLBACK readFile(voidpf opaque, voidpf, void* data, uLong size) {
    std::size_t got = 0;
    return self(opaque)->read(data, size, got) ? static_cast<uLong>(got) : 0;
}

uLong ZCALLBACK writeFile(voidpf opaque, voidpf, const void* data, uLong size) {
    return self(opaque)->write(data, size) ? size : 0;
}

ZPOS64_T ZCALLBACK tellFile(voidpf opaque, voidpf) {
    const std::int64_t position = self(opaque)->tell();
    return position < 0 ? static_cast<ZPOS64_T>(-1) : static_cast<ZPOS64_T>(position);
}

long ZCALLBACK seekFile(voidpf opaque, voidpf, ZPOS64_T offset, int origin) {
    const int whence = origin == ZLIB_FILEFUNC_SEEK_CUR   ? SEEK_CUR
                       : origin == ZLIB_FILEFUNC_SEEK_END ? SEEK_END
                                                          : SEEK_SET;
    return self(opaque)->seek(static_cast<std::int64_t>(offset), whence) ? 0 : -1;
}

// The owner closes the file: a writer still has to sync it before the rename.
int ZCALLBACK closeFile(voidpf, voidpf) {
    return 0;
}

int ZCALLBACK errorFile(voidpf opaque, voidpf) {
    return self(opaque)->failure().empty() ? 0 : 1;
}

}  // namespace

std::string randomTag() {
    static thread_local std::mt19937_64 generator(std::random_device{}() ^
                                                  reinterpret_cast<std::uintptr_t>(&generator));
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(generator()));
    return text;
}

ArchiveFile::~ArchiveFile() {
    std::string ignored;
    close(ignored);
}

bool ArchiveFile::open(const std::string& path, Mode mode, std::string& error) {
    close(error);
    error.clear();
    failure_.clear();
    path_ = path;
    mode_ = mode;
    bufferStart_ = bufferEnd_ = 0;
    position_ = 0;
    if (!osOpen(path, mode, error)) {
        handle_ = kNoHandle;
        return false;
    }
    buffer_.resize(kBufferBytes);
    return true;
}

bool ArchiveFile::fail(const std::string& what) {
    if (failure_.empty()) {
        failure_ = path_ + ": " + what + ": " + osError();
    }
    return false;
}

bool ArchiveFile::read(void* data, std::size_t size, std::size_t& got) {
    got = 0;
    if (!isOpen() || !failure_.empty()) {
        return false;
    }
    char* out = static_cast<char*>(data);
    while (got < size) {
        if (bufferStart_ < bufferEnd_) {
            const std::size_t take = std::min(size - got, bufferEnd_ - bufferStart_);
            std::memcpy(out + got, buffer_.data() + bufferStart_, take);
            bufferStart_ += take;
            got += take;
            continue;
        }
        std::size_t read = 0;
        // Large reads go straight to the caller's memory.
        if (size - got >= buffer_.size()) {
            bufferStart_ = bufferEnd_ = 0;
            if (!osRead(out + got, size - got, read)) {
                return fail("cannot read");
            }
            position_ += static_cast<std::int64_t>(read);
            got += read;
            if (read == 0) {
                break;
            }
            continue;
        }
        if (!osRead(buffer_.data(), buffer_.size(), read)) {
            return fail("cannot read");
        }
        position_ += static_cast<std::int64_t>(read);
        bufferStart_ = 0;
        bufferEnd_ = read;
        if (read == 0) {
            break;
        }
    }
    return true;
}

bool ArchiveFile::write(const void* data, std::size_t size) {
    if (!isOpen() || !failure_.empty()) {
        return false;
    }
    if (bufferEnd_ + size > buffer_.size() && !flushWrites()) {
        return false;
    }
    if (size >= buffer_.size()) {
        if (!osWrite(data, size)) {
            return fail("cannot write");
        }
        position_ += static_cast<std::int64_t>(size);
        return true;
    }
    std::memcpy(buffer_.data() + bufferEnd_, data, size);
    bufferEnd_ += size;
    return true;
}

bool ArchiveFile::flushWrites() {
    if (mode_ != Mode::CreateNew || bufferEnd_ == 0) {
        return failure_.empty();
    }
    if (!osWrite(buffer_.data(), bufferEnd_)) {
        return fail("cannot write");
    }
    position_ += static_cast<std::int64_t>(bufferEnd_);
    bufferEnd_ = 0;
    return true;
}

std::int64_t ArchiveFile::tell() const {
    if (!isOpen()) {
        return -1;
    }
    if (mode_ == Mode::CreateNew) {
        return position_ + static_cast<std::int64_t>(bufferEnd_);
    }
    return position_ - static_cast<std::int64_t>(bufferEnd_ - bufferStart_);
}

bool ArchiveFile::seek(std::int64_t offset, int origin) {
    if (!isOpen() || !flushWrites()) {
        return false;
    }
    if (origin == SEEK_CUR) {
        offset += tell();
        origin = SEEK_SET;
    }
    // A seek inside what the buffer holds costs nothing: minizip skips headers this way.
    if (mode_ == Mode::Read && origin == SEEK_SET) {
        const std::int64_t bufferFirst = position_ - static_cast<std::int64_t>(bufferEnd_);
        if (offset >= bufferFirst && offset <= position_) {
            bufferStart_ = static_cast<std::size_t>(offset - bufferFirst);
            return true;
        }
    }
    std::int64_t position = 0;
    if (!osSeek(offset, origin, position)) {
        return fail("cannot seek");
    }
    position_ = position;
    bufferStart_ = bufferEnd_ = 0;
    return true;
}

bool ArchiveFile::sync(std::string& error) {
    if (!flushWrites() || !osSync()) {
        fail("cannot flush to disk");
        error = failure_;
        return false;
    }
    return true;
}

bool ArchiveFile::close(std::string& error) {
    if (!isOpen()) {
        return true;
    }
    const bool flushed = flushWrites();
    const bool closed = osClose();
    handle_ = kNoHandle;
    if (!closed) {
        fail("cannot close");
    }
    if (!flushed || !closed) {
        error = failure_;
        return false;
    }
    return true;
}

zlib_filefunc64_def ArchiveFile::functions() {
    zlib_filefunc64_def table{};
    table.zopen64_file = openFile;
    table.zread_file = readFile;
    table.zwrite_file = writeFile;
    table.ztell64_file = tellFile;
    table.zseek64_file = seekFile;
    table.zclose_file = closeFile;
    table.zerror_file = errorFile;
    table.opaque = this;
    return table;
}

bool makeFolderBeside(const std::string& target, const std::string& tag, std::string& created,
                      std::string& error) {
    const fs::path path = fs::u8path(target);
    std::error_code code;
    if (path.has_parent_path()) {
        fs::create_directories(path.parent_path(), code);
        if (code) {
            error = path.parent_path().u8string() + ": cannot create the folder: " + code.message();
            return false;
        }
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = target + "." + tag + "-" + randomTag();
        // create_directory answers false, not an error, for a name already taken.
        if (fs::create_directory(fs::u8path(candidate), code)) {
            created = candidate;
            return true;
        }
        if (code) {
            error = candidate + ": cannot create the folder: " + code.message();
            return false;
        }
    }
    error = target + ": no free name for a folder beside it";
    return false;
}

bool replaceFolder(const std::string& folder, const std::string& target, std::string& error) {
    const fs::path to = fs::u8path(target);
    std::error_code code;
    std::string earlier;
    if (fs::exists(fs::symlink_status(to, code))) {
        // Folders cannot be renamed over one another: move the old one aside first.
        for (int attempt = 0; attempt < 100 && earlier.empty(); ++attempt) {
            const std::string candidate = target + ".old-" + randomTag();
            if (!fs::exists(fs::symlink_status(fs::u8path(candidate), code))) {
                earlier = candidate;
            }
        }
        fs::rename(to, fs::u8path(earlier), code);
        if (code) {
            error = target + ": cannot move the earlier folder aside: " + code.message();
            return false;
        }
    }
    fs::rename(fs::u8path(folder), to, code);
    if (code) {
        error = target + ": cannot put the extracted folder in place: " + code.message();
        if (!earlier.empty()) {
            std::error_code ignored;
            fs::rename(fs::u8path(earlier), to, ignored);
        }
        return false;
    }
    if (!earlier.empty()) {
        removeTree(earlier);
    }
    return true;
}

void removeTree(const std::string& path) {
    std::error_code ignored;
    fs::remove_all(fs::u8path(path), ignored);
}

}  // namespace formats

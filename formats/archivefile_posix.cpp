#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "archivefile.h"

namespace formats {

namespace {

int fd(std::intptr_t handle) {
    return static_cast<int>(handle);
}

// After a rename, the folder's own entry has to reach the disk too.
bool syncFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : path.substr(0, slash);
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0) {
        return false;
    }
    const bool synced = ::fsync(handle) == 0;
    ::close(handle);
    return synced;
}

}  // namespace

bool ArchiveFile::osOpen(const std::string& path, Mode mode, std::string& error) {
    const int flags = mode == Mode::Read ? O_RDONLY | O_CLOEXEC
                                         : O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    const int handle = ::open(path.c_str(), flags, 0644);
    if (handle < 0) {
        error = path + (mode == Mode::Read ? ": cannot open: " : ": cannot create: ") +
                std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = path + ": not a regular file";
        ::close(handle);
        return false;
    }
    handle_ = handle;
    size_ = static_cast<std::uint64_t>(info.st_size);
    modified_ = static_cast<std::int64_t>(info.st_mtime);
    return true;
}

bool ArchiveFile::osRead(void* data, std::size_t size, std::size_t& got) {
    for (;;) {
        const ssize_t n = ::read(fd(handle_), data, size);
        if (n >= 0) {
            got = static_cast<std::size_t>(n);
            return true;
        }
        if (errno != EINTR) {
            return false;
        }
    }
}

bool ArchiveFile::osWrite(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd(handle_), bytes, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool ArchiveFile::osSeek(std::int64_t offset, int origin, std::int64_t& position) {
    const off_t at = ::lseek(fd(handle_), static_cast<off_t>(offset), origin);
    position = static_cast<std::int64_t>(at);
    return at >= 0;
}

bool ArchiveFile::osSync() {
    return ::fsync(fd(handle_)) == 0;
}

bool ArchiveFile::osClose() {
    return ::close(fd(handle_)) == 0;
}

std::string ArchiveFile::osError() const {
    return std::strerror(errno);
}

std::tm localTime(std::int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm parts{};
    localtime_r(&time, &parts);
    return parts;
}

bool replaceFile(const std::string& from, const std::string& to, std::string& error) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        error = to + ": cannot replace: " + std::strerror(errno);
        return false;
    }
    syncFolderOf(to);
    return true;
}

}  // namespace formats

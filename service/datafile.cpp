#include "datafile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace Service {

int DataFile::open(const std::string& path, int flags, std::string& error, bool* missing) {
    const int fd = ::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (missing != nullptr) {
            *missing = errno == ENOENT;
        }
        error = errno == ELOOP ? path + " is a symbolic link, not a file"
                               : "cannot open " + path + ": " + std::strerror(errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        error = path + " is not a regular file";
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool DataFile::checkRegular(const std::string& path, std::string& error) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT) {
            return true;
        }
        error = "cannot inspect " + path + ": " + std::strerror(errno);
        return false;
    }
    if (S_ISLNK(info.st_mode)) {
        error = path + " is a symbolic link, not a file";
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = path + " is not a regular file";
        return false;
    }
    return true;
}

}  // namespace Service

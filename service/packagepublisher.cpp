#include "packagepublisher.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "datafile.h"
#include "formats/sha1.h"
#include "servicestore.h"
#include "uploadstore.h"

namespace Service {

namespace {

bool makeFolder(const std::string& path, std::string& error) {
    if (::mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) {
        error = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        error = path + " is not a folder";
        return false;
    }
    return true;
}

struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

// Hashes what fd holds; with out >= 0 it also copies it there.
bool hashDescriptor(int fd, int out, std::string& sha1, std::string& error) {
    formats::Sha1 hash;
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = std::string("read: ") + std::strerror(errno);
            return false;
        }
        if (got == 0) {
            break;
        }
        hash.add(buffer.data(), static_cast<std::size_t>(got));
        for (ssize_t written = 0; out >= 0 && written < got;) {
            const ssize_t put =
                ::write(out, buffer.data() + written, static_cast<std::size_t>(got - written));
            if (put < 0 && errno == EINTR) {
                continue;
            }
            if (put < 0) {
                error = std::string("write: ") + std::strerror(errno);
                return false;
            }
            written += put;
        }
    }
    sha1 = hash.hexDigest(false);
    return !sha1.empty() || (error = "cannot be hashed", false);
}

void syncFolder(const std::string& folder) {
    Descriptor directory;
    directory.fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory.fd >= 0) {
        ::fsync(directory.fd);
    }
}

}  // namespace

bool PackagePublisher::publish(const std::string& source, const std::string& sha1,
                               const std::string& folder, std::string& error) {
    const std::string target = folder + "/" + sha1 + ".zip";
    const std::string temporary =
        folder + "/." + sha1 + ".zip.publishing-" + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    // A hard link costs nothing; across file systems, or where links are refused, copy.
    const bool linked = ::link(source.c_str(), temporary.c_str()) == 0;
    Descriptor in;
    Descriptor out;
    in.fd = DataFile::open(linked ? temporary : source, O_RDONLY, error);
    if (!linked && in.fd >= 0) {
        out.fd = DataFile::open(temporary, O_WRONLY | O_CREAT | O_EXCL, error);
    }
    std::string got;
    bool placed =
        in.fd >= 0 && (linked || out.fd >= 0) && hashDescriptor(in.fd, out.fd, got, error);
    if (placed && got != sha1) {
        error = "changed since it was indexed";
        placed = false;
    }
    if (placed && !linked && ::fsync(out.fd) != 0) {
        error = std::string("fsync: ") + std::strerror(errno);
        placed = false;
    }
    if (!placed || ::rename(temporary.c_str(), target.c_str()) != 0) {
        if (placed) {
            error = "cannot rename into " + target + ": " + std::strerror(errno);
        }
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

bool PackagePublisher::publishAll(ServiceStore& store, const std::string& filesFolder,
                                  Summary& summary, const Reporter& report, std::string& error) {
    summary = {};
    const std::string folder = filesFolder + "/packages";
    if (!makeFolder(filesFolder, error) || !makeFolder(folder, error)) {
        return false;
    }
    std::vector<ServiceStore::IndexedPackage> packages;
    if (!store.indexedPackages(packages, error)) {
        return false;
    }
    for (const ServiceStore::IndexedPackage& package : packages) {
        // The name becomes a path: only what the indexer itself wrote is taken.
        if (!UploadStore::isSha1(package.sha1) ||
            UploadStore::lowerCase(package.sha1) != package.sha1) {
            report("not published " + package.path + ": malformed SHA-1 in the catalogue");
            ++summary.failed;
            continue;
        }
        struct stat info {};
        const std::string target = folder + "/" + package.sha1 + ".zip";
        if (::lstat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            info.st_size == package.size) {
            ++summary.present;
            continue;
        }
        std::string failure;
        if (!publish(package.path, package.sha1, folder, failure)) {
            report("not published " + package.path + ": " + failure);
            ++summary.failed;
            continue;
        }
        ++summary.published;
    }
    return true;
}

}  // namespace Service

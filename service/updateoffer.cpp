#include "updateoffer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "formats/safename.h"
#include "formats/sha1.h"
#include "formats/text.h"

namespace Service {

bool resolveUpdateOffer(const std::string& folder, nlohmann::json& update, std::string& error) {
    const auto file = update.find("file");
    if (file == update.end()) {
        return true;
    }
    if (!file->is_string() || !formats::isSafeFileName(file->get<std::string>())) {
        error = "\"update\".file must be a plain file name in " + folder;
        return false;
    }
    const std::string name = file->get<std::string>();
    const std::string path = folder + "/" + name;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = "the update file " + path + " is not a readable regular file" +
                (fd < 0 ? std::string(": ") + std::strerror(errno) : std::string());
        if (fd >= 0) {
            ::close(fd);
        }
        return false;
    }
    formats::Sha1 hash;
    std::vector<char> buffer(1 << 20);
    ssize_t got = 0;
    while ((got = ::read(fd, buffer.data(), buffer.size())) > 0) {
        hash.add(buffer.data(), static_cast<size_t>(got));
    }
    const int readError = errno;
    ::close(fd);
    if (got < 0) {
        error = "cannot read the update file " + path + ": " + std::strerror(readError);
        return false;
    }
    const std::string digest = hash.hexDigest(false);
    if (const auto configured = update.find("hash_sha1"); configured != update.end()) {
        const std::string wanted = formats::text::lower(configured->get<std::string>());
        if (wanted != digest) {
            error = "the update file " + path + " has SHA-1 " + digest + ", not the configured " +
                    configured->get<std::string>();
            return false;
        }
    }
    if (const auto size = update.find("file_size");
        size != update.end() && size->get<std::int64_t>() != info.st_size) {
        error = "the update file " + path + " has " + std::to_string(info.st_size) +
                " bytes, not the configured " + std::to_string(size->get<std::int64_t>());
        return false;
    }
    update["file_name"] = name;
    update["file_size"] = static_cast<std::int64_t>(info.st_size);
    update["hash_sha1"] = digest;
    update.erase("file");
    return true;
}

}  // namespace Service

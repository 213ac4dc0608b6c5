#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "filesha1.h"
#include "platform/infsearch.h"

namespace platform {

namespace {

// Far deeper than any driver package; a bound on what a hostile archive can make us do.
constexpr int kMaxDepth = 64;

bool walk(const std::string& folder, int depth,
          const std::function<bool(const std::string&, const std::string&)>& visit) {
    if (depth > kMaxDepth) {
        return true;
    }
    DIR* directory = ::opendir(folder.c_str());
    if (!directory) {
        return true;
    }
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(directory)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    ::closedir(directory);
    // readdir order differs between file systems; a fixed order makes "the first match" mean one
    // thing.
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            continue;
        }
        if (S_ISDIR(info.st_mode)) {
            if (!walk(path, depth + 1, visit)) {
                return false;
            }
        } else if (S_ISREG(info.st_mode) && !visit(path, name)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void walkFiles(const std::string& folder,
               const std::function<bool(const std::string& path, const std::string& name)>& visit) {
    walk(folder, 0, visit);
}

std::string infSha1(const std::string& path) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    return file < 0 ? std::string() : posix::sha1OfFile(file, true);
}

}  // namespace platform

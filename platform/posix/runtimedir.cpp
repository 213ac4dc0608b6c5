#include "runtimedir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace platform::posix {

namespace {

bool ensurePrivateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return false;
    }
    return info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

}  // namespace

std::string runtimeDir() {
    std::string base;
    if (const char* override = std::getenv("QUILLON_RUNTIME_DIR"); override && *override) {
        base = override;
    } else if (const char* xdg = std::getenv("XDG_RUNTIME_DIR"); xdg && *xdg) {
        base = std::string(xdg) + "/quillonpro";
    } else {
        base = "/tmp/quillonpro-" + std::to_string(::getuid());
    }
    return ensurePrivateFolder(base) ? base : std::string();
}

std::string runtimePath(const std::string& name, const std::string& suffix) {
    const std::string dir = runtimeDir();
    if (dir.empty()) {
        return {};
    }
    std::string safe;
    for (char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        safe += plain ? c : '_';
    }
    return dir + "/" + safe + suffix;
}

}  // namespace platform::posix

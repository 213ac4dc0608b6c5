#include <filesystem>
#include <fstream>
#include <string>

#include "formats/sha1.h"
#include "platform/systemactions.h"

namespace platform {

std::string sha1Hex(const void* data, std::size_t size) {
    formats::Sha1 hash;
    hash.add(data, size);
    return hash.hexDigest(false);
}

std::string fileSha1(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {};
    }
    formats::Sha1 hash;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        hash.add(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return {};
    }
    return hash.hexDigest(false);
}

}  // namespace platform

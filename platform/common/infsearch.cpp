#include "platform/infsearch.h"

namespace platform {

std::string findInfBySha1(const std::string& folder, const std::string& sha1) {
    std::string wanted;
    for (char c : sha1) {
        wanted += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    std::string found;
    walkFiles(folder, [&](const std::string& path, const std::string& name) {
        if (!formats::isInfCandidate(name)) {
            return true;
        }
        const std::string digest = infSha1(path);
        if (!digest.empty() && digest == wanted) {
            found = path;
            return false;
        }
        return true;
    });
    return found;
}

}  // namespace platform

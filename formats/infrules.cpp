#include "formats/infrules.h"

namespace formats {

bool isInfCandidate(const std::string& fileName) {
    const size_t dot = fileName.find('.');
    if (dot == std::string::npos) {
        return false;
    }
    const std::string extension = fileName.substr(dot + 1);
    return extension == "inf" || extension == "INF";
}

}  // namespace formats

#include <algorithm>
#include <cctype>

#include "platform/devices.h"
#include "platform/wmi.h"

namespace platform {

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string matchingIdFromRank(std::uint32_t rank, const std::vector<std::string>& hardwareIds,
                               const std::vector<std::string>& compatibleIds) {
    const std::uint32_t kind = (rank >> 12) & 0xF;
    const std::size_t index = rank & 0xF;
    if (((rank & 0xFFFF) < 0x1000 || kind == 1) && index < hardwareIds.size()) {
        return hardwareIds[index];
    }
    if ((kind == 2 || kind == 3) && index < compatibleIds.size()) {
        return compatibleIds[index];
    }
    return {};
}

bool looksLikeInfName(const std::string& name) {
    static const std::string ending = ".inf";
    if (name.size() < ending.size()) {
        return false;
    }
    return std::equal(ending.begin(), ending.end(), name.end() - ending.size(),
                      [](char expected, char actual) {
                          return expected == std::tolower(static_cast<unsigned char>(actual));
                      });
}

}  // namespace platform

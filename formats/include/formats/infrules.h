#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/inffile.h"

namespace formats {

// A file is a candidate when the text after the first dot of its name is "inf" or "INF".
bool isInfCandidate(const std::string& fileName);

// The system an INF is installed on, as its models decorations name it.
struct InfPlatform {
    std::string arch;  // "amd64", "x86", "arm64", "ia64"
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t productType = 0;  // 0 when unknown
    std::uint32_t build = 0;
};

// The models Windows reads on that platform: for each [Manufacturer] entry, the section
// with the most specific decoration that applies ("NTamd64.10.0...19041"), or the
// undecorated one when none does.
std::vector<inf::Model> modelsFor(const inf::InfFile& file, const InfPlatform& platform);

}  // namespace formats

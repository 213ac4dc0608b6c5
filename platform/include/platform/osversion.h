#pragma once

#include <cstdint>

namespace platform {

// What the system says about its own version; all zero when it cannot be read.
struct OsVersionInfo {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t platformId = 0;
    std::uint32_t productType = 0;  // 1 = workstation
    std::uint32_t suiteMask = 0;
    std::uint32_t build = 0;
    bool is64 = false;              // this process runs under WOW64, so the system is 64-bit
    std::uint32_t productInfo = 0;  // GetProductInfo(major, minor, 0, 0); 0 when unknown
    std::uint32_t processorArchitecture = 0;  // native: 9 x64, 0 x86, 6 Itanium
    std::uint32_t serverR2 = 0;               // the R2 system metric
};

OsVersionInfo readOsVersion();

}  // namespace platform

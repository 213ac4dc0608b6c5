#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Service {

// Windows' rules for choosing and ranking drivers, without storage: which models section of a
// manufacturer line applies to an installation, the rank 0xSSGGTHHH of a match, and the order
// of candidates.
namespace CatalogRanking {

// What the authorisation record says of the installation's system.
struct Platform {
    bool x64 = false;
    int major = 0;
    int minor = 0;

    static Platform from(const std::string& arch, const std::string& os);
};

// The decoration of a models section: NT[arch][.major[.minor[.productType[.suite[.build]]]]].
// An empty field is absent (-1).
struct Decoration {
    bool decorated = false;  // false: the undecorated base section
    std::string arch;        // lower case: "", "x86", "amd64", "arm", "arm64", "ia64", ...
    int major = -1;
    int minor = -1;
    int productType = -1;
    std::int64_t suiteMask = -1;
    std::int64_t build = -1;
    bool valid = true;  // false when the text is not a decoration Windows would read

    static Decoration parse(const std::string& text);
};

// Orders the sections of one manufacturer line for an installation: -1 when the section does
// not apply at all, otherwise larger is closer to the running system.
std::int64_t fitScore(const Decoration& decoration, const Platform& platform);

constexpr std::uint32_t kSignedScore = 0x00000000;
constexpr std::uint32_t kUnsignedScore = 0x80000000;
constexpr std::uint32_t kNoFeatureScore = 0xFF;

// The identifier score 0xTHHH of a match: deviceCompatible says which device list the id came
// from, devicePosition its place there, infPosition the id's place on the models line (0: the
// hardware id, 1...: the compatible ids).
std::uint32_t identifierScore(bool deviceCompatible, std::size_t devicePosition,
                              std::size_t infPosition);
std::uint32_t rank(bool signedDriver, std::uint32_t featureScore, std::uint32_t identifier);

// "mm/dd/yyyy" (DriverVer) to "yyyy-mm-dd"; empty when it is not a date.
std::string isoDate(const std::string& driverVerDate);
// Dotted versions compare field by field as numbers; a missing field is 0.
int compareVersions(const std::string& a, const std::string& b);
// Newer first: by date ("yyyy-mm-dd" compares as text), then by version.
int compareDriverVersion(const std::string& dateA, const std::string& versionA,
                         const std::string& dateB, const std::string& versionB);

// Upper-case ASCII with the surrounding blanks removed: ids compare without regard to case.
std::string normaliseId(const std::string& id);

}  // namespace CatalogRanking

}  // namespace Service

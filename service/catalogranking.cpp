#include "catalogranking.h"

#include <algorithm>
#include <cstdlib>

#include "formats/text.h"

namespace Service::CatalogRanking {

namespace {

using formats::text::lower;

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// A decimal (or 0x hexadecimal) field; -1 when empty, -2 when not a number.
std::int64_t number(const std::string& field) {
    if (field.empty()) {
        return -1;
    }
    const bool hex = field.size() > 2 && field[0] == '0' && (field[1] == 'x' || field[1] == 'X');
    const std::string digits = hex ? field.substr(2) : field;
    if (digits.empty() || digits.size() > 10 ||
        digits.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "0123456789") !=
            std::string::npos) {
        return -2;
    }
    return std::strtoll(digits.c_str(), nullptr, hex ? 16 : 10);
}

}  // namespace

Platform Platform::from(const std::string& arch, const std::string& os) {
    Platform platform;
    platform.x64 = arch == "x64";
    const std::vector<std::string> parts = split(os, '.');
    if (parts.size() >= 2) {
        const std::int64_t major = number(parts[0]);
        const std::int64_t minor = number(parts[1]);
        if (major >= 0 && minor >= 0) {
            platform.major = static_cast<int>(major);
            platform.minor = static_cast<int>(minor);
        }
    }
    return platform;
}

Decoration Decoration::parse(const std::string& text) {
    Decoration decoration;
    if (text.empty()) {
        return decoration;
    }
    decoration.decorated = true;
    const std::vector<std::string> parts = split(text, '.');
    const std::string head = lower(parts[0]);
    if (head.compare(0, 2, "nt") != 0) {
        decoration.valid = false;
        return decoration;
    }
    decoration.arch = head.substr(2);
    std::int64_t* const fields[] = {nullptr, nullptr, nullptr, &decoration.suiteMask,
                                    &decoration.build};
    int* const small[] = {&decoration.major, &decoration.minor, &decoration.productType};
    for (std::size_t k = 1; k < parts.size(); ++k) {
        if (k > 5) {
            decoration.valid = false;
            break;
        }
        const std::int64_t value = number(parts[k]);
        if (value == -2) {
            decoration.valid = false;
            break;
        }
        if (k <= 3) {
            *small[k - 1] = static_cast<int>(value);
        } else {
            *fields[k - 1] = value;
        }
    }
    return decoration;
}

std::int64_t fitScore(const Decoration& decoration, const Platform& platform) {
    if (!decoration.valid) {
        return -1;
    }
    // Plain "NT" and undecorated sections serve x86 only; x64 reads NTamd64 sections alone.
    int archScore = 0;
    if (!decoration.decorated) {
        if (platform.x64) {
            return -1;
        }
    } else if (decoration.arch.empty()) {
        if (platform.x64) {
            return -1;
        }
        archScore = 1;
    } else if (decoration.arch == (platform.x64 ? "amd64" : "x86")) {
        archScore = 2;
    } else {
        return -1;
    }
    const int major = std::max(decoration.major, 0);
    const int minor = std::max(decoration.minor, 0);
    if (major > platform.major || (major == platform.major && minor > platform.minor)) {
        return -1;
    }
    // The record carries no product type; the program runs on workstations.
    if (decoration.productType > 0 && decoration.productType != 1) {
        return -1;
    }
    // Nor the build: the section that asks for the lowest build is the one sure to fit.
    const std::int64_t build = std::max<std::int64_t>(decoration.build, 0);
    const std::int64_t buildScore = 0xFFFFF - std::min<std::int64_t>(build, 0xFFFFF);
    return ((static_cast<std::int64_t>(major) * 256 + minor) << 24) | (buildScore << 2) | archScore;
}

std::uint32_t identifierScore(bool deviceCompatible, std::size_t devicePosition,
                              std::size_t infPosition) {
    const bool infCompatible = infPosition > 0;
    const std::uint32_t type = (deviceCompatible ? 2u : 0u) + (infCompatible ? 1u : 0u);
    std::uint32_t position =
        static_cast<std::uint32_t>(std::min<std::size_t>(devicePosition, 0xFF));
    if (infCompatible) {
        position +=
            0x100u * static_cast<std::uint32_t>(std::min<std::size_t>(infPosition - 1, 0xF));
    }
    return (type << 12) | position;
}

std::uint32_t rank(bool signedDriver, std::uint32_t featureScore, std::uint32_t identifier) {
    return (signedDriver ? kSignedScore : kUnsignedScore) | ((featureScore & 0xFF) << 16) |
           (identifier & 0xFFFF);
}

std::string isoDate(const std::string& driverVerDate) {
    const std::vector<std::string> parts = split(driverVerDate, '/');
    if (parts.size() != 3) {
        return {};
    }
    const std::int64_t month = number(parts[0]);
    const std::int64_t day = number(parts[1]);
    const std::int64_t year = number(parts[2]);
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1000 || year > 9999) {
        return {};
    }
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(year),
                  static_cast<int>(month), static_cast<int>(day));
    return text;
}

int compareVersions(const std::string& a, const std::string& b) {
    const std::vector<std::string> left = split(a, '.');
    const std::vector<std::string> right = split(b, '.');
    for (std::size_t k = 0; k < std::max(left.size(), right.size()); ++k) {
        const std::int64_t x = k < left.size() ? std::max<std::int64_t>(number(left[k]), 0) : 0;
        const std::int64_t y = k < right.size() ? std::max<std::int64_t>(number(right[k]), 0) : 0;
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return 0;
}

int compareDriverVersion(const std::string& dateA, const std::string& versionA,
                         const std::string& dateB, const std::string& versionB) {
    if (dateA != dateB) {
        return dateA < dateB ? -1 : 1;
    }
    return compareVersions(versionA, versionB);
}

std::string normaliseId(const std::string& id) {
    return formats::text::upper(formats::text::trim(id));
}

}  // namespace Service::CatalogRanking

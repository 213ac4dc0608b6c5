#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Service {

// The name a driver goes by on the client and here: the SHA-1 of the contents of its included
// files, one after another, each folder's sub-folders first (in name order, recursively) and
// then its own files in name order. The client hashes the driver's folder; the service hashes
// the archive the client packed from it, so both must walk and filter alike.
class DriverContentHash {
public:
    struct Limits {
        std::uint64_t maxEntryBytes = std::uint64_t(1) << 30;
        std::uint64_t maxTotalBytes = std::uint64_t(1) << 30;
    };

    // False with the reason when the archive cannot be read, is hostile or holds no file that
    // the driver file rule includes.
    static bool ofArchive(const std::string& archive, const Limits& limits, std::string& hash,
                          std::string& error);

    // Walk order of two '/'-separated relative paths.
    static bool walkLess(const std::string& left, const std::string& right);

    // The duplicate rule of the driver file filter: when the file name is a numbered or
    // suffixed copy of a driver binary (name(2).sys, name.sys.1, name.sys~old), its base name
    // ("name.sys", lower case); empty otherwise. The driver extensions are tried from pair on,
    // and pair is left at the one that matched, so that a caller whose base file is missing
    // can go on with the next.
    static std::string duplicateBase(const std::string& lowerName, std::size_t& pair);
    // The name-only part of the rule: suffixes "pnf" and "tmp" and "component.man" are out.
    static bool excludedByName(const std::string& lowerName);
};

}  // namespace Service

#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace Service {

class ServiceStore;

// Puts every package of the catalogue where the file hosting serves it, at
// files/packages/<package sha1>.zip, so that each offer's "download" URL answers.
class PackagePublisher {
public:
    struct Summary {
        std::size_t published = 0;  // newly placed
        std::size_t present = 0;    // already there
        std::size_t failed = 0;
    };
    using Reporter = std::function<void(const std::string& line)>;

    // False only when the catalogue cannot be read or the folder made; a package that cannot be
    // placed is reported and counted.
    static bool publishAll(ServiceStore& store, const std::string& filesFolder, Summary& summary,
                           const Reporter& report, std::string& error);

    // A hard link when the file system allows it, else a copy; either is written under a
    // temporary name, checked against sha1 and renamed, so the final name never holds a
    // partial file or one that changed since it was indexed.
    static bool publish(const std::string& source, const std::string& sha1,
                        const std::string& folder, std::string& error);
};

}  // namespace Service

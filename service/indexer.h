#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "servicestore.h"

namespace Service {

// Fills the catalogue from a folder of driver packages (zip files holding INFs and their
// files): one pass over every *.zip below the folder, each INF read once.
class Indexer {
public:
    struct Summary {
        std::size_t packages = 0;
        std::size_t infs = 0;
        std::size_t ids = 0;
        std::size_t skipped = 0;  // damaged packages and INFs
        std::size_t removed = 0;  // packages no longer in the folder
    };
    // Damaged inputs and progress, one line each.
    using Reporter = std::function<void(const std::string& line)>;

    explicit Indexer(ServiceStore& store) : store_(store) {}
    Indexer(const Indexer&) = delete;
    Indexer& operator=(const Indexer&) = delete;

    // False only when the database could not be written; damaged packages are reported and
    // skipped.
    bool run(const std::string& packagesFolder, Summary& summary, const Reporter& report,
             std::string& error);

private:
    // A batch is stored when it holds this many INFs or packages.
    static constexpr std::size_t kBatchInfs = 2000;
    static constexpr std::size_t kBatchPackages = 256;

    bool readPackage(const std::string& path, CatalogPackage& package, Summary& summary,
                     const Reporter& report);

    ServiceStore& store_;
};

}  // namespace Service

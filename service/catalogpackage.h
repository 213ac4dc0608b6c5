#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogranking.h"

namespace Service {

// One driver package as the indexer read it and the store keeps it: its INFs, their models
// sections, model lines and ids.
struct CatalogPackage {
    struct Model {
        int line = 0;
        std::string description;
        std::string installSection;
        std::uint32_t featureScore = CatalogRanking::kNoFeatureScore;
        std::vector<std::string> ids;
    };
    struct Section {
        int manufacturer = 0;
        std::string name;
        std::string decoration;
        CatalogRanking::Decoration parsed;
        std::vector<Model> models;
    };
    struct Inf {
        std::string path;
        std::string sha1;
        std::string className;
        std::string classGuid;
        std::string provider;
        std::string date;
        std::string version;
        std::string catalogs;
        bool signedX86 = false;
        bool signedX64 = false;
        std::vector<Section> sections;
    };

    std::string path;
    std::string sha1;
    std::uint64_t size = 0;
    std::vector<Inf> infs;
};

}  // namespace Service

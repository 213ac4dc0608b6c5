#include "formats/infrules.h"

#include <cstdlib>
#include <tuple>
#include <unordered_set>

#include "formats/text.h"

namespace formats {

namespace {

using formats::text::lower;

using formats::text::trim;

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> fields(1);
    for (const char c : text) {
        if (c == '.') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

using Specificity = std::tuple<int, std::uint32_t, std::uint32_t, std::uint32_t>;

// How specific a decoration is when it applies to the platform; false when it does not.
bool applies(const std::string& decoration, const InfPlatform& platform, Specificity& rank) {
    const std::vector<std::string> fields = split(lower(trim(decoration)));
    if (fields[0].rfind("nt", 0) != 0) {
        return false;
    }
    const std::string arch = fields[0].substr(2);
    if (!arch.empty() && arch != lower(platform.arch)) {
        return false;
    }
    const auto number = [&](size_t index) -> long {
        return index < fields.size() && !fields[index].empty()
                   ? std::strtol(fields[index].c_str(), nullptr, 10)
                   : -1;
    };
    const long major = number(1);
    const long minor = number(2);
    const long productType = number(3);
    const long build = number(5);
    const std::uint32_t wantMajor = major < 0 ? 0 : static_cast<std::uint32_t>(major);
    const std::uint32_t wantMinor = minor < 0 ? 0 : static_cast<std::uint32_t>(minor);
    if (std::make_tuple(wantMajor, wantMinor) > std::make_tuple(platform.major, platform.minor)) {
        return false;
    }
    if (productType > 0 && platform.productType != 0 &&
        static_cast<std::uint32_t>(productType) != platform.productType) {
        return false;
    }
    const std::uint32_t wantBuild = build < 0 ? 0 : static_cast<std::uint32_t>(build);
    if (wantBuild > platform.build) {
        return false;
    }
    rank = Specificity(arch.empty() ? 0 : 1, wantMajor, wantMinor, wantBuild);
    return true;
}

}  // namespace

bool isInfCandidate(const std::string& fileName) {
    const size_t dot = fileName.find('.');
    if (dot == std::string::npos) {
        return false;
    }
    const std::string extension = fileName.substr(dot + 1);
    return extension == "inf" || extension == "INF";
}

std::vector<inf::Model> modelsFor(const inf::InfFile& file, const InfPlatform& platform) {
    // Looked up by lower-case name: matching each model against every chosen name made a
    // hostile INF of many manufacturers cost its size squared.
    std::unordered_set<std::string> chosen;
    if (const inf::Section* manufacturer = file.section("Manufacturer")) {
        for (const inf::Entry& entry : manufacturer->entries) {
            if (entry.values.empty()) {
                continue;
            }
            const std::string base = trim(file.substitute(entry.values[0]));
            std::string best = base;
            Specificity bestRank(-1, 0, 0, 0);
            for (size_t k = 1; k < entry.values.size(); ++k) {
                const std::string decoration = trim(file.substitute(entry.values[k]));
                Specificity rank;
                if (!decoration.empty() && applies(decoration, platform, rank) && rank > bestRank) {
                    bestRank = rank;
                    best = base + "." + decoration;
                }
            }
            chosen.insert(lower(best));
        }
    }
    std::vector<inf::Model> result;
    for (inf::Model& model : file.models()) {
        if (chosen.count(lower(model.section)) != 0) {
            result.push_back(std::move(model));
        }
    }
    return result;
}

}  // namespace formats

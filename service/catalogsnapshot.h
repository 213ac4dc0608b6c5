#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalogranking.h"
#include "catalogrequest.h"

namespace Service {

// One version of the driver catalogue, held in memory and never changed once built, so any
// number of searches read it at once without a lock; a new index run builds the next one.
class CatalogSnapshot {
public:
    struct Offer {
        std::int64_t infId = 0;
        std::string hid;  // the device's id that matched
        std::uint32_t rank = 0;
        std::string infPath;
        std::string infSha1;
        std::string className;
        std::string provider;
        std::string date;  // "yyyy-mm-dd"
        std::string version;
        std::string packageSha1;
        std::int64_t packageSize = 0;
    };
    struct DeviceOffers {
        std::size_t deviceIndex = 0;
        std::vector<Offer> offers;  // best first
    };
    struct Inf {
        std::int64_t id = 0;
        std::string path;
        std::string sha1;
        std::string className;
        std::string provider;
        std::string date;
        std::string version;
        bool signedX86 = false;
        bool signedX64 = false;
        std::string packageSha1;
        std::int64_t packageSize = 0;
    };

    static constexpr std::size_t kMaxOffers = 3;
    // The work a search may cost: matches of a distinct device id with a catalogue line, summed
    // over the request's distinct devices. A PC's own search stays far below it.
    static constexpr std::size_t kMaxMatches = 2000000;

    explicit CatalogSnapshot(std::int64_t version = 0) : version_(version) {}

    // Filled once by the loader, in any order; lines of an unknown INF are dropped.
    void addInf(Inf inf);
    void addSection(std::int64_t id, std::int64_t infId, std::int64_t manufacturer,
                    const std::string& decoration);
    void addLine(const std::string& normId, std::int64_t infId, std::int64_t sectionId,
                 std::uint32_t featureScore, std::uint32_t position);

    std::int64_t version() const { return version_; }
    std::size_t infCount() const { return infs_.size(); }

    // Offers for each device that has any, in device order; false (and nothing done) when
    // the request would cost more than kMaxMatches, with the count in matches.
    bool find(const std::vector<SearchDevice>& devices, const CatalogRanking::Platform& platform,
              std::vector<DeviceOffers>& result, std::size_t& matches) const;

private:
    struct Section {
        std::int64_t id = 0;
        std::int64_t manufacturer = 0;
        CatalogRanking::Decoration decoration;
    };
    struct Line {
        std::uint32_t inf = 0;  // index into infs_
        std::int64_t section = 0;
        std::uint32_t featureScore = 0;
        std::uint32_t position = 0;
    };
    struct Entry {
        Inf inf;
        std::vector<Section> sections;
    };
    class Search;

    std::int64_t version_;
    std::vector<Entry> infs_;
    std::unordered_map<std::int64_t, std::uint32_t> infIndex_;
    std::unordered_map<std::string, std::vector<Line>> lines_;
};

}  // namespace Service

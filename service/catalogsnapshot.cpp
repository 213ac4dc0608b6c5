#include "catalogsnapshot.h"

#include <algorithm>
#include <map>
#include <set>

namespace Service {

namespace CR = CatalogRanking;

namespace {

// A device's ids once each, in the order that ranks best: a repeated id can only rank worse
// than its first appearance (a later position, or the compatible list after the hardware one).
struct DeviceId {
    std::string normId;
    const std::string* sent;
    bool compatible;
    std::size_t position;
};

std::vector<DeviceId> distinctIds(const SearchDevice& device) {
    std::vector<DeviceId> ids;
    std::set<std::string> seen;
    for (int list = 0; list < 2; ++list) {
        const std::vector<std::string>& sent =
            list == 1 ? device.compatibleIds : device.hardwareIds;
        for (std::size_t position = 0; position < sent.size(); ++position) {
            std::string id = CR::normaliseId(sent[position]);
            if (!id.empty() && seen.insert(id).second) {
                ids.push_back({std::move(id), &sent[position], list == 1, position});
            }
        }
    }
    return ids;
}

// Devices that would search the same way: one PC's request often repeats them.
std::string deviceKey(const SearchDevice& device, const std::vector<DeviceId>& ids) {
    std::string key = device.className + '\n' + (device.hasDriver ? "1" : "0") + device.driverDate +
                      '\n' + device.driverVersion + '\n' + std::to_string(device.driverRank);
    for (const DeviceId& id : ids) {
        key += '\n' + std::string(id.compatible ? "c" : "h") + std::to_string(id.position) + ' ' +
               *id.sent;
    }
    return key;
}

}  // namespace

void CatalogSnapshot::addInf(Inf inf) {
    const std::int64_t id = inf.id;
    if (infIndex_.count(id) != 0) {
        return;
    }
    infIndex_[id] = static_cast<std::uint32_t>(infs_.size());
    infs_.push_back({std::move(inf), {}});
}

void CatalogSnapshot::addSection(std::int64_t id, std::int64_t infId, std::int64_t manufacturer,
                                 const std::string& decoration) {
    const auto known = infIndex_.find(infId);
    if (known != infIndex_.end()) {
        infs_[known->second].sections.push_back(
            {id, manufacturer, CR::Decoration::parse(decoration)});
    }
}

void CatalogSnapshot::addLine(const std::string& normId, std::int64_t infId, std::int64_t sectionId,
                              std::uint32_t featureScore, std::uint32_t position) {
    const auto known = infIndex_.find(infId);
    if (known != infIndex_.end()) {
        lines_[normId].push_back({known->second, sectionId, featureScore, position});
    }
}

// The per-request state of one search: which sections count for each INF met so far.
class CatalogSnapshot::Search {
public:
    Search(const CatalogSnapshot& snapshot, const CR::Platform& platform)
        : snapshot_(snapshot), platform_(platform) {}

    // Per manufacturer line only the section closest to the running system counts.
    bool counts(std::uint32_t inf, std::int64_t section) {
        auto known = chosen_.find(inf);
        if (known == chosen_.end()) {
            std::map<std::int64_t, std::pair<std::int64_t, std::int64_t>> best;
            for (const Section& candidate : snapshot_.infs_[inf].sections) {
                const std::int64_t score = CR::fitScore(candidate.decoration, platform_);
                if (score < 0) {
                    continue;
                }
                const auto held = best.find(candidate.manufacturer);
                if (held == best.end() || score > held->second.first) {
                    best[candidate.manufacturer] = {score, candidate.id};
                }
            }
            std::vector<std::int64_t> sections;
            for (const auto& entry : best) {
                sections.push_back(entry.second.second);
            }
            known = chosen_.emplace(inf, std::move(sections)).first;
        }
        return std::find(known->second.begin(), known->second.end(), section) !=
               known->second.end();
    }

    std::vector<Offer> offers(const SearchDevice& device, const std::vector<DeviceId>& ids) {
        struct Candidate {
            std::uint32_t rank = 0xFFFFFFFF;
            const std::string* hid = nullptr;
        };
        std::unordered_map<std::uint32_t, Candidate> candidates;
        for (const DeviceId& id : ids) {
            const auto found = snapshot_.lines_.find(id.normId);
            if (found == snapshot_.lines_.end()) {
                continue;
            }
            for (const Line& line : found->second) {
                if (!counts(line.inf, line.section)) {
                    continue;
                }
                const Inf& inf = snapshot_.infs_[line.inf].inf;
                const std::uint32_t rank =
                    CR::rank(platform_.x64 ? inf.signedX64 : inf.signedX86, line.featureScore,
                             CR::identifierScore(id.compatible, id.position, line.position));
                Candidate& candidate = candidates[line.inf];
                if (candidate.hid == nullptr || rank < candidate.rank) {
                    candidate = {rank, id.sent};
                }
            }
        }
        std::vector<Offer> offers;
        for (const auto& [index, candidate] : candidates) {
            const Inf& inf = snapshot_.infs_[index].inf;
            if (device.hasDriver &&
                (candidate.rank > device.driverRank ||
                 CR::compareDriverVersion(inf.date, inf.version, device.driverDate,
                                          device.driverVersion) <= 0)) {
                continue;
            }
            Offer offer;
            offer.infId = inf.id;
            offer.hid = *candidate.hid;
            offer.rank = candidate.rank;
            offer.infPath = inf.path;
            offer.infSha1 = inf.sha1;
            offer.className = inf.className.empty() ? device.className : inf.className;
            offer.provider = inf.provider;
            offer.date = inf.date;
            offer.version = inf.version;
            offer.packageSha1 = inf.packageSha1;
            offer.packageSize = inf.packageSize;
            offers.push_back(std::move(offer));
        }
        std::sort(offers.begin(), offers.end(), [](const Offer& a, const Offer& b) {
            if (a.rank != b.rank) {
                return a.rank < b.rank;
            }
            const int newer = CR::compareDriverVersion(a.date, a.version, b.date, b.version);
            if (newer != 0) {
                return newer > 0;
            }
            return a.infId < b.infId;
        });
        // The same INF in two packages is one driver; the best-placed copy stays.
        std::vector<Offer> kept;
        std::set<std::string> seen;
        for (Offer& offer : offers) {
            if (kept.size() == kMaxOffers) {
                break;
            }
            if (seen.insert(offer.infSha1).second) {
                kept.push_back(std::move(offer));
            }
        }
        return kept;
    }

private:
    const CatalogSnapshot& snapshot_;
    const CR::Platform& platform_;
    std::unordered_map<std::uint32_t, std::vector<std::int64_t>> chosen_;
};

bool CatalogSnapshot::find(const std::vector<SearchDevice>& devices, const CR::Platform& platform,
                           std::vector<DeviceOffers>& result, std::size_t& matches) const {
    result.clear();
    matches = 0;
    // The cost is counted before any of it is spent, over distinct devices only.
    std::vector<std::vector<DeviceId>> ids(devices.size());
    std::vector<std::size_t> firstAlike(devices.size());
    std::unordered_map<std::string, std::size_t> alike;
    for (std::size_t index = 0; index < devices.size(); ++index) {
        ids[index] = distinctIds(devices[index]);
        const auto [known, added] = alike.emplace(deviceKey(devices[index], ids[index]), index);
        firstAlike[index] = known->second;
        if (!added) {
            continue;
        }
        for (const DeviceId& id : ids[index]) {
            const auto found = lines_.find(id.normId);
            matches += found == lines_.end() ? 0 : found->second.size();
        }
    }
    if (matches > kMaxMatches) {
        return false;
    }
    Search search(*this, platform);
    std::unordered_map<std::size_t, std::size_t> resultOf;  // first alike device -> result row
    for (std::size_t index = 0; index < devices.size(); ++index) {
        std::vector<Offer> offers;
        if (firstAlike[index] != index) {
            const auto known = resultOf.find(firstAlike[index]);
            if (known == resultOf.end()) {
                continue;
            }
            offers = result[known->second].offers;
        } else {
            offers = search.offers(devices[index], ids[index]);
            if (offers.empty()) {
                continue;
            }
            resultOf[index] = result.size();
        }
        result.push_back({index, std::move(offers)});
    }
    return true;
}

}  // namespace Service

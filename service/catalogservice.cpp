// The "updates_find" request: the catalogue's side of the driver service.
#include <httplib.h>

#include "catalogrequest.h"
#include "driverservice.h"

namespace Service {

namespace {

using nlohmann::json;

json offerJson(const Catalog::Offer& offer, const std::string& base, std::int64_t scanId) {
    return {{"id", offer.infId},
            {"hid", offer.hid},
            {"inf",
             {{"path", offer.infPath},
              {"sha1", offer.infSha1},
              {"version", offer.version},
              {"date", offer.date},
              {"provider", offer.provider}}},
            {"file", {{"sha1", offer.packageSha1}, {"size", offer.packageSize}, {"ext", "zip"}}},
            {"urls",
             {{"download", base + "/files/packages/" + offer.packageSha1 + ".zip"},
              {"install_report",
               base + "/app/report/" + std::to_string(scanId) + "/" + offer.infSha1}}}};
}

}  // namespace

void DriverService::handleUpdatesFind(const httplib::Request& request, httplib::Response& response,
                                      const httplib::ContentReader& reader) {
    TokenSigner::Claims claims;
    if (!authorised(request, response, &claims)) {
        response.set_header("Connection", "close");
        return;
    }
    json document;
    if (!acceptJson(request, response, reader, document)) {
        return;
    }
    CatalogRequest search;
    int status = 0;
    std::string error;
    if (!search.parse(document, status, error)) {
        fail(response, status, error);
        return;
    }

    std::string arch;
    std::string os;
    bool known = false;
    std::vector<Catalog::DeviceOffers> found;
    std::size_t matches = 0;
    std::int64_t scanId = 0;
    Catalog::Found searched = Catalog::Found::Ok;
    if (store_.installation(claims.subject, arch, os, known, error) && known) {
        searched = catalog_.find(search.devices, CatalogRanking::Platform::from(arch, os), found,
                                 matches, error);
    }
    if (searched == Catalog::Found::TooMuchWork) {
        fail(response, 413,
             "the search matches " + std::to_string(matches) + " catalogue lines, more than " +
                 std::to_string(CatalogSnapshot::kMaxMatches));
        return;
    }
    if (!error.empty() || searched == Catalog::Found::Failed ||
        (known &&
         !store_.recordScan(claims.subject, now(), search.devices.size(), scanId, error))) {
        fail(response, 500, "the catalogue failed");
        logStoreError("catalogue: " + error);
        return;
    }
    if (!known) {
        fail(response, 401, "the token names no authorised installation");
        response.set_header("WWW-Authenticate", "Bearer");
        return;
    }

    const std::string base = config_.publicBaseUrl.empty() ? baseUrl_ : config_.publicBaseUrl;
    json updates = json::array();
    for (const Catalog::DeviceOffers& device : found) {
        json drivers = json::array();
        for (const Catalog::Offer& offer : device.offers) {
            drivers.push_back(offerJson(offer, base, scanId));
        }
        updates.push_back({{"device_index", device.deviceIndex},
                           {"class", device.offers.front().className},
                           {"drivers", drivers}});
    }
    answer(response, 200, json{{"scan_id", scanId}, {"updates", updates}});
}

}  // namespace Service

// The "updates_find" request: the catalogue's side of the driver service.
#include <strings.h>

#include <httplib.h>

#include "catalogrequest.h"
#include "driverservice.h"

namespace Service {

namespace {

using nlohmann::json;

std::string bearerToken(const httplib::Request& request, bool& malformed) {
    const std::string authorization = request.get_header_value("Authorization");
    malformed = false;
    if (authorization.empty()) {
        return {};
    }
    if (authorization.size() <= 7 || strncasecmp(authorization.c_str(), "Bearer ", 7) != 0) {
        malformed = true;
        return {};
    }
    const std::size_t first = authorization.find_first_not_of(' ', 7);
    if (first == std::string::npos) {
        malformed = true;
        return {};
    }
    return authorization.substr(first, authorization.find_last_not_of(' ') - first + 1);
}

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
              {"install_report", base + "/app/report/" + std::to_string(scanId)}}}};
}

}  // namespace

void DriverService::handleUpdatesFind(const httplib::Request& request, httplib::Response& response,
                                      const httplib::ContentReader& reader) {
    bool malformed = false;
    const std::string token = bearerToken(request, malformed);
    TokenSigner::Claims claims;
    const TokenSigner::Verdict verdict =
        malformed ? TokenSigner::Verdict::Malformed : signer_.verify(token, now(), &claims);
    if (verdict != TokenSigner::Verdict::Valid) {
        fail(response, 401, TokenSigner::describe(verdict));
        response.set_header("WWW-Authenticate", "Bearer");
        response.set_header("Connection", "close");
        return;
    }
    json document;
    const Failure failure = readJson(request, response, reader, document);
    if (failure.status != 0) {
        fail(response, failure.status, failure.message);
        response.set_header("Connection", "close");
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
    std::int64_t scanId = 0;
    if (!catalog_.installation(claims.subject, arch, os, known, error) ||
        (known &&
         (!catalog_.find(search.devices, CatalogRanking::Platform::from(arch, os), found, error) ||
          !catalog_.recordScan(claims.subject, now(), search.devices.size(), scanId, error)))) {
        fail(response, 500, "the catalogue failed");
        std::lock_guard<std::mutex> lock(logMutex_);
        std::fprintf(accessLog_, "catalogue error: %s\n", error.c_str());
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

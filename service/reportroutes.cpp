// The "install_report" route: what clients say about each installation they made.
#include <httplib.h>

#include <cstdlib>
#include <limits>

#include "driverservice.h"
#include "guardedserver.h"

namespace Service {

namespace {

using nlohmann::json;

// Windows error codes are unsigned 32-bit numbers; a client that holds them signed sends the
// same bits as a negative number, and both are taken.
bool readCode(const json& object, const char* key, std::int64_t minimum, std::int64_t maximum,
              std::int64_t& value) {
    const auto found = object.find(key);
    if (found == object.end() || !found->is_number_integer()) {
        return false;
    }
    if (found->is_number_unsigned()) {
        const auto unsignedValue = found->get<std::uint64_t>();
        if (unsignedValue > static_cast<std::uint64_t>(maximum)) {
            return false;
        }
        value = static_cast<std::int64_t>(unsignedValue);
        return true;
    }
    value = found->get<std::int64_t>();
    return value >= minimum && value <= maximum;
}

}  // namespace

void DriverService::installReportRoutes() {
    GuardedServer& server = *server_;
    const char* path = R"(/app/report/([0-9]{1,18})/([0-9a-f]{40}))";
    server.Put(path, [this](const httplib::Request& request, httplib::Response& response,
                            const httplib::ContentReader& reader) {
        handleInstallReport(request, response, reader);
    });
    server.Get(path, [](const httplib::Request&, httplib::Response& response) {
        fail(response, 405, "method not allowed");
    });
    server.Post(path, [](const httplib::Request&, httplib::Response& response,
                         const httplib::ContentReader&) {
        fail(response, 405, "method not allowed");
        response.set_header("Connection", "close");
    });
}

void DriverService::handleInstallReport(const httplib::Request& request,
                                        httplib::Response& response,
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
    const auto body = document.is_object() ? document.find("report") : document.end();
    ServiceStore::InstallReport report;
    constexpr std::int64_t int32Min = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t int32Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t uint32Max = std::numeric_limits<std::uint32_t>::max();
    if (body == document.end() || !body->is_object() ||
        !readCode(*body, "error_code", int32Min, int32Max, report.errorCode) ||
        !readCode(*body, "system_error_code", int32Min, uint32Max, report.systemErrorCode)) {
        fail(response, 400,
             "the body must be {\"report\": {\"error_code\": N, \"system_error_code\": N}} with "
             "32-bit integers");
        return;
    }
    if (report.systemErrorCode < 0) {
        report.systemErrorCode += uint32Max + 1;
    }
    report.scanId = std::strtoll(request.matches[1].str().c_str(), nullptr, 10);
    report.infSha1 = request.matches[2];
    report.appid = claims.subject;
    report.receivedAt = now();
    std::string error;
    switch (store_.recordInstallReport(report, error)) {
        case ServiceStore::ReportOutcome::Stored:
            answer(response, 200, json::object());
            return;
        case ServiceStore::ReportOutcome::UnknownScan:
            fail(response, 404, "no such scan for this installation");
            return;
        case ServiceStore::ReportOutcome::Failed:
            fail(response, 500, "the report was not stored");
            logStoreError(error);
            return;
    }
}

}  // namespace Service

// The service's file hosting, self-update file, upload check and multipart upload routes.
#include <httplib.h>

#include "bearercheck.h"
#include "driverservice.h"
#include "guardedserver.h"

namespace Service {

namespace {

using nlohmann::json;

// A check names the packages of one machine; far more would be a mistake or an attack.
constexpr std::size_t kMaxCheckedHashes = 100000;

}  // namespace

void DriverService::installFileRoutes() {
    GuardedServer& server = *server_;
    // The library answers HEAD through the GET routes, without the body.
    server.Get(R"(/files/(.+))",
               [this](const httplib::Request& request, httplib::Response& response) {
                   handleFile(request, response, request.matches[1]);
               });
    server.Get("/app/update", [this](const httplib::Request& request, httplib::Response& response) {
        handleAppUpdate(request, response);
    });
    server.Put("/upload/check", [this](const httplib::Request& request, httplib::Response& response,
                                       const httplib::ContentReader& reader) {
        handleUploadCheck(request, response, reader);
    });
    server.Post(
        "/upload/upload",
        [this](const httplib::Request& request, httplib::Response& response,
               const httplib::ContentReader& reader) { handleUpload(request, response, reader); });

    const auto notAllowed = [](const httplib::Request&, httplib::Response& response,
                               const httplib::ContentReader&) {
        fail(response, 405, "method not allowed");
        response.set_header("Connection", "close");
    };
    for (const char* path : {R"(/files/(.+))", "/app/update"}) {
        server.Put(path, notAllowed);
        server.Post(path, notAllowed);
    }
    server.Delete(R"(/files/(.+))", [](const httplib::Request&, httplib::Response& response) {
        fail(response, 405, "method not allowed");
    });
    server.Post("/upload/check", notAllowed);
    server.Put("/upload/upload", notAllowed);
}

bool DriverService::authorised(const httplib::Request& request, httplib::Response& response,
                               TokenSigner::Claims* claims) const {
    const TokenSigner::Verdict verdict = checkBearer(signer_, request, now(), claims);
    if (verdict == TokenSigner::Verdict::Valid) {
        return true;
    }
    fail(response, 401, TokenSigner::describe(verdict));
    response.set_header("WWW-Authenticate", "Bearer");
    return false;
}

void DriverService::handleFile(const httplib::Request& request, httplib::Response& response,
                               const std::string& relative) {
    if (authorised(request, response)) {
        files_.serve(request, response, relative);
    }
}

void DriverService::handleAppUpdate(const httplib::Request& request, httplib::Response& response) {
    if (!authorised(request, response)) {
        return;
    }
    const auto name = config_.update.find("file_name");
    if (name == config_.update.end() || !name->is_string() || name->get<std::string>().empty() ||
        name->get<std::string>().find('/') != std::string::npos) {
        fail(response, 404, "no update is offered");
        return;
    }
    files_.serve(request, response, "update/" + name->get<std::string>());
}

void DriverService::handleUploadCheck(const httplib::Request& request, httplib::Response& response,
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
    const auto hashes = document.is_object() ? document.find("hashes") : document.end();
    if (hashes == document.end() || !hashes->is_array() || hashes->size() > kMaxCheckedHashes) {
        fail(response, 400, "the body must be {\"hashes\": [...]}");
        return;
    }
    std::vector<std::string> asked;
    asked.reserve(hashes->size());
    for (const json& hash : *hashes) {
        if (!hash.is_string() || !UploadStore::isSha1(hash.get<std::string>())) {
            fail(response, 400, "every hash is 40 hexadecimal digits");
            return;
        }
        asked.push_back(hash.get<std::string>());
    }
    std::vector<std::string> wanted;
    std::string error;
    if (!uploads_.check(claims.subject, asked, wanted, error)) {
        logStoreError(error);
        fail(response, 500, "cannot record the check");
        return;
    }
    answer(response, 200, json{{"hashes", wanted}});
}

void DriverService::handleUpload(const httplib::Request& request, httplib::Response& response,
                                 const httplib::ContentReader& reader) {
    TokenSigner::Claims claims;
    if (!authorised(request, response, &claims)) {
        response.set_header("Connection", "close");
        return;
    }
    std::vector<std::string> hashes;
    std::vector<std::string> refused;
    UploadStore::Failure failure =
        uploads_.receive(request, reader, config_.uploadLimit, claims.subject, hashes, refused);
    // The library refuses a body over its own limit while it reads.
    if (failure.status == 400 && response.status == 413) {
        failure = {413, "request body exceeds " + std::to_string(config_.uploadLimit) + " bytes"};
    }
    if (failure.status != 0) {
        fail(response, failure.status, failure.message);
        response.set_header("Connection", "close");
        return;
    }
    for (const std::string& reason : refused) {
        logStoreError("upload refused: " + reason);
    }
    answer(response, 200, json{{"hashes", hashes}});
}

}  // namespace Service

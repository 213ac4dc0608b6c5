// The service over TLS with a certificate the test makes itself.
#include <cstdlib>

#include "check.h"
#include "servicerunner.h"
#include "servicetesting.h"

using nlohmann::json;
using namespace servicetesting;

namespace {

struct Certificate {
    std::string dir;
    std::string cert;
    std::string key;
};

const Certificate& certificate() {
    static Certificate made = [] {
        Certificate c;
        c.dir = ServiceRunner::makeTempDir("tls");
        c.cert = c.dir + "/cert.pem";
        c.key = c.dir + "/key.pem";
        const std::string command =
            "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1"
            " -addext subjectAltName=IP:127.0.0.1 -keyout '" +
            c.key + "' -out '" + c.cert + "' >'" + c.dir + "/openssl.log' 2>&1";
        if (std::system(command.c_str()) != 0) {
            c.cert.clear();
        }
        return c;
    }();
    return made;
}

}  // namespace

TEST_CASE("authorisation and settings over TLS") {
    const Certificate& c = certificate();
    REQUIRE(!c.cert.empty());
    ServiceRunner service;
    REQUIRE(service.start(c.dir + "/data", {"--tls-cert", c.cert, "--tls-key", c.key}));
    CHECK_EQ(service.url().substr(0, 8), std::string("https://"));

    httplib::Client trusting(service.url());
    trusting.set_ca_cert_path(c.cert.c_str());
    trusting.enable_server_certificate_verification(true);
    const std::string token = authorise(trusting);
    REQUIRE(!token.empty());
    const httplib::Result settings = getSettings(trusting, token);
    REQUIRE(settings && settings->status == 200);
    const json body = parse(settings);
    CHECK_EQ(body["urls"]["api"]["app_settings"], json(service.url() + "/app/settings"));
    CHECK(isError(getSettings(trusting, "garbage"), 401));
    CHECK_EQ(service.stop(), 0);
}

TEST_CASE("a strict client refuses the self-signed certificate, a lax one accepts it") {
    const Certificate& c = certificate();
    REQUIRE(!c.cert.empty());
    ServiceRunner service;
    REQUIRE(service.start(c.dir + "/data", {"--tls-cert", c.cert, "--tls-key", c.key}));

    httplib::Client strict(service.url());
    strict.enable_server_certificate_verification(true);
    const httplib::Result refused = putAuth(strict, zlibStream(authRecord().dump()));
    CHECK(!refused);
    CHECK(refused.error() == httplib::Error::SSLServerVerification);

    httplib::Client lax(service.url());
    lax.enable_server_certificate_verification(false);
    CHECK(!authorise(lax).empty());

    // Plain HTTP against the TLS port fails for that client only.
    httplib::Client plain("http://" + service.host() + ":" + std::to_string(service.port()));
    plain.set_read_timeout(5, 0);
    const httplib::Result garbled = plain.Get("/app/settings");
    CHECK(!garbled || garbled->status >= 400);
    CHECK(!authorise(lax).empty());
}

TEST_CASE("a missing or unreadable key stops the start") {
    const Certificate& c = certificate();
    REQUIRE(!c.cert.empty());
    ServiceRunner service;
    CHECK(!service.start(c.dir + "/data", {"--tls-cert", c.cert, "--tls-key", c.dir + "/none"}));
    CHECK(!service.start(c.dir + "/data", {"--tls-cert", c.key, "--tls-key", c.key}));
}

CHECK_MAIN

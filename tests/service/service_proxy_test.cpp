// Two instances on one PostgreSQL store and one data folder behind nginx, as deployed for many
// users: either answers any call of one client.
#include <filesystem>
#include <set>

#include "check.h"
#include "nginxrunner.h"
#include "servicerunner.h"
#include "servicetesting.h"
#include "zipfiles.h"

using nlohmann::json;
using namespace servicetesting;

namespace {

const char kInf[] =
    "[Version]\r\nSignature=\"$WINDOWS NT$\"\r\nClass=Net\r\nProvider=Test\r\n"
    "DriverVer=01/01/2024,2.0\r\n\r\n[Manufacturer]\r\nTest=Models,NTamd64\r\n\r\n"
    "[Models.NTamd64]\r\nDevice = I, PCI\\VEN_1234&DEV_0001\r\n";

json search() {
    return {
        {"devices", {{{"hids", {{{"name", "PCI\\VEN_1234&DEV_0001"}, {"compatible", false}}}}}}}};
}

httplib::Headers bearer(const std::string& token) {
    return {{"Authorization", "Bearer " + token}};
}

}  // namespace

TEST_CASE("two instances behind nginx answer one client's calls interchangeably") {
    if (!ServiceRunner::postgresql() || !NginxRunner::available()) {
        std::printf("skipped: needs QLN_SERVICE_BACKEND=postgresql and nginx\n");
        return;
    }
    const std::string dir = ServiceRunner::makeTempDir("proxy");
    const std::string data = dir + "/data";
    const std::string packages = dir + "/packages";
    std::filesystem::create_directories(packages);
    std::filesystem::create_directories(dir + "/nginx");
    REQUIRE(zipfiles::write(packages + "/one.zip", {{"one.inf", kInf}}));

    // Indexed once, into the store both instances read.
    std::string command = "'" + ServiceRunner::binary() + "' index --data '" + data +
                          "' --packages '" + packages + "' >/dev/null";
    for (const std::string& arg : ServiceRunner::storeArgs(data)) {
        command += " '" + arg + "'";
    }
    REQUIRE(std::system(command.c_str()) == 0);

    const int proxyPort = NginxRunner::freePort();
    const std::string base = "http://127.0.0.1:" + std::to_string(proxyPort);
    ServiceRunner::writeFile(dir + "/config.json", json{{"public_base_url", base}}.dump());
    ServiceRunner first;
    ServiceRunner second;
    REQUIRE(first.start(data, {"--config", dir + "/config.json"}, dir + "/first.log"));
    REQUIRE(second.start(data, {"--config", dir + "/config.json"}, dir + "/second.log"));

    // A token from one instance is accepted by the other; both serve the one catalogue.
    httplib::Client one(first.url());
    httplib::Client other(second.url());
    const std::string token = authorise(one);
    REQUIRE(!token.empty());
    const auto settings = getSettings(other, token);
    CHECK(settings && settings->status == 200);
    for (httplib::Client* client : {&one, &other}) {
        const json answer = parse(client->Put("/updates/find", bearer(token),
                                              zlibStream(search().dump()), "application/json"));
        REQUIRE(answer.is_object() && answer["updates"].size() == 1);
        CHECK_EQ(answer["updates"][0]["drivers"][0]["inf"]["path"], json("one.inf"));
    }

    // Each nginx worker alternates between the instances, so one kind of call may always meet
    // the same one: count every answered call.
    const auto answered = [&dir](const char* log) {
        const std::string text = ServiceRunner::readFile(dir + log);
        std::size_t count = 0;
        for (std::size_t at = text.find("\" 200"); at != std::string::npos;
             at = text.find("\" 200", at + 1)) {
            ++count;
        }
        return count;
    };
    const std::size_t before[] = {answered("/first.log"), answered("/second.log")};
    NginxRunner nginx;
    REQUIRE(nginx.start(dir + "/nginx", {first.port(), second.port()}, proxyPort));
    httplib::Client proxy(nginx.url());
    const std::string proxied = authorise(proxy);
    REQUIRE(!proxied.empty());
    std::set<std::int64_t> scans;
    for (int call = 0; call < 20; ++call) {
        const auto result = getSettings(proxy, proxied);
        CHECK(result && result->status == 200);
        const json answer = parse(proxy.Put("/updates/find", bearer(proxied),
                                            zlibStream(search().dump()), "application/json"));
        CHECK(answer.is_object() && answer["updates"].size() == 1);
        scans.insert(answer.value("scan_id", std::int64_t(0)));
    }
    CHECK_EQ(scans.size(), std::size_t(20));
    // Both took a share of the calls.
    CHECK(answered("/first.log") > before[0]);
    CHECK(answered("/second.log") > before[1]);
}

CHECK_MAIN

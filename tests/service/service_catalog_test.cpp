// The driver catalogue of the real service: packages indexed by "quillon-service index", then
// searched over "updates_find" the way Windows ranks drivers for a device.
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "check.h"
#include "formats/sha1.h"
#include "servicerunner.h"
#include "servicetesting.h"
#include "zipfiles.h"

using nlohmann::json;
using namespace servicetesting;

namespace {

struct IndexRun {
    int status = -1;
    std::string out;
    std::string err;
};

IndexRun runIndex(const std::string& data, const std::string& packages) {
    const std::string errPath = data + "-index.err";
    std::string command = "'" + ServiceRunner::binary() + "' index --data '" + data +
                          "' --packages '" + packages + "' 2>'" + errPath + "'";
    for (const std::string& arg : ServiceRunner::storeArgs(data)) {
        command += " '" + arg + "'";
    }
    IndexRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        run.out += buffer;
    }
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ServiceRunner::readFile(errPath);
    return run;
}

std::string sha1Of(const std::string& bytes) {
    formats::Sha1 hash;
    hash.add(bytes.data(), bytes.size());
    return hash.hexDigest(false);
}

// One INF of a test package.
struct Inf {
    using Sections = std::map<std::string, std::vector<std::string>>;
    Inf(std::string name, std::string date, std::string version, std::string decorations,
        Sections sections)
        : name(std::move(name)),
          date(std::move(date)),
          version(std::move(version)),
          decorations(std::move(decorations)),
          sections(std::move(sections)) {}

    std::string name;  // entry name, also how the offer is recognised
    std::string date;
    std::string version;
    std::string decorations;   // the manufacturer line after the base name
    Sections sections;         // decoration ("" for the base section) -> "Install, ids..." lines
    std::string featureScore;  // empty: none
    bool signedDriver = true;
};

std::string infText(const Inf& inf) {
    std::string text =
        "[Version]\r\nSignature=\"$WINDOWS NT$\"\r\nClass=Net\r\n"
        "ClassGuid={4d36e972-e325-11ce-bfc1-08002be10318}\r\n"
        "Provider=%Vendor%\r\nDriverVer=" +
        inf.date + "," + inf.version + "\r\nCatalogFile=" + inf.name + ".cat\r\n\r\n";
    text += "[Manufacturer]\r\n%Vendor%=Models" +
            (inf.decorations.empty() ? "" : "," + inf.decorations) + "\r\n\r\n";
    for (const auto& section : inf.sections) {
        text += "[Models" + (section.first.empty() ? "" : "." + section.first) + "]\r\n";
        for (const std::string& line : section.second) {
            text += "%Desc% = " + line + "\r\n";
        }
        text += "\r\n";
    }
    for (const char* install : {"I", "Install"}) {
        text += std::string("[") + install + ".NT]\r\nCopyFiles=Files\r\n";
        if (!inf.featureScore.empty()) {
            text += "FeatureScore=" + inf.featureScore + "\r\n";
        }
    }
    text += "\r\n[Strings]\r\nVendor=\"Test Vendor\"\r\nDesc=\"Test device\"\r\n";
    return text;
}

bool writePackage(const std::string& folder, const std::vector<Inf>& infs) {
    std::vector<zipfiles::File> files;
    for (const Inf& inf : infs) {
        files.push_back({inf.name + ".inf", infText(inf)});
        if (inf.signedDriver) {
            files.push_back({inf.name + ".cat", "catalogue stand-in"});
        }
    }
    return zipfiles::write(folder + "/" + infs.front().name + ".zip", files);
}

json hid(const std::string& name, bool compatible) {
    return {{"name", name}, {"compatible", compatible}};
}

json device(const std::vector<std::string>& hardware, const std::vector<std::string>& compatible,
            const json& driver = nullptr) {
    json hids = json::array();
    for (const std::string& id : hardware) {
        hids.push_back(hid(id, false));
    }
    for (const std::string& id : compatible) {
        hids.push_back(hid(id, true));
    }
    json item = {{"manufacturer", "Test"},
                 {"description", "Test device"},
                 {"connected", true},
                 {"lowerlogoversion", ""},
                 {"class", {{"name", "Net"}, {"guid", "{4d36e972-e325-11ce-bfc1-08002be10318}"}}},
                 {"hids", hids}};
    if (!driver.is_null()) {
        item["driver"] = driver;
    }
    return item;
}

json installed(const std::string& date, const std::string& version, std::uint32_t rank) {
    return {{"provider", "Test Vendor"},
            {"version", version},
            {"date", date},
            {"type", 2},
            {"rank", rank}};
}

httplib::Result find(httplib::Client& client, const std::string& token, const std::string& body) {
    return client.Put("/updates/find", {{"Authorization", "Bearer " + token}}, zlibStream(body),
                      "application/json");
}

// The INF names offered for the only device of a request, in answer order.
std::string offered(httplib::Client& client, const std::string& token, const json& item) {
    const json answer = parse(find(client, token, json{{"devices", {item}}}.dump()));
    if (!answer.is_object() || !answer["updates"].is_array()) {
        return "(no answer)";
    }
    std::string names;
    for (const json& update : answer["updates"]) {
        for (const json& driver : update["drivers"]) {
            const std::string path = driver["inf"]["path"].get<std::string>();
            names += (names.empty() ? "" : " ") + path.substr(0, path.size() - 4);
        }
    }
    return names;
}

// A catalogue and a running service over it, shared by the cases below.
struct Fixture {
    std::string dir;
    std::string data;
    std::string packages;
    ServiceRunner service;
    IndexRun index;

    bool start(const std::string& name, const std::vector<std::vector<Inf>>& catalogue) {
        dir = ServiceRunner::makeTempDir(name);
        data = dir + "/data";
        packages = dir + "/packages";
        std::filesystem::create_directories(packages);
        for (const std::vector<Inf>& package : catalogue) {
            if (!writePackage(packages, package)) {
                return false;
            }
        }
        index = runIndex(data, packages);
        return index.status == 0 && service.start(data);
    }
};

std::vector<std::vector<Inf>> rankingCatalogue() {
    const auto one = [](Inf inf) { return std::vector<Inf>{std::move(inf)}; };
    std::vector<std::vector<Inf>> c;
    // Hardware-id match against a newer compatible-id match.
    c.push_back(one({"hw_a", "01/01/2020", "1.0", "NTamd64", {{"NTamd64", {"I, ROW\\A"}}}}));
    c.push_back(one({"cid_a", "01/01/2024", "2.0", "NTamd64", {{"NTamd64", {"I, ROW\\A_CID"}}}}));
    // An earlier device id against a later one.
    c.push_back(one({"late_b", "01/01/2024", "2.0", "NTamd64", {{"NTamd64", {"I, ROW\\B1"}}}}));
    c.push_back(one({"early_b", "01/01/2020", "1.0", "NTamd64", {{"NTamd64", {"I, ROW\\B0"}}}}));
    // Signed compatible match against an unsigned hardware match.
    Inf unsignedC{"unsigned_c", "01/01/2024", "2.0", "NTamd64", {{"NTamd64", {"I, ROW\\C"}}}};
    unsignedC.signedDriver = false;
    c.push_back(one(unsignedC));
    c.push_back(one({"signed_cid_c",
                     "01/01/2020",
                     "1.0",
                     "NTamd64",
                     {{"NTamd64", {"I, X\\OTHER, ROW\\C_CID"}}}}));
    // FeatureScore.
    c.push_back(one({"plain_e", "01/01/2024", "2.0", "NTamd64", {{"NTamd64", {"I, ROW\\E"}}}}));
    Inf scored{"scored_e", "01/01/2020", "1.0", "NTamd64", {{"NTamd64", {"I, ROW\\E"}}}};
    scored.featureScore = "0x10";
    c.push_back(one(scored));
    // Decorations by architecture.
    c.push_back(one({"amd64_f", "01/01/2022", "1.0", "NTamd64", {{"NTamd64", {"I, ROW\\F"}}}}));
    c.push_back(one({"x86_f", "01/01/2022", "1.1", "NTx86", {{"NTx86", {"I, ROW\\F"}}}}));
    c.push_back(one({"plain_f", "01/01/2022", "1.2", "", {{"", {"I, ROW\\F"}}}}));
    c.push_back(one({"nt_f", "01/01/2022", "1.3", "NT", {{"NT", {"I, ROW\\F"}}}}));
    // Decorations by version: only for 10.0, and the closest section of one line.
    c.push_back(
        one({"win10_g", "01/01/2022", "1.0", "NTamd64.10.0", {{"NTamd64.10.0", {"I, ROW\\G"}}}}));
    c.push_back(one({"closest_h",
                     "01/01/2022",
                     "1.0",
                     "NTamd64,NTamd64.6.1,NTamd64.10.0",
                     {{"NTamd64", {"I, ROW\\H_OLD"}},
                      {"NTamd64.6.1", {"I, ROW\\H_61"}},
                      {"NTamd64.10.0", {"I, ROW\\H_10"}}}}));
    // Ties on date, then version; at most three offers.
    c.push_back(one({"v5_i", "01/01/2022", "1.0.0.5", "NTamd64", {{"NTamd64", {"I, ROW\\I"}}}}));
    c.push_back(one({"v10_i", "01/01/2022", "1.0.0.10", "NTamd64", {{"NTamd64", {"I, ROW\\I"}}}}));
    c.push_back(one({"feb_i", "02/01/2022", "1.0.0.1", "NTamd64", {{"NTamd64", {"I, ROW\\I"}}}}));
    c.push_back(one({"old_i", "01/01/2021", "9.0.0.0", "NTamd64", {{"NTamd64", {"I, ROW\\I"}}}}));
    // Case, and the installed driver itself.
    c.push_back(
        one({"upper_j", "01/01/2022", "1.0", "NTamd64", {{"NTamd64", {"I, ROW\\UPPER_J"}}}}));
    c.push_back(one({"same_k", "05/05/2021", "3.0.0.0", "NTamd64", {{"NTamd64", {"I, ROW\\K"}}}}));
    c.push_back(one({"older_k", "01/01/2020", "4.0.0.0", "NTamd64", {{"NTamd64", {"I, ROW\\K"}}}}));
    return c;
}

// One network card driver whose package the reports tests download and report on.
Inf netcardInf() {
    return {"netcard",
            "03/04/2024",
            "2.5.0.1",
            "NTamd64",
            {{"NTamd64", {"Install, PCI\\VEN_1&DEV_2"}}}};
}

}  // namespace

TEST_CASE("ranking and choice follow Windows, one rule per row") {
    Fixture fixture;
    REQUIRE(fixture.start("ranking", rankingCatalogue()));
    httplib::Client client(fixture.service.url());
    const auto tokenFor = [&](const std::string& appid, const std::string& os,
                              const std::string& arch) {
        json record = authRecord(appid);
        record["os"] = os;
        record["arch"] = arch;
        return authorise(client, record);
    };
    const std::string win10 = tokenFor("{00000000-0000-0000-0000-000000000010}", "10.0", "x64");
    const std::string win7 = tokenFor("{00000000-0000-0000-0000-000000000061}", "6.1", "x64");
    const std::string x86 = tokenFor("{00000000-0000-0000-0000-000000000086}", "10.0", "x86");
    REQUIRE(!win10.empty() && !win7.empty() && !x86.empty());

    struct Row {
        const char* name;
        const std::string& token;
        json device;
        const char* expected;
    };
    const Row rows[] = {
        {"hardware-id match beats a newer compatible-id match", win10,
         device({"ROW\\A"}, {"ROW\\A_CID"}), "hw_a cid_a"},
        {"an earlier device id beats a later one", win10, device({"ROW\\B0", "ROW\\B1"}, {}),
         "early_b late_b"},
        {"a signed compatible match beats an unsigned hardware match", win10,
         device({"ROW\\C"}, {"ROW\\C_CID"}), "signed_cid_c unsigned_c"},
        {"an unsigned driver is not offered over a signed installed one", win10,
         device({"ROW\\C"}, {}, installed("2021-01-01", "1.0", 0x00FF0000)), ""},
        {"a FeatureScore ranks above a newer driver without one", win10, device({"ROW\\E"}, {}),
         "scored_e plain_e"},
        {"x64 reads NTamd64 sections only", win10, device({"ROW\\F"}, {}), "amd64_f"},
        {"x86 reads NT, NTx86 and undecorated sections, never NTamd64", x86, device({"ROW\\F"}, {}),
         "nt_f plain_f x86_f"},
        {"a 6.1 client gets nothing from an NTamd64.10.0-only INF", win7, device({"ROW\\G"}, {}),
         ""},
        {"a 10.0 client gets the NTamd64.10.0 INF", win10, device({"ROW\\G"}, {}), "win10_g"},
        {"on 10.0 only the 10.0 section of the line counts", win10,
         device({"ROW\\H_OLD", "ROW\\H_61", "ROW\\H_10"}, {}), "closest_h"},
        {"on 10.0 the sections for older systems are passed over", win10,
         device({"ROW\\H_OLD", "ROW\\H_61"}, {}), ""},
        {"on 6.1 the 6.1 section wins over the undecorated-version one", win7,
         device({"ROW\\H_61"}, {}), "closest_h"},
        {"on 6.1 the NTamd64 section is passed over", win7, device({"ROW\\H_OLD"}, {}), ""},
        {"equal ranks: newer date first, then higher version, three at most", win10,
         device({"ROW\\I"}, {}), "feb_i v10_i v5_i"},
        {"upper-case ids still match", win10, device({"row\\upper_j"}, {}), "upper_j"},
        {"the installed driver itself is not offered, nor an older one", win10,
         device({"ROW\\K"}, {}, installed("2021-05-05", "3.0.0.0", 0x00FF0000)), ""},
        {"a newer driver of worse rank than the installed one is not offered", win10,
         device({"ROW\\A"}, {"ROW\\A_CID"}, installed("2019-01-01", "0.5", 0x00FF0000)), "hw_a"},
    };
    for (const Row& row : rows) {
        std::printf("  row: %s\n", row.name);
        CHECK_EQ(offered(client, row.token, row.device), std::string(row.expected));
    }
}

TEST_CASE("an offer carries every key of the answer format; the scan is stored") {
    Fixture fixture;
    REQUIRE(fixture.start("answer", {{{"netcard",
                                       "03/04/2024",
                                       "2.5.0.1",
                                       "NTamd64",
                                       {{"NTamd64", {"Install, PCI\\VEN_1&DEV_2"}}}},
                                      {"second",
                                       "03/04/2024",
                                       "2.5.0.2",
                                       "NTamd64",
                                       {{"NTamd64", {"Install, PCI\\VEN_1&DEV_3"}}}}}}));
    httplib::Client client(fixture.service.url());
    const std::string token = authorise(client);
    REQUIRE(!token.empty());
    const json request = {
        {"devices",
         {device({"PCI\\VEN_9&DEV_9"}, {}), device({"PCI\\VEN_1&DEV_2"}, {"PCI\\VEN_1"}),
          device({"PCI\\VEN_1&DEV_3"}, {}, installed("2020-01-01", "1.0", 0x00FF0000))}}};
    const httplib::Result result = find(client, token, request.dump());
    REQUIRE(result && result->status == 200);
    const json answer = parse(result);
    const std::int64_t scanId = answer["scan_id"].get<std::int64_t>();
    CHECK(scanId > 0);
    REQUIRE(answer["updates"].size() == 2u);
    const json& update = answer["updates"][0];
    CHECK_EQ(update["device_index"], json(1));
    CHECK_EQ(update["class"], json("Net"));
    REQUIRE(update["drivers"].size() == 1u);
    const json& offer = update["drivers"][0];
    CHECK(offer["id"].is_number_unsigned() && offer["id"].get<std::uint64_t>() > 0);
    CHECK_EQ(offer["hid"], json("PCI\\VEN_1&DEV_2"));

    const std::string zipPath = fixture.packages + "/netcard.zip";
    const std::string zipBytes = ServiceRunner::readFile(zipPath);
    const std::string infBytes = infText({"netcard",
                                          "03/04/2024",
                                          "2.5.0.1",
                                          "NTamd64",
                                          {{"NTamd64", {"Install, PCI\\VEN_1&DEV_2"}}}});
    const std::string packageSha1 = sha1Of(zipBytes);
    CHECK_EQ(offer["inf"], json({{"path", "netcard.inf"},
                                 {"sha1", sha1Of(infBytes)},
                                 {"version", "2.5.0.1"},
                                 {"date", "2024-03-04"},
                                 {"provider", "Test Vendor"}}));
    CHECK_EQ(offer["file"],
             json({{"sha1", packageSha1}, {"size", zipBytes.size()}, {"ext", "zip"}}));
    CHECK_EQ(offer["urls"]["download"],
             json(fixture.service.url() + "/files/packages/" + packageSha1 + ".zip"));
    CHECK_EQ(offer["urls"]["install_report"],
             json(fixture.service.url() + "/app/report/" + std::to_string(scanId) + "/" +
                  sha1Of(infBytes)));
    CHECK_EQ(answer["updates"][1]["device_index"], json(2));

    const json again = parse(find(client, token, json{{"devices", json::array()}}.dump()));
    CHECK(again["scan_id"].get<std::int64_t>() > scanId);
    CHECK_EQ(again["updates"], json::array());
    CHECK_EQ(query(fixture.data, "SELECT appid, device_count FROM scans ORDER BY id"),
             std::string("{3f2504e0-4f89-11d3-9a0c-0305e82c3301}|3\n"
                         "{3f2504e0-4f89-11d3-9a0c-0305e82c3301}|0\n"));
    CHECK_EQ(query(fixture.data, "SELECT path FROM packages WHERE sha1 = '" + packageSha1 + "'"),
             std::filesystem::canonical(zipPath).string() + "\n");
}

TEST_CASE("every offer downloads its package; install reports are stored and summarised") {
    Fixture fixture;
    const Inf netcard = netcardInf();
    REQUIRE(fixture.start("reports", {{netcard}}));
    httplib::Client client(fixture.service.url());
    const std::string token = authorise(client);
    const httplib::Headers bearer{{"Authorization", "Bearer " + token}};
    const json answer =
        parse(find(client, token, json{{"devices", {device({"PCI\\VEN_1&DEV_2"}, {})}}}.dump()));
    REQUIRE(answer["updates"].size() == 1u);
    const json offer = answer["updates"][0]["drivers"][0];
    const std::string base = fixture.service.url();
    const auto pathOf = [&base](const json& url) {
        return url.get<std::string>().substr(base.size());
    };

    const httplib::Result download = client.Get(pathOf(offer["urls"]["download"]), bearer);
    REQUIRE(download && download->status == 200);
    CHECK_EQ(sha1Of(download->body), offer["file"]["sha1"].get<std::string>());
    CHECK_EQ(download->body.size(), offer["file"]["size"].get<std::size_t>());
    // Published under its final name only: nothing half-written beside it.
    std::size_t hosted = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(fixture.data + "/files/packages")) {
        CHECK_EQ(entry.path().filename().string(),
                 offer["file"]["sha1"].get<std::string>() + ".zip");
        ++hosted;
    }
    CHECK_EQ(hosted, 1u);
    CHECK_EQ(runIndex(fixture.data, fixture.packages).status, 0);

    const std::string report = pathOf(offer["urls"]["install_report"]);
    const auto put = [&](const std::string& path, const std::string& body,
                         const httplib::Headers& headers) {
        return client.Put(path, headers, zlibStream(body), "application/json");
    };
    CHECK_EQ(
        put(report, R"({"report": {"error_code": 0, "system_error_code": 0}})", bearer)->status,
        200);
    CHECK_EQ(
        put(report, R"({"report": {"error_code": 102, "system_error_code": 31}})", bearer)->status,
        200);
    // A SetupAPI error held signed by the client is the same code.
    CHECK_EQ(
        put(report, R"({"report": {"error_code": 102, "system_error_code": -536870397}})", bearer)
            ->status,
        200);

    struct Row {
        const char* name;
        std::string path;
        std::string body;
        bool withToken;
        int status;
    };
    const std::string otherScan = "/app/report/999999/" + offer["inf"]["sha1"].get<std::string>();
    const Row rows[] = {
        {"not JSON", report, "{report", true, 400},
        {"no report", report, R"({"error_code": 0})", true, 400},
        {"code as text", report, R"({"report": {"error_code": "0", "system_error_code": 0}})", true,
         400},
        {"code missing", report, R"({"report": {"error_code": 0}})", true, 400},
        {"code past 32 bits", report,
         R"({"report": {"error_code": 0, "system_error_code": 4294967296}})", true, 400},
        {"fraction", report, R"({"report": {"error_code": 1.5, "system_error_code": 0}})", true,
         400},
        {"no token", report, R"({"report": {"error_code": 0, "system_error_code": 0}})", false,
         401},
        {"unknown scan", otherScan, R"({"report": {"error_code": 0, "system_error_code": 0}})",
         true, 404},
    };
    for (const Row& row : rows) {
        const bool refused = isError(
            put(row.path, row.body, row.withToken ? bearer : httplib::Headers{}), row.status);
        CHECK_EQ(std::string(row.name) + (refused ? "" : " accepted"), std::string(row.name));
    }
    // Another installation cannot report on this one's scan.
    const std::string stranger =
        authorise(client, authRecord("{00000000-0000-0000-0000-000000000001}"));
    CHECK(isError(put(report, R"({"report": {"error_code": 0, "system_error_code": 0}})",
                      {{"Authorization", "Bearer " + stranger}}),
                  404));

    // Answered means stored: a crash right after loses nothing.
    fixture.service.kill();
    CHECK_EQ(query(fixture.data,
                   "SELECT scan_id, inf_sha1, appid, error_code, system_error_code"
                   " FROM install_reports ORDER BY id",
                   true),
             std::to_string(answer["scan_id"].get<std::int64_t>()) + "|" +
                 offer["inf"]["sha1"].get<std::string>() +
                 "|{3f2504e0-4f89-11d3-9a0c-0305e82c3301}|0|0\n" +
                 std::to_string(answer["scan_id"].get<std::int64_t>()) + "|" +
                 offer["inf"]["sha1"].get<std::string>() +
                 "|{3f2504e0-4f89-11d3-9a0c-0305e82c3301}|102|31\n" +
                 std::to_string(answer["scan_id"].get<std::int64_t>()) + "|" +
                 offer["inf"]["sha1"].get<std::string>() +
                 "|{3f2504e0-4f89-11d3-9a0c-0305e82c3301}|102|3758096899\n");

    std::string command = "'" + ServiceRunner::binary() + "' report --data '" + fixture.data + "'";
    for (const std::string& arg : ServiceRunner::storeArgs(fixture.data)) {
        command += " '" + arg + "'";
    }
    FILE* pipe = ::popen(command.c_str(), "r");
    REQUIRE(pipe != nullptr);
    std::string printed;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        printed += buffer;
    }
    CHECK_EQ(::pclose(pipe), 0);
    CHECK_EQ(printed, "driver\tinf\tinstalls\tfailures\tmost frequent errors (code/system xN)\n" +
                          offer["inf"]["sha1"].get<std::string>() +
                          "\tnetcard.inf\t1\t2\t102/0x0000001f x1, 102/0xe0000203 x1\n");
}

TEST_CASE("reports, scans and authorisations arriving together are each stored once") {
    Fixture fixture;
    const Inf netcard = netcardInf();
    REQUIRE(fixture.start("together", {{netcard}}));
    // Many writers at once share commits; each is still answered for itself, and a report on
    // a scan that does not exist fails alone.
    constexpr int kClients = 16;
    std::vector<std::thread> clients;
    std::vector<std::string> outcomes(kClients);
    for (int k = 0; k < kClients; ++k) {
        clients.emplace_back([&, k] {
            httplib::Client client(fixture.service.url());
            char appid[64];
            std::snprintf(appid, sizeof appid, "{00000000-0000-0000-0000-%012d}", k);
            const std::string token = authorise(client, authRecord(appid));
            const json answer = parse(
                find(client, token, json{{"devices", {device({"PCI\\VEN_1&DEV_2"}, {})}}}.dump()));
            if (token.empty() || !answer.contains("scan_id")) {
                outcomes[k] = "no scan";
                return;
            }
            const std::string sha1 = answer["updates"][0]["drivers"][0]["inf"]["sha1"];
            const std::string body =
                zlibStream(R"({"report": {"error_code": 0, "system_error_code": 0}})");
            const httplib::Headers bearer{{"Authorization", "Bearer " + token}};
            for (const std::string& scan :
                 {std::to_string(answer["scan_id"].get<std::int64_t>()), std::string("999999")}) {
                const auto put = client.Put("/app/report/" + scan + "/" + sha1, bearer, body,
                                            "application/json");
                outcomes[k] += std::to_string(put ? put->status : 0) + " ";
            }
        });
    }
    for (std::thread& client : clients) {
        client.join();
    }
    for (const std::string& outcome : outcomes) {
        CHECK_EQ(outcome, std::string("200 404 "));
    }
    CHECK_EQ(query(fixture.data,
                   "SELECT (SELECT count(*) FROM installations), (SELECT count(*) FROM scans),"
                   " (SELECT count(*) FROM install_reports)"),
             std::to_string(kClients) + "|" + std::to_string(kClients) + "|" +
                 std::to_string(kClients) + "\n");
}

TEST_CASE("malformed and oversized searches are refused with the error object") {
    Fixture fixture;
    REQUIRE(fixture.start("refusals", {}));
    httplib::Client client(fixture.service.url());
    const std::string token = authorise(client);
    REQUIRE(!token.empty());
    json many = {{"devices", json::array()}};
    for (int k = 0; k < 2001; ++k) {
        many["devices"].push_back(device({"PCI\\VEN_1"}, {}));
    }
    json tooManyIds = device({}, {});
    for (int k = 0; k < 65; ++k) {
        tooManyIds["hids"].push_back(hid("ID" + std::to_string(k), k % 2 == 1));
    }
    json badDriver = device({"A"}, {}, installed("2020-1-1", "1", 0));
    json negativeRank = device({"A"}, {}, installed("2020-01-01", "1", 0));
    negativeRank["driver"]["rank"] = -1;

    struct Row {
        const char* name;
        std::string body;
        int status;
    };
    const Row rows[] = {
        {"not JSON", "{devices", 400},
        {"no devices", "{}", 400},
        {"devices not an array", R"({"devices": {}})", 400},
        {"a device not an object", R"({"devices": [1]})", 400},
        {"hids missing", R"({"devices": [{"class": {"name": "Net"}}]})", 400},
        {"an id without a name", R"({"devices": [{"hids": [{"compatible": true}]}]})", 400},
        {"an empty id", R"({"devices": [{"hids": [{"name": "", "compatible": false}]}]})", 400},
        {"compatible not a boolean", R"({"devices": [{"hids": [{"name": "A", "compatible": 1}]}]})",
         400},
        {"a date not yyyy-MM-dd", json{{"devices", {badDriver}}}.dump(), 400},
        {"a negative rank", json{{"devices", {negativeRank}}}.dump(), 400},
        {"2,001 devices", many.dump(), 413},
        {"65 ids on one device", json{{"devices", {tooManyIds}}}.dump(), 413},
    };
    for (const Row& row : rows) {
        std::printf("  row: %s\n", row.name);
        CHECK(isError(find(client, token, row.body), row.status));
    }
    many["devices"].erase(many["devices"].begin());
    CHECK_EQ(find(client, token, many.dump())->status, 200);
    CHECK(isError(find(client, "", "{\"devices\": []}"), 401));
    CHECK(isError(client.Get("/updates/find"), 405));
    CHECK_EQ(query(fixture.data, "SELECT count(*) FROM scans"), std::string("1\n"));
}

TEST_CASE("searches are de-duplicated and bounded; a new index is served without a restart") {
    // 16 lines of one INF each carry the same 64 ids.
    std::string ids;
    for (int k = 0; k < 64; ++k) {
        ids += ", WIDE\\ID" + std::to_string(k);
    }
    Inf wide{"wide", "01/01/2022", "1.0", "NTamd64", {{"NTamd64", {}}}};
    for (int line = 0; line < 16; ++line) {
        wide.sections["NTamd64"].push_back("I" + ids);
    }
    Fixture fixture;
    REQUIRE(fixture.start("bounded", {{wide}}));
    httplib::Client client(fixture.service.url());
    client.set_read_timeout(60, 0);
    const std::string token = authorise(client);
    REQUIRE(!token.empty());

    // 2,000 devices of 64 copies of one id: one lookup.
    json same = {{"devices", json::array()}};
    for (int k = 0; k < 2000; ++k) {
        same["devices"].push_back(device(std::vector<std::string>(64, "wide\\id7"), {}));
    }
    const json answer = parse(find(client, token, same.dump()));
    REQUIRE(answer.is_object() && answer["updates"].is_array());
    CHECK_EQ(answer["updates"].size(), std::size_t(2000));
    CHECK_EQ(answer["updates"][1999]["drivers"][0]["hid"], json("wide\\id7"));

    // 2,000 different devices of 64 different ids, each on 16 lines: past the bound.
    json distinct = {{"devices", json::array()}};
    for (int k = 0; k < 2000; ++k) {
        std::vector<std::string> all;
        for (int id = 0; id < 64; ++id) {
            all.push_back("WIDE\\ID" + std::to_string(id));
        }
        json item = device(all, {});
        item["class"]["name"] = "Class" + std::to_string(k);
        distinct["devices"].push_back(item);
    }
    CHECK(isError(find(client, token, distinct.dump()), 413));
    distinct["devices"].erase(distinct["devices"].begin() + 1000, distinct["devices"].end());
    CHECK_EQ(find(client, token, distinct.dump())->status, 200);

    const json single = device({"NEW\\1"}, {});
    CHECK_EQ(offered(client, token, single), std::string());
    REQUIRE(
        writePackage(fixture.packages,
                     {{"fresh", "01/01/2023", "1.0", "NTamd64", {{"NTamd64", {"I, NEW\\1"}}}}}));
    REQUIRE(runIndex(fixture.data, fixture.packages).status == 0);
    CHECK_EQ(offered(client, token, single), std::string("fresh"));
}

TEST_CASE("indexing again replaces; damaged packages are named and skipped") {
    const std::string dir = ServiceRunner::makeTempDir("reindex");
    const std::string data = dir + "/data";
    const std::string packages = dir + "/packages";
    std::filesystem::create_directories(packages + "/vendor");
    const Inf a{"alpha", "01/01/2022", "1.0", "NTamd64", {{"NTamd64", {"I, A\\1, A\\COMPAT"}}}};
    const Inf b{"beta", "01/01/2022", "1.0", "NTamd64", {{"NTamd64", {"I, B\\1", "I, B\\2"}}}};
    REQUIRE(writePackage(packages, {a, b}));
    REQUIRE(writePackage(packages + "/vendor", {b}));
    ServiceRunner::writeFile(packages + "/broken.zip", "PK\x03\x04 this is not really a zip");
    REQUIRE(zipfiles::write(packages + "/hostile.zip", {{"../escape.inf", infText(a)}}));

    const IndexRun first = runIndex(data, packages);
    CHECK_EQ(first.status, 0);
    CHECK_EQ(first.out, std::string("indexed 2 packages, 3 INFs, 6 ids; 2 skipped, 0 removed\n"));
    CHECK(first.err.find("broken.zip") != std::string::npos);
    CHECK(first.err.find("hostile.zip") != std::string::npos);
    const std::string tables =
        "SELECT (SELECT count(*) FROM packages), (SELECT count(*) FROM infs),"
        " (SELECT count(*) FROM sections), (SELECT count(*) FROM models),"
        " (SELECT count(*) FROM model_ids)";
    CHECK_EQ(query(data, tables), std::string("2|3|3|5|6\n"));
    CHECK_EQ(query(data,
                   ServiceRunner::postgresql()
                       ? "SELECT string_agg(id, ' ' ORDER BY model_id, position) FROM model_ids"
                       : "SELECT group_concat(id, ' ') FROM model_ids ORDER BY model_id, position"),
             std::string("A\\1 A\\COMPAT B\\1 B\\2 B\\1 B\\2\n"));

    const IndexRun second = runIndex(data, packages);
    CHECK_EQ(second.out, first.out);
    CHECK_EQ(query(data, tables), std::string("2|3|3|5|6\n"));

    // Taken away, or damaged since: either way no longer offered.
    std::filesystem::remove(packages + "/vendor/beta.zip");
    ServiceRunner::writeFile(packages + "/alpha.zip", "damaged in place");
    const IndexRun third = runIndex(data, packages);
    CHECK_EQ(third.out, std::string("indexed 0 packages, 0 INFs, 0 ids; 3 skipped, 2 removed\n"));
    CHECK(third.err.find("alpha.zip") != std::string::npos);
    CHECK_EQ(query(data, tables), std::string("0|0|0|0|0\n"));

    // Two copies of one package in one run (one batch): the later one is kept.
    REQUIRE(writePackage(packages, {a}));
    std::filesystem::copy_file(packages + "/alpha.zip", packages + "/copy.zip");
    CHECK_EQ(runIndex(data, packages).status, 0);
    CHECK_EQ(query(data, "SELECT path FROM packages"), packages + "/copy.zip\n");

    CHECK_EQ(runIndex(data, dir + "/missing").status, 1);
    CHECK_EQ(runIndex(data, "").status, 2);
}

TEST_CASE("every real-world INF the reader reads is indexed with its id count") {
    const char* override = std::getenv("QUILLON_INF_CORPUS");
    const std::string corpus = override && *override ? override : QLN_INF_CORPUS;
    std::ifstream expected(corpus + "/EXPECTED.tsv");
    if (!expected) {
        std::printf("  skipped: no corpus at %s\n", corpus.c_str());
        return;
    }
    std::string line;
    std::getline(expected, line);
    std::vector<zipfiles::File> files;
    std::map<std::string, std::string> wanted;  // entry name -> id count
    while (std::getline(expected, line)) {
        std::vector<std::string> fields;
        std::stringstream row(line);
        std::string field;
        while (std::getline(row, field, '\t')) {
            fields.push_back(field);
        }
        if (fields.size() < 5) {
            continue;
        }
        // Templates (.inx, .in) are INFs too; inside a package every one is named *.inf.
        const std::string name = std::to_string(files.size()) + ".inf";
        files.push_back({name, ServiceRunner::readFile(corpus + "/" + fields[0])});
        wanted[name] = fields[1];
    }
    const std::string dir = ServiceRunner::makeTempDir("corpus");
    std::filesystem::create_directories(dir + "/packages");
    REQUIRE(zipfiles::write(dir + "/packages/corpus.zip", files));
    const IndexRun run = runIndex(dir + "/data", dir + "/packages");
    CHECK_EQ(run.status, 0);
    CHECK(run.out.find(std::to_string(files.size()) + " INFs") != std::string::npos);
    CHECK(run.out.find("0 skipped") != std::string::npos);

    std::map<std::string, std::string> counts;
    std::stringstream rows(query(dir + "/data",
                                 "SELECT i.path, (SELECT count(*) FROM model_ids x JOIN models m"
                                 " ON m.id = x.model_id WHERE m.inf_id = i.id) FROM infs i"));
    while (std::getline(rows, line)) {
        counts[line.substr(0, line.find('|'))] = line.substr(line.find('|') + 1);
    }
    CHECK_EQ(counts.size(), wanted.size());
    int differences = 0;
    for (const auto& entry : wanted) {
        if (counts[entry.first] != entry.second) {
            ++differences;
            std::printf("  %s: %s ids indexed, %s expected\n", entry.first.c_str(),
                        counts[entry.first].c_str(), entry.second.c_str());
        }
    }
    CHECK_EQ(differences, 0);
}

CHECK_MAIN

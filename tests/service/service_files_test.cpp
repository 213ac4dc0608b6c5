// File hosting, the upload check and the multipart upload of the real service on loopback.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <random>
#include <thread>

#include <formats/sha1.h>

#include "check.h"
#include "filehosting.h"
#include "rawconnection.h"
#include "servicerunner.h"
#include "servicetesting.h"
#include "zipfiles.h"

using nlohmann::json;
using namespace servicetesting;

namespace {

std::string sha1Hex(const std::string& bytes) {
    formats::Sha1 digest;
    digest.add(bytes.data(), bytes.size());
    return digest.hexDigest(false);
}

// The command's standard output.
std::string runCommand(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            out += buffer;
        }
        ::pclose(pipe);
    }
    return out;
}

// What `quillon-service report` prints for the data folder (and its store).
std::string report(const std::string& data) {
    std::string command = ServiceRunner::binary() + " report --data " + data;
    for (const std::string& arg : ServiceRunner::storeArgs(data)) {
        command += " " + arg;
    }
    return runCommand(command);
}

std::string randomBytes(std::size_t size) {
    std::mt19937 generator(42);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(generator() & 0xff);
    }
    return bytes;
}

struct Hosted {
    std::string dir;
    ServiceRunner service;
    std::string token;
    std::string bytes = randomBytes(1000);
};

// A started service holding files/packages/p.zip (1000 bytes) and a token for it.
bool startHosted(Hosted& hosted, const std::string& name, const json& config = json::object()) {
    hosted.dir = ServiceRunner::makeTempDir(name);
    const std::string data = hosted.dir + "/data";
    const std::string configPath = hosted.dir + "/config.json";
    ServiceRunner::writeFile(configPath, config.dump());
    if (!hosted.service.start(data, {"--config", configPath})) {
        return false;
    }
    ::mkdir((data + "/files/packages").c_str(), 0700);
    ServiceRunner::writeFile(data + "/files/packages/p.zip", hosted.bytes);
    ServiceRunner::writeFile(hosted.dir + "/secret.txt", "outside");
    httplib::Client client(hosted.service.url());
    hosted.token = authorise(client);
    return !hosted.token.empty();
}

httplib::Headers bearer(const std::string& token, const std::string& range = {}) {
    httplib::Headers headers{{"Authorization", "Bearer " + token}};
    if (!range.empty()) {
        headers.emplace("Range", range);
    }
    return headers;
}

}  // namespace

TEST_CASE("range headers are parsed against the file size") {
    using Kind = Service::FileHosting::Range::Kind;
    struct Row {
        const char* header;
        std::uint64_t size;
        Kind kind;
        std::uint64_t first;
        std::uint64_t last;
    };
    const Row rows[] = {
        {"bytes=0-99", 1000, Kind::Part, 0, 99},
        {"bytes=900-", 1000, Kind::Part, 900, 999},
        {"bytes=-100", 1000, Kind::Part, 900, 999},
        {"bytes=-5000", 1000, Kind::Part, 0, 999},
        {"bytes=990-5000", 1000, Kind::Part, 990, 999},
        {"bytes=1000-", 1000, Kind::Unsatisfiable, 0, 0},
        {"bytes=-0", 1000, Kind::Unsatisfiable, 0, 0},
        {"bytes=0-", 0, Kind::Unsatisfiable, 0, 0},
        {"bytes=5-2", 1000, Kind::Whole, 0, 0},
        {"bytes=0-1,5-6", 1000, Kind::Whole, 0, 0},
        {"items=0-1", 1000, Kind::Whole, 0, 0},
        {"bytes=x-1", 1000, Kind::Whole, 0, 0},
    };
    for (const Row& row : rows) {
        const auto range = Service::FileHosting::parseRange(row.header, row.size);
        CHECK_EQ(static_cast<int>(range.kind), static_cast<int>(row.kind));
        if (row.kind == Kind::Part) {
            CHECK_EQ(range.first, row.first);
            CHECK_EQ(range.last, row.last);
        }
    }
}

TEST_CASE("hosted files answer HEAD, whole GETs, ranges and 416") {
    Hosted hosted;
    REQUIRE(startHosted(hosted, "ranges"));
    httplib::Client client(hosted.service.url());

    const auto head = client.Head("/files/packages/p.zip", bearer(hosted.token));
    REQUIRE(head);
    CHECK_EQ(head->status, 200);
    CHECK_EQ(head->get_header_value("Accept-Ranges"), std::string("bytes"));
    CHECK_EQ(head->get_header_value("Content-Length"), std::string("1000"));
    CHECK(head->body.empty());

    const auto whole = client.Get("/files/packages/p.zip", bearer(hosted.token));
    REQUIRE(whole);
    CHECK_EQ(whole->status, 200);
    CHECK(whole->body == hosted.bytes);

    struct Row {
        const char* range;
        int status;
        const char* contentRange;
        std::size_t from;
        std::size_t length;
    };
    const Row rows[] = {
        {"bytes=100-199", 206, "bytes 100-199/1000", 100, 100},
        {"bytes=900-", 206, "bytes 900-999/1000", 900, 100},
        {"bytes=-10", 206, "bytes 990-999/1000", 990, 10},
        {"bytes=1000-", 416, "bytes */1000", 0, 0},
        {"bytes=5000-6000", 416, "bytes */1000", 0, 0},
        // Forms that cannot be read are ignored: the whole file.
        {"bytes=5-2", 200, "", 0, 1000},
        {"items=0-5", 200, "", 0, 1000},
        {"bytes=abc", 200, "", 0, 1000},
        {"bytes=0-1,5-6", 200, "", 0, 1000},
    };
    for (const Row& row : rows) {
        const auto result = client.Get("/files/packages/p.zip", bearer(hosted.token, row.range));
        REQUIRE(result);
        CHECK_EQ(result->status, row.status);
        CHECK_EQ(result->get_header_value("Content-Range"), std::string(row.contentRange));
        if (row.status != 416) {
            CHECK(result->body == hosted.bytes.substr(row.from, row.length));
            CHECK_EQ(result->get_header_value("Content-Length"), std::to_string(row.length));
        } else {
            CHECK(isError(result, 416));
        }
    }
}

TEST_CASE("hosted files need a token and never leave the hosted folder") {
    Hosted hosted;
    REQUIRE(startHosted(hosted, "confined"));
    const std::string files = hosted.dir + "/data/files";
    CHECK(::symlink((hosted.dir + "/secret.txt").c_str(), (files + "/out").c_str()) == 0);
    CHECK(::symlink("packages/p.zip", (files + "/in.zip").c_str()) == 0);
    httplib::Client client(hosted.service.url());

    CHECK(isError(client.Get("/files/packages/p.zip"), 401));
    CHECK(isError(client.Get("/files/packages/p.zip", bearer("forged")), 401));
    // An error answer is never cut down to the requested range.
    CHECK(isError(client.Get("/files/packages/p.zip", {{"Range", "bytes=0-1"}}), 401));
    for (const char* path :
         {"/files/../secret.txt", "/files/%2e%2e/secret.txt", "/files/packages/../../secret.txt",
          "/files/out", "/files/packages", "/files/packages//p.zip", "/files/missing.zip"}) {
        const auto result = client.Get(path, bearer(hosted.token));
        CHECK(result && result->status != 200 && result->body.find("outside") == std::string::npos);
    }
    const auto inside = client.Get("/files/in.zip", bearer(hosted.token));
    CHECK(inside && inside->status == 200 && inside->body == hosted.bytes);

    // A FIFO nobody writes to must not hold the worker that opens it.
    REQUIRE(::mkfifo((files + "/pipe.zip").c_str(), 0600) == 0);
    client.set_read_timeout(30, 0);
    CHECK(isError(client.Get("/files/pipe.zip", bearer(hosted.token)), 404));
}

TEST_CASE("a reader that takes a large file too slowly is cut off") {
    Hosted hosted;
    REQUIRE(startHosted(
        hosted, "slowreader",
        {{"request_deadline", 1}, {"min_body_rate", 1048576}, {"access_log", "access.log"}}));
    const std::string big = hosted.dir + "/data/files/packages/big.zip";
    ServiceRunner::writeFile(big, std::string(64 * 1024 * 1024, 'x'));
    RawConnection connection(hosted.service.port());
    REQUIRE(
        connection.send("GET /files/packages/big.zip HTTP/1.1\r\nHost: x\r\nAuthorization: "
                        "Bearer " +
                        hosted.token + "\r\n\r\n"));
    // The access log has the line once the service has given up on the answer.
    const std::string log = hosted.dir + "/data/access.log";
    for (int polls = 0;
         polls < 600 && ServiceRunner::readFile(log).find("big.zip") == std::string::npos;
         ++polls) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    CHECK(ServiceRunner::readFile(log).find("big.zip") != std::string::npos);
    const std::string received = connection.receiveUntilClosed(5000);
    CHECK(connection.closed());
    CHECK(received.size() < std::size_t(64 * 1024 * 1024));
}

TEST_CASE("the self-update file is served at /app/update") {
    Hosted hosted;
    REQUIRE(
        startHosted(hosted, "update",
                    {{"update", {{"version", "1.3.0.0"}, {"file_name", "QuillonProSetup.exe"}}}}));
    ::mkdir((hosted.dir + "/data/files/update").c_str(), 0700);
    ServiceRunner::writeFile(hosted.dir + "/data/files/update/QuillonProSetup.exe", "MZsetup");
    httplib::Client client(hosted.service.url());
    const auto result = client.Get("/app/update", bearer(hosted.token, "bytes=2-"));
    REQUIRE(result);
    CHECK_EQ(result->status, 206);
    CHECK_EQ(result->body, std::string("setup"));
    CHECK(isError(client.Get("/app/update"), 401));
}

// The upload speaks the client's name for a driver: the SHA-1 of its files, not of the zip.
TEST_CASE("uploads are stored and answered by content hash, held per installation") {
    // The over-limit upload is answered and closed before the whole body is sent.
    std::signal(SIGPIPE, SIG_IGN);
    Hosted hosted;
    REQUIRE(startHosted(hosted, "upload", {{"upload_limit", 1 << 20}}));
    const std::string work = hosted.dir + "/zips";
    ::mkdir(work.c_str(), 0700);
    REQUIRE(zipfiles::write(work + "/a.zip", {{"a.inf", "[Version]"}, {"bin/a.sys", "driver"}}));
    // The same driver packed again, other entry order and compression: the same content.
    REQUIRE(zipfiles::write(work + "/a2.zip",
                            {{"bin/a.sys", "driver", true}, {"a.inf", "[Version]", true}}));
    REQUIRE(zipfiles::write(work + "/b.zip", {{"b.inf", "other"}}));
    const std::string aHash = sha1Hex("driver[Version]");
    const std::string bHash = sha1Hex("other");
    const auto item = [&](const std::string& field, const std::string& zip) {
        return httplib::MultipartFormData{field, ServiceRunner::readFile(work + "/" + zip), zip,
                                          ""};
    };

    httplib::Client client(hosted.service.url());
    httplib::MultipartFormDataItems items = {item("files[0]", "a.zip"),
                                             item("files[1]", "a2.zip"),
                                             item("files[2]", "b.zip"),
                                             {"files[3]", "not a zip", "c.zip", ""},
                                             {"comment", "ignored", "", ""}};
    const auto stored = client.Post("/upload/upload", bearer(hosted.token), items);
    REQUIRE(stored);
    CHECK_EQ(stored->status, 200);
    CHECK_EQ(parse(stored), json({{"hashes", {aHash, bHash}}}));
    CHECK_EQ(ServiceRunner::readFile(hosted.dir + "/data/uploads/" + aHash),
             ServiceRunner::readFile(work + "/a.zip"));
    CHECK_EQ(ServiceRunner::readFile(hosted.dir + "/data/uploads/" + bHash),
             ServiceRunner::readFile(work + "/b.zip"));

    std::string upper = bHash;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    const json check = {
        {"hashes",
         {upper, "0000000000000000000000000000000000000000", aHash,
          "ABCDEF0000000000000000000000000000000000", "0000000000000000000000000000000000000000"}}};
    const auto wanted = client.Put("/upload/check", bearer(hosted.token), zlibStream(check.dump()),
                                   "application/json");
    CHECK_EQ(parse(wanted), json({{"hashes",
                                   {"0000000000000000000000000000000000000000",
                                    "abcdef0000000000000000000000000000000000"}}}));

    // A second machine with the same driver is not asked for it, yet holds it from then on.
    const std::string other =
        authorise(client, authRecord("{00000000-0000-0000-0000-00000000000b}"));
    REQUIRE(!other.empty());
    const auto otherWanted =
        client.Put("/upload/check", bearer(other), zlibStream(json{{"hashes", {aHash}}}.dump()),
                   "application/json");
    CHECK_EQ(parse(otherWanted), json({{"hashes", json::array()}}));

    // A whole machine's worth of hashes is one set lookup each.
    json many = json::array();
    for (int i = 0; i < 32000; ++i) {
        char hash[41];
        std::snprintf(hash, sizeof hash, "%040x", i);
        many.push_back(hash);
    }
    many.push_back(aHash);
    const auto manyWanted =
        client.Put("/upload/check", bearer(hosted.token), zlibStream(json{{"hashes", many}}.dump()),
                   "application/json");
    const json manyAnswer = parse(manyWanted);
    REQUIRE(manyAnswer.is_object() && manyAnswer["hashes"].is_array());
    CHECK_EQ(manyAnswer["hashes"].size(), std::size_t(32000));

    CHECK(isError(client.Put("/upload/check", bearer(hosted.token),
                             zlibStream(R"({"hashes": ["short"]})"), "application/json"),
                  400));
    CHECK(isError(client.Put("/upload/check", zlibStream(check.dump()), "application/json"), 401));
    CHECK(isError(client.Post("/upload/upload", items), 401));

    // Just over the limit: the service answers 413 from the length alone and closes, so the body
    // must fit the socket's buffers for the answer to be read at all.
    httplib::MultipartFormDataItems large = {
        {"files[0]", randomBytes((1 << 20) + (64 << 10)), "big.zip", ""}};
    CHECK(isError(client.Post("/upload/upload", bearer(hosted.token), large), 413));
    std::size_t entries = 0;
    if (DIR* folder = ::opendir((hosted.dir + "/data/uploads").c_str())) {
        while (const dirent* entry = ::readdir(folder)) {
            entries += entry->d_name[0] == '.' ? 0 : 1;
        }
        ::closedir(folder);
    }
    CHECK_EQ(entries, std::size_t(2));

    // The held set outlives a restart, and the report counts it.
    CHECK_EQ(hosted.service.stop(), 0);
    REQUIRE(hosted.service.start(hosted.dir + "/data", {"--config", hosted.dir + "/config.json"}));
    httplib::Client again(hosted.service.url());
    const std::string token = authorise(again);
    const auto afterRestart =
        again.Put("/upload/check", bearer(token),
                  zlibStream(json{{"hashes", {aHash, bHash}}}.dump()), "application/json");
    CHECK_EQ(parse(afterRestart), json({{"hashes", json::array()}}));
    CHECK_EQ(report(hosted.dir + "/data"),
             std::string("uploads: 2 archives, ") +
                 std::to_string(ServiceRunner::readFile(work + "/a.zip").size() +
                                ServiceRunner::readFile(work + "/b.zip").size()) +
                 " bytes; 2 installations hold 3\n");
}

TEST_CASE("upload records of a data folder from before the store kept them stay held") {
    // The upload tables as earlier services made them in the data folder's SQLite file.
    const std::string dir = ServiceRunner::makeTempDir("upload-adopt");
    const std::string data = dir + "/data";
    ::mkdir(data.c_str(), 0700);
    const std::string held(40, 'a');
    sqlite3* db = nullptr;
    REQUIRE(sqlite3_open((data + "/service.db").c_str(), &db) == SQLITE_OK);
    const std::string legacy =
        "CREATE TABLE upload_archives (hash TEXT PRIMARY KEY, size INTEGER NOT NULL,"
        " received_at INTEGER NOT NULL) WITHOUT ROWID;"
        "CREATE TABLE upload_holdings (appid TEXT NOT NULL, hash TEXT NOT NULL,"
        " recorded_at INTEGER NOT NULL, PRIMARY KEY (appid, hash)) WITHOUT ROWID;"
        "INSERT INTO upload_archives VALUES ('" +
        held + "', 5, 1);INSERT INTO upload_holdings VALUES ('{old}', '" + held + "', 1);";
    CHECK(sqlite3_exec(db, legacy.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK);
    sqlite3_close(db);

    // Started twice: the second start must not count them again.
    for (int run = 0; run < 2; ++run) {
        ServiceRunner service;
        REQUIRE(service.start(data));
        httplib::Client client(service.url());
        const std::string token = authorise(client);
        const auto wanted = client.Put(
            "/upload/check", bearer(token),
            zlibStream(json{{"hashes", {held, std::string(40, 'b')}}}.dump()), "application/json");
        CHECK_EQ(parse(wanted), json({{"hashes", {std::string(40, 'b')}}}));
        CHECK_EQ(service.stop(), 0);
    }
    CHECK_EQ(report(data), std::string("uploads: 1 archives, 5 bytes; 2 installations hold 2\n"));
}

CHECK_MAIN

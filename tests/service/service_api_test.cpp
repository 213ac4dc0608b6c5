// Authorisation, settings, collector and lifecycle of the real service on loopback.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "check.h"
#include "servicerunner.h"
#include "servicetesting.h"
#include "tokensigner.h"

using nlohmann::json;
using namespace servicetesting;

namespace {

std::int64_t nowSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string tokenWith(const std::string& secret, const json& header, const json& payload) {
    return Service::TokenSigner::sign(secret, header.dump(), payload.dump());
}

std::string withConfig(const std::string& dir, const json& config) {
    const std::string path = dir + "/config.json";
    ServiceRunner::writeFile(path, config.dump());
    return path;
}

}  // namespace

TEST_CASE("authorisation and settings round trip, recorded in the store") {
    const std::string dir = ServiceRunner::makeTempDir("roundtrip");
    ServiceRunner service;
    REQUIRE(service.start(dir + "/data", {"--test-hooks"}));
    httplib::Client client(service.url());

    const std::int64_t before = nowSeconds();
    const json answer = parse(putAuth(client, zlibStream(authRecord().dump())));
    REQUIRE(answer.is_object());
    CHECK(answer["token"].is_string() && !answer["token"].get<std::string>().empty());
    CHECK_EQ(answer["ttl"], json(3600));
    CHECK(answer["timestamp"].is_number_integer());
    CHECK(answer["timestamp"].get<std::int64_t>() >= before);
    CHECK(answer["timestamp"].get<std::int64_t>() <= nowSeconds());

    // The client announces compression itself and does not inflate what comes back.
    client.set_decompress(false);
    const httplib::Result settings = client.Get(
        "/app/settings?ppg=", {{"Authorization", "Bearer " + answer["token"].get<std::string>()},
                               {"Accept-Encoding", "gzip, deflate"}});
    REQUIRE(settings && settings->status == 200);
    CHECK(!settings->has_header("Content-Encoding"));
    const json body = parse(settings);
    const json& api = body["urls"]["api"];
    for (const char* key : {"app_auth", "app_settings", "app_update", "updates_find",
                            "upload_check", "upload_upload"}) {
        CHECK(api.contains(key) && api[key].get<std::string>().rfind(service.url() + "/", 0) == 0);
    }
    CHECK_EQ(api["app_auth"].get<std::string>(), service.url() + "/app/auth");
    CHECK_EQ(api["app_settings"].get<std::string>(), service.url() + "/app/settings");
    CHECK(body["urls"]["public"].is_object() && !body["urls"]["public"].empty());
    CHECK(body["user_drivers"]["enabled"].is_boolean());
    CHECK(body["user_drivers"]["max_size"].is_number_integer());
    CHECK(body["drivers"]["updated_at"].is_string());
    CHECK(body["ga"]["id"].is_string() && !body["ga"]["id"].get<std::string>().empty());
    CHECK(body["update"].is_object());
    CHECK(body["user_country"].is_string());
    CHECK(body["contact_email"].is_string());
    CHECK(!body.contains("error"));

    CHECK(!authorise(client).empty());
    const json count = counters(client);
    CHECK_EQ(count["auth"], json(2));
    CHECK_EQ(count["settings"], json(1));
    CHECK_EQ(count["collect_batches"], json(0));
    CHECK_EQ(count["collect_hits"], json(0));

    const std::string appid = authRecord()["appid"];
    CHECK_EQ(query(dir + "/data",
                   "SELECT hwid || ' ' || version || ' ' || os || ' ' || arch || "
                   "' ' || auth_count FROM installations WHERE appid = '" +
                       appid + "'"),
             std::string("9e107d9d372bb6826bd81d3542a419d6 1.2.0.2134 10.0 x64 2\n"));
    if (!ServiceRunner::postgresql()) {
        CHECK_EQ(query(dir + "/data", "SELECT journal_mode FROM pragma_journal_mode"),
                 std::string("wal\n"));
    }
    CHECK_EQ(service.stop(), 0);
}

TEST_CASE("authorisation accepts zlib and gzip bodies, labelled or not") {
    struct Row {
        const char* name;
        std::string body;
        const char* encoding;
    };
    const std::string record = authRecord().dump();
    const Row rows[] = {
        {"zlib labelled gzip", zlibStream(record), "gzip"},
        {"gzip labelled gzip", gzipStream(record), "gzip"},
        {"zlib labelled deflate", zlibStream(record), "deflate"},
        {"zlib unlabelled", zlibStream(record), ""},
        {"gzip unlabelled", gzipStream(record), ""},
        {"plain JSON", record, ""},
    };
    ServiceRunner service;
    REQUIRE(service.start(ServiceRunner::makeTempDir("bodies")));
    httplib::Client client(service.url());
    for (const Row& row : rows) {
        const json answer = parse(putAuth(client, row.body, row.encoding));
        if (!answer.is_object() || !answer.contains("token")) {
            check::fail(__FILE__, __LINE__, std::string("no token for ") + row.name);
        }
    }
}

TEST_CASE("settings refuses missing, garbage, forged and expired tokens") {
    const std::string dir = ServiceRunner::makeTempDir("tokens");
    ServiceRunner service;
    REQUIRE(service.start(dir));
    httplib::Client client(service.url());
    const std::string token = authorise(client);
    REQUIRE(!token.empty());
    const std::string secret = tokenSecret(dir);
    REQUIRE(secret.size() == 32);

    const json hs256 = {{"alg", "HS256"}, {"typ", "JWT"}};
    const std::int64_t now = nowSeconds();
    const json fresh = {{"sub", "{a}"}, {"iat", now}, {"exp", now + 600}};
    const json stale = {{"sub", "{a}"}, {"iat", now - 700}, {"exp", now - 100}};
    std::string tampered = token;
    tampered[tampered.find('.') + 5] ^= 1;

    struct Row {
        const char* name;
        std::string authorization;
        int status;
    };
    const Row rows[] = {
        {"no header", "", 401},
        {"scheme only", "Bearer", 401},
        {"basic scheme", "Basic dXNlcjpwYXNz", 401},
        {"garbage", "Bearer !!not-a-token!!", 401},
        {"two parts", "Bearer abc.def", 401},
        {"tampered payload", "Bearer " + tampered, 401},
        {"other secret", "Bearer " + tokenWith(std::string(32, 'x'), hs256, fresh), 401},
        {"algorithm none", "Bearer " + tokenWith(secret, {{"alg", "none"}}, fresh), 401},
        {"expired", "Bearer " + tokenWith(secret, hs256, stale), 401},
        {"oversized", "Bearer " + std::string(5000, 'a') + ".b.c", 401},
        {"signed by the service secret", "Bearer " + tokenWith(secret, hs256, fresh), 200},
        {"issued token", "Bearer " + token, 200},
    };
    for (const Row& row : rows) {
        httplib::Headers headers;
        if (!row.authorization.empty()) {
            headers.emplace("Authorization", row.authorization);
        }
        const httplib::Result result = client.Get("/app/settings?ppg=", headers);
        const bool ok =
            row.status == 200 ? (result && result->status == 200) : isError(result, row.status);
        if (!ok) {
            check::fail(__FILE__, __LINE__, std::string("unexpected answer for ") + row.name);
        }
    }
    const json expired = parse(client.Get(
        "/app/settings", {{"Authorization", "Bearer " + tokenWith(secret, hs256, stale)}}));
    CHECK_EQ(expired["error"]["message"].get<std::string>(), std::string("token expired"));
}

TEST_CASE("tokens stop working once their ttl has passed") {
    const std::string dir = ServiceRunner::makeTempDir("expiry");
    ServiceRunner service;
    REQUIRE(service.start(dir + "/data", {"--config", withConfig(dir, {{"token_ttl", 1}})}));
    httplib::Client client(service.url());
    const json answer = parse(putAuth(client, zlibStream(authRecord().dump())));
    REQUIRE(answer.is_object() && answer.contains("token"));
    CHECK_EQ(answer["ttl"], json(1));
    const std::string token = answer["token"];
    const std::int64_t issued = answer["timestamp"];

    // Elapsed equal to the ttl still counts as valid, so the token lives into the next second.
    if (nowSeconds() <= issued + 1) {
        const httplib::Result early = getSettings(client, token);
        CHECK(early && (early->status == 200 || nowSeconds() > issued + 1));
    }
    bool refused = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!refused && std::chrono::steady_clock::now() < deadline) {
        const httplib::Result late = getSettings(client, token);
        refused = isError(late, 401);
        if (!refused) {
            REQUIRE(late && late->status == 200);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    CHECK(refused);
    CHECK(nowSeconds() > issued + 1);
    const httplib::Result renewed = getSettings(client, authorise(client));
    CHECK(renewed && renewed->status == 200);
}

TEST_CASE("tokens and the secret survive a restart; a damaged secret stops the start") {
    const std::string dir = ServiceRunner::makeTempDir("restart");
    std::string token;
    std::string secret;
    {
        ServiceRunner service;
        REQUIRE(service.start(dir));
        httplib::Client client(service.url());
        token = authorise(client);
        secret = tokenSecret(dir);
        CHECK_EQ(service.stop(), 0);
    }
    {
        ServiceRunner service;
        REQUIRE(service.start(dir));
        httplib::Client client(service.url());
        const httplib::Result result = getSettings(client, token);
        CHECK(result && result->status == 200);
        CHECK(tokenSecret(dir) == secret);
    }
    if (ServiceRunner::postgresql()) {
        query(dir, "UPDATE signing_keys SET secret = 'short'");
    } else {
        ServiceRunner::writeFile(dir + "/token.key", "short");
    }
    ServiceRunner service;
    CHECK(!service.start(dir));
    CHECK_EQ(ServiceRunner::postgresql() ? query(dir, "SELECT secret FROM signing_keys")
                                         : ServiceRunner::readFile(dir + "/token.key"),
             std::string(ServiceRunner::postgresql() ? "short\n" : "short"));
}

TEST_CASE("a store whose migrations differ from this program's is refused and kept") {
    const std::string dir = ServiceRunner::makeTempDir("migrations");
    {
        ServiceRunner service;
        REQUIRE(service.start(dir));
        httplib::Client client(service.url());
        REQUIRE(!authorise(client).empty());
        CHECK_EQ(service.stop(), 0);
    }
    const std::string applied = query(dir, "SELECT number FROM schema_migrations ORDER BY number");
    CHECK_EQ(applied, std::string("1\n2\n3\n4\n5\n"));
    std::string checksum = query(dir, "SELECT checksum FROM schema_migrations WHERE number = 2");
    checksum.pop_back();
    struct Row {
        const char* name;
        std::string damage;
        std::string repair;
    };
    const Row rows[] = {
        {"an applied migration changed",
         "UPDATE schema_migrations SET checksum = 'edited' WHERE number = 2",
         "UPDATE schema_migrations SET checksum = '" + checksum + "' WHERE number = 2"},
        {"a migration of a newer program",
         "INSERT INTO schema_migrations (number, name, checksum, applied_at)"
         " VALUES (99, 'future', 'x', 0)",
         "DELETE FROM schema_migrations WHERE number = 99"},
    };
    for (const Row& row : rows) {
        std::printf("  row: %s\n", row.name);
        query(dir, row.damage, true);
        ServiceRunner service;
        CHECK(!service.start(dir));
        CHECK(ServiceRunner::readFile(dir + ".log").find("migration") != std::string::npos);
        query(dir, row.repair, true);
        CHECK_EQ(query(dir, "SELECT count(*) FROM installations"), std::string("1\n"));
    }
    ServiceRunner service;
    CHECK(service.start(dir));
}

TEST_CASE("the configuration shapes authorisation and settings") {
    const std::string dir = ServiceRunner::makeTempDir("config");
    const json config = {{"token_ttl", 120},
                         {"update",
                          {{"version", "1.3.0.100"},
                           {"file_name", "QuillonProSetup.exe"},
                           {"file_size", 5000000000LL},
                           {"hash_sha1", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
                           {"force", true}}},
                         {"public_urls", {{"privacy_policy", "https://example.test/p"}}},
                         {"api", {{"updates_find", ""}}},
                         {"ga_id", "UA-1-2"},
                         {"user_drivers", {{"enabled", false}, {"max_size", 3000000000LL}}},
                         {"user_country", "DE"},
                         {"contact_email", "help@example.test"},
                         {"drivers_updated_at", "2026-11-30"},
                         {"access_log", "access.log"}};
    ServiceRunner service;
    REQUIRE(service.start(dir + "/data", {"--config", withConfig(dir, config)}));
    httplib::Client client(service.url());
    const json answer = parse(putAuth(client, zlibStream(authRecord().dump())));
    CHECK_EQ(answer["ttl"], json(120));
    const json body = parse(getSettings(client, answer["token"]));
    CHECK_EQ(body["update"], config["update"]);
    CHECK_EQ(body["update"]["file_size"].get<std::int64_t>(), 5000000000LL);
    CHECK_EQ(body["urls"]["public"], config["public_urls"]);
    CHECK_EQ(body["urls"]["api"]["updates_find"], json(""));
    CHECK_EQ(body["urls"]["api"]["upload_check"], json(service.url() + "/upload/check"));
    CHECK_EQ(body["ga"]["id"], json("UA-1-2"));
    CHECK_EQ(body["user_drivers"], config["user_drivers"]);
    CHECK_EQ(body["user_country"], json("DE"));
    CHECK_EQ(body["contact_email"], json("help@example.test"));
    CHECK_EQ(body["drivers"]["updated_at"], json("2026-11-30"));
    CHECK_EQ(service.stop(), 0);
    const std::string log = ServiceRunner::readFile(dir + "/data/access.log");
    CHECK(log.find("\"PUT /app/auth\" 200") != std::string::npos);
    CHECK(log.find("\"GET /app/settings\" 200") != std::string::npos);

    REQUIRE(service.start(dir + "/data", {"--config", withConfig(dir, {{"api", nullptr}})}));
    httplib::Client second(service.url());
    const json withoutApi = parse(getSettings(second, authorise(second)));
    CHECK(withoutApi["urls"].is_object() && !withoutApi["urls"].contains("api"));
    CHECK(withoutApi["urls"]["public"].is_object());
    service.stop();

    const json forced = {
        {"settings_error", {{"status", 200}, {"code", 7}, {"message", "maintenance"}}}};
    REQUIRE(service.start(dir + "/data", {"--config", withConfig(dir, forced)}));
    httplib::Client third(service.url());
    const httplib::Result result = getSettings(third, authorise(third));
    REQUIRE(result);
    CHECK_EQ(result->status, 200);
    CHECK_EQ(parse(result), json({{"error", {{"code", 7}, {"message", "maintenance"}}}}));
    service.stop();

    const json authForced = {
        {"auth_error", {{"status", 403}, {"code", 12}, {"message", "banned"}}}};
    REQUIRE(service.start(dir + "/data", {"--config", withConfig(dir, authForced)}));
    httplib::Client fourth(service.url());
    const httplib::Result refused = putAuth(fourth, zlibStream(authRecord().dump()));
    REQUIRE(refused);
    CHECK_EQ(refused->status, 403);
    const json refusal = parse(refused);
    CHECK_EQ(refusal["error"]["code"], json(12));
}

TEST_CASE("a bad configuration or command line stops the start") {
    const std::string dir = ServiceRunner::makeTempDir("badconfig");
    struct Row {
        const char* name;
        std::string config;
    };
    const Row rows[] = {
        {"not JSON", "{ttl"},
        {"not an object", "[1]"},
        {"unknown key", R"({"token_tll": 5})"},
        {"wrong type", R"({"token_ttl": "5"})"},
        {"negative ttl", R"({"token_ttl": -1})"},
        {"update offer with a text size", R"({"update": {"file_size": "5"}})"},
        {"update offer with a numeric version", R"({"update": {"version": 1.3}})"},
        {"tiny body limit", R"({"body_limit": 1})"},
        {"api with an unknown endpoint", R"({"api": {"app_auht": "x"}})"},
        {"access log outside the data folder", R"({"access_log": "../log"})"},
    };
    for (const Row& row : rows) {
        const std::string path = dir + "/config.json";
        ServiceRunner::writeFile(path, row.config);
        ServiceRunner service;
        if (service.start(dir + "/data", {"--config", path})) {
            check::fail(__FILE__, __LINE__, std::string("started with ") + row.name);
        }
    }
    ServiceRunner missing;
    CHECK(!missing.start(dir + "/data", {"--config", dir + "/absent.json"}));
    ServiceRunner unknown;
    CHECK(!unknown.start(dir + "/data", {"--bogus"}));
    ServiceRunner halfTls;
    CHECK(!halfTls.start(dir + "/data", {"--tls-cert", dir + "/config.json"}));
}

TEST_CASE("the collector stores batches in arrival order and refuses bad ones") {
    const std::string dir = ServiceRunner::makeTempDir("collect");
    ServiceRunner service;
    REQUIRE(service.start(dir + "/data", {"--test-hooks"}));
    httplib::Client client(service.url());
    const char* type = "application/x-www-form-urlencoded";
    const std::string first = "t=pageview&cd=About-screen&v=1&qt=5&tid=UA-1&cid=%7Bx%7D\n";
    const std::string second =
        "t=event&ec=Session&ea=Start&sc=start&v=1&qt=0\r\nt=event&ec=FirstRun&ea=1.2.0.2134&v=1\n";
    CHECK(client.Post("/collect/batch", first, type)->status == 200);
    CHECK(client.Post("/collect/batch", second, type)->status == 200);

    std::string tooMany;
    for (int i = 0; i < 21; ++i) {
        tooMany += "t=event&v=1\n";
    }
    struct Row {
        const char* name;
        std::string body;
        int status;
    };
    const Row rows[] = {
        {"empty", "", 400},
        {"blank lines", "\n\n", 400},
        {"21 hits", tooMany, 400},
        {"hit too long", "t=event&v=1&el=" + std::string(9000, 'a') + "\n", 400},
        {"no hit type", "v=1&ec=a\n", 400},
        {"raw space", "t=event&v=1&el=a b\n", 400},
        {"bad escape", "t=event&v=1&el=%zz\n", 400},
        {"binary", std::string("t=event&v=1&el=\x01\xff", 19), 400},
        {"batch too large", std::string(20000, 'a'), 413},
    };
    for (const Row& row : rows) {
        if (!isError(client.Post("/collect/batch", row.body, type), row.status)) {
            check::fail(__FILE__, __LINE__, std::string("unexpected answer for ") + row.name);
        }
    }

    const json count = counters(client);
    CHECK_EQ(count["collect_hits"], json(3));
    // The oversized batch is refused by its declared length before it reaches the endpoint.
    CHECK_EQ(count["collect_batches"], json(1 + std::size(rows)));
    const json collected = parse(client.Get("/_test/collected"));
    CHECK_EQ(collected, json({{"hits",
                               {"t=pageview&cd=About-screen&v=1&qt=5&tid=UA-1&cid=%7Bx%7D",
                                "t=event&ec=Session&ea=Start&sc=start&v=1&qt=0",
                                "t=event&ec=FirstRun&ea=1.2.0.2134&v=1"}}}));
    CHECK_EQ(service.stop(), 0);
    std::string lines;
    for (const json& hit : collected["hits"]) {
        lines += hit.get<std::string>() + "\n";
    }
    CHECK_EQ(query(dir + "/data", "SELECT line FROM hits ORDER BY id"), lines);
}

TEST_CASE("test hooks exist only when asked for; wrong methods are refused") {
    ServiceRunner service;
    REQUIRE(service.start(ServiceRunner::makeTempDir("nohooks")));
    httplib::Client client(service.url());
    client.set_decompress(false);
    const httplib::Result missing = client.Get("/missing", {{"Accept-Encoding", "gzip, deflate"}});
    CHECK(isError(missing, 404));
    CHECK(isError(client.Get("/_test/counters"), 404));
    CHECK(isError(client.Get("/_test/collected"), 404));
    CHECK(isError(client.Get("/app/auth"), 405));
    CHECK(isError(client.Post("/app/settings", "{}", "application/json"), 405));
    CHECK(isError(client.Get("/collect/batch"), 405));
    CHECK(isError(client.Delete("/app/settings"), 404));
    CHECK_EQ(service.stop(), 0);
}

TEST_CASE("SIGTERM stops the service while a client stalls in the middle of a body") {
    const std::string dir = ServiceRunner::makeTempDir("stall");
    ServiceRunner service;
    REQUIRE(service.start(dir + "/data",
                          {"--test-hooks", "--config", withConfig(dir, {{"read_timeout", 600}})}));
    httplib::Client client(service.url());
    REQUIRE(!authorise(client).empty());

    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(service.port()));
    ::inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
    REQUIRE(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    const std::string partial = "PUT /app/auth HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n\r\n{";
    ::send(fd, partial.data(), partial.size(), MSG_NOSIGNAL);
    // The counters answer only after the stalled request has reached its handler.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (counters(client)["auth"] != json(2) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::yield();
    }
    CHECK_EQ(service.stop(), 0);
    ::close(fd);
    CHECK_EQ(query(dir + "/data", "SELECT auth_count FROM installations"), std::string("1\n"));
}

TEST_CASE(
    "instances given one token key file accept each other's tokens; a weak file stops the start") {
    const std::string dir = ServiceRunner::makeTempDir("token-key");
    const std::string key = dir + "/token.secret";
    struct Row {
        const char* name;
        std::string content;  // empty: no file
        mode_t mode;
        const char* message;
    };
    const Row rows[] = {
        {"missing", "", 0600, "cannot be read"},
        {"short", std::string(31, 'k') + "\n", 0600, "holds 31 bytes"},
        {"readable by all", std::string(40, 'k'), 0644, "open to other users"},
    };
    for (const Row& row : rows) {
        std::printf("  row: %s\n", row.name);
        ::unlink(key.c_str());
        if (!row.content.empty()) {
            ServiceRunner::writeFile(key, row.content);
            ::chmod(key.c_str(), row.mode);
        }
        ServiceRunner service;
        CHECK(!service.start(dir + "/refused", {"--token-key", key}));
        const std::string log = ServiceRunner::readFile(dir + "/refused.log");
        CHECK(log.find(key) != std::string::npos && log.find(row.message) != std::string::npos);
    }

    // Two instances on stores of their own.
    ServiceRunner::writeFile(key, std::string(32, 's') + "\n");
    ::chmod(key.c_str(), 0400);
    ServiceRunner first;
    ServiceRunner second;
    REQUIRE(first.start(dir + "/first", {"--token-key", key}));
    REQUIRE(second.start(dir + "/second", {"--token-key", key}));
    httplib::Client issuer(first.url());
    const std::string token = authorise(issuer);
    httplib::Client other(second.url());
    const auto settings = getSettings(other, token);
    CHECK(settings && settings->status == 200);
}

CHECK_MAIN

// Hostile input against the real service: every failure is the error object, and the
// service keeps answering.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <csignal>
#include <random>

#include "check.h"
#include "servicerunner.h"
#include "servicetesting.h"

using nlohmann::json;
using namespace servicetesting;

namespace {

const std::size_t kBodyLimit = 64 * 1024;

ServiceRunner& service() {
    static ServiceRunner runner;
    if (runner.url().empty()) {
        const std::string dir = ServiceRunner::makeTempDir("robustness");
        const std::string config = dir + "/config.json";
        // A short read time-out lets truncated bodies end quickly.
        ServiceRunner::writeFile(config,
                                 json{{"body_limit", kBodyLimit}, {"read_timeout", 1}}.dump());
        runner.start(dir + "/data", {"--test-hooks", "--config", config});
    }
    return runner;
}

// Sends raw bytes and returns the service's answer. The connection stays open: the service
// does not answer a peer that has already shut down its side.
std::string rawExchange(const std::string& request) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(service().port()));
    ::inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
    timeval timeout{20, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    std::string answer;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
        char buffer[4096];
        ssize_t n = 0;
        while ((n = ::recv(fd, buffer, sizeof buffer, 0)) > 0) {
            answer.append(buffer, static_cast<std::size_t>(n));
            const std::size_t bodyAt = answer.find("\r\n\r\n");
            const std::size_t lengthAt = answer.find("Content-Length: ");
            if (bodyAt != std::string::npos && lengthAt != std::string::npos &&
                answer.size() >= bodyAt + 4 + std::stoul(answer.substr(lengthAt + 16))) {
                break;
            }
        }
    }
    ::close(fd);
    return answer;
}

bool rawIsError(const std::string& answer, int status) {
    const std::string line = "HTTP/1.1 " + std::to_string(status);
    const std::size_t bodyAt = answer.find("\r\n\r\n");
    if (answer.rfind(line, 0) != 0 || bodyAt == std::string::npos) {
        return false;
    }
    const json body = json::parse(answer.substr(bodyAt + 4), nullptr, false);
    return body.is_object() && body.contains("error") && body["error"]["code"] == status;
}

bool stillAnswers() {
    httplib::Client client(service().url());
    const httplib::Result result = getSettings(client, authorise(client));
    return result && result->status == 200;
}

json recordWith(const char* key, const json& value) {
    json record = authRecord();
    if (value.is_discarded()) {
        record.erase(key);
    } else {
        record[key] = value;
    }
    return record;
}

}  // namespace

TEST_CASE("malformed, truncated and mistyped authorisation bodies get 400") {
    REQUIRE(!service().url().empty());
    const std::string record = authRecord().dump();
    const std::string zlib = zlibStream(record);
    const json missing = json(json::value_t::discarded);
    struct Row {
        const char* name;
        std::string body;
        const char* encoding;
        int status;
    };
    const Row rows[] = {
        {"malformed zlib labelled gzip", "\x78\x9c this is not deflate", "gzip", 400},
        {"malformed zlib unlabelled", "\x78\x9c this is not deflate", "", 400},
        {"truncated zlib labelled gzip", zlib.substr(0, zlib.size() / 2), "gzip", 400},
        {"truncated zlib unlabelled", zlib.substr(0, zlib.size() - 3), "", 400},
        {"zlib with trailing garbage", zlib + "junk", "", 400},
        {"empty body", "", "gzip", 400},
        {"not JSON", zlibStream("product=pro&version=1"), "gzip", 400},
        {"half a JSON object", zlibStream(record.substr(0, 20)), "gzip", 400},
        {"JSON array", zlibStream("[1,2,3]"), "gzip", 400},
        {"JSON string", zlibStream("\"pro\""), "gzip", 400},
        {"JSON null", zlibStream("null"), "gzip", 400},
        {"deep nesting", zlibStream(std::string(8000, '[') + std::string(8000, ']')), "gzip", 400},
        {"appid a number", zlibStream(recordWith("appid", 42).dump()), "gzip", 400},
        {"hwid null", zlibStream(recordWith("hwid", nullptr).dump()), "gzip", 400},
        {"os an object", zlibStream(recordWith("os", json::object()).dump()), "gzip", 400},
        {"version empty", zlibStream(recordWith("version", "").dump()), "gzip", 400},
        {"arch unknown", zlibStream(recordWith("arch", "arm").dump()), "gzip", 400},
        {"product missing", zlibStream(recordWith("product", missing).dump()), "gzip", 400},
        {"product unknown", zlibStream(recordWith("product", "free").dump()), "gzip", 400},
        {"appid too long", zlibStream(recordWith("appid", std::string(300, 'a')).dump()), "gzip",
         400},
        {"control characters", zlibStream(recordWith("hwid", "a\nb").dump()), "gzip", 400},
        {"unknown encoding", zlib, "xz", 415},
    };
    httplib::Client client(service().url());
    for (const Row& row : rows) {
        if (!isError(putAuth(client, row.body, row.encoding), row.status)) {
            check::fail(__FILE__, __LINE__, std::string("unexpected answer for ") + row.name);
        }
    }
    const httplib::MultipartFormDataItems form = {{"record", record, "", "application/json"}};
    CHECK(isError(client.Put("/app/auth", form), 415));
    CHECK(isError(client.Post("/collect/batch", form), 415));
    CHECK(isError(client.Put("/app/auth", "--x--", "multipart/form-data"), 415));
    CHECK(stillAnswers());
}

TEST_CASE("oversize bodies get 413, compressed or not") {
    REQUIRE(!service().url().empty());
    const std::string padding(kBodyLimit * 4, ' ');
    const std::string bomb = zlibStream("{\"product\":\"pro\",\"x\":\"" + padding + "\"}");
    REQUIRE(bomb.size() < kBodyLimit);
    struct Row {
        const char* name;
        std::string body;
        const char* encoding;
    };
    const Row rows[] = {
        {"plain body over the limit", std::string(kBodyLimit + 1, '{'), ""},
        {"compressed body inflating past the limit, labelled", bomb, "gzip"},
        {"compressed body inflating past the limit, unlabelled", bomb, ""},
    };
    httplib::Client client(service().url());
    for (const Row& row : rows) {
        if (!isError(putAuth(client, row.body, row.encoding), 413)) {
            check::fail(__FILE__, __LINE__, std::string("no 413 for ") + row.name);
        }
    }

    // A chunked upload announces no length, so the limit has to hold while it streams.
    const std::string chunk(16 * 1024, 'a');
    const httplib::Result chunked = client.Put(
        "/app/auth",
        [&](size_t offset, httplib::DataSink& sink) {
            if (offset >= kBodyLimit * 2) {
                sink.done();
            } else {
                sink.write(chunk.data(), chunk.size());
            }
            return true;
        },
        "application/json");
    CHECK(!chunked || isError(chunked, 413));

    CHECK(rawIsError(rawExchange("PUT /app/auth HTTP/1.1\r\nHost: x\r\nContent-Length: "
                                 "99999999999\r\n\r\n{}"),
                     413));
    CHECK(stillAnswers());
}

TEST_CASE("truncated and garbled requests get the error object") {
    REQUIRE(!service().url().empty());
    // The rest of the body never comes: the request runs out of time.
    CHECK(rawIsError(rawExchange("PUT /app/auth HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n"
                                 "Content-Encoding: gzip\r\n\r\n\x78\x9c\x01\x02"),
                     408));
    CHECK(rawIsError(rawExchange("BREW /pot HTTP/1.1\r\nHost: x\r\n\r\n"), 400));
    // A line the HTTP library would skip must not hide a second framing from the check.
    CHECK(rawIsError(rawExchange("PUT /app/auth HTTP/1.1\r\nContent-Length: 10\r\n\n"
                                 "Transfer-Encoding: chunked\r\nContent-Length: 99999999\r\n\r\n"),
                     400));
    CHECK(rawIsError(rawExchange("PUT /app/auth HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: "
                                 "chunked\r\r\n\r\n5\r\nhello\r\n0\r\n\r\n"),
                     400));
    CHECK(rawIsError(rawExchange("PUT /app/auth HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: "
                                 "chunked\r\n\r\nzz\r\nabc\r\n"),
                     400));
    CHECK(rawIsError(rawExchange("GET /app/settings HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: "
                                 "chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n"),
                     411));
    CHECK(stillAnswers());
}

TEST_CASE("paths reaching out of the routes find nothing") {
    REQUIRE(!service().url().empty());
    const char* paths[] = {
        "/../token.key",      "/%2e%2e/token.key",
        "/app/../token.key",  "/app/%2e%2e/service.db",
        "//etc/passwd",       "/app/settings/../../token.key",
        "/app/auth%00",       "/app/settings/..%2f..%2f",
        "/%2fapp%2fsettings",
    };
    httplib::Client client(service().url());
    for (const char* path : paths) {
        const std::string answer =
            rawExchange(std::string("GET ") + path + " HTTP/1.1\r\nHost: x\r\n\r\n");
        if (!rawIsError(answer, 404) && !rawIsError(answer, 400)) {
            check::fail(__FILE__, __LINE__, std::string("unexpected answer for ") + path);
        }
    }
    CHECK(stillAnswers());
}

TEST_CASE("garbage tokens get 401") {
    REQUIRE(!service().url().empty());
    httplib::Client client(service().url());
    std::mt19937 random(1234);
    for (int i = 0; i < 200; ++i) {
        std::string token;
        const int length = static_cast<int>(random() % 300);
        for (int j = 0; j < length; ++j) {
            // Printable header bytes, dots included so some look like three-part tokens.
            token += static_cast<char>(0x21 + random() % 0x5e);
        }
        if (!isError(getSettings(client, token), 401)) {
            check::fail(__FILE__, __LINE__, "garbage token " + std::to_string(i) + " passed");
            break;
        }
    }
    CHECK(stillAnswers());
}

TEST_CASE("a thousand random bodies are refused with the error object") {
    REQUIRE(!service().url().empty());
    httplib::Client client(service().url());
    const json before = counters(client);
    std::mt19937 random(20261207);
    const std::string valid = zlibStream(authRecord().dump());
    int refused = 0;
    for (int i = 0; i < 1000; ++i) {
        std::string body;
        switch (i % 4) {
            case 0: {  // random bytes
                body.resize(random() % 2048);
                for (char& c : body) {
                    c = static_cast<char>(random());
                }
                break;
            }
            case 1: {  // a valid stream with a few flipped bytes
                body = valid;
                for (int flips = 1 + random() % 4; flips > 0; --flips) {
                    body[random() % body.size()] ^= static_cast<char>(1 + random() % 255);
                }
                break;
            }
            case 2: {  // a valid stream cut short
                body = valid.substr(0, random() % valid.size());
                break;
            }
            default: {  // JSON-looking text
                static const char pieces[] = "{}[]\":,0123456789 truefalsnul\\ue";
                body.resize(random() % 512);
                for (char& c : body) {
                    c = pieces[random() % (sizeof pieces - 1)];
                }
                body = zlibStream(body);
                break;
            }
        }
        const httplib::Result result = putAuth(client, body, i % 2 == 0 ? "gzip" : "");
        if (result && result->status == 200) {
            continue;  // a flip that zlib and JSON both survive is a valid record
        }
        if (!isAnyClientError(result)) {
            check::fail(__FILE__, __LINE__,
                        "random body " + std::to_string(i) + " got " +
                            (result ? std::to_string(result->status) : std::string("no answer")));
            break;
        }
        ++refused;
    }
    CHECK(refused > 900);
    const json after = counters(client);
    CHECK_EQ(after["auth"].get<int>() - before["auth"].get<int>(), 1000);
    CHECK(stillAnswers());
}

int main(int argc, char** argv) {
    // The service may close a connection before a refused body is fully sent.
    std::signal(SIGPIPE, SIG_IGN);
    return check::run(argc, argv);
}

// The service's own bounds under hostile peers on loopback: the listen queue, the request
// head, body framing, JSON size, slow clients, kept-alive connections and data-folder files.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>

#include <atomic>
#include <csignal>
#include <fstream>
#include <thread>
#include <vector>

#include "check.h"
#include "rawconnection.h"
#include "servicerunner.h"
#include "servicetesting.h"

using nlohmann::json;
using namespace servicetesting;

namespace {

std::string withConfig(const std::string& dir, const json& config) {
    const std::string path = dir + "/config.json";
    ServiceRunner::writeFile(path, config.dump());
    return path;
}

bool startWith(ServiceRunner& service, const std::string& name, const json& config) {
    const std::string dir = ServiceRunner::makeTempDir(name);
    return service.start(dir + "/data", {"--test-hooks", "--config", withConfig(dir, config)});
}

bool answersSettings(const ServiceRunner& service) {
    httplib::Client client(service.url());
    client.set_read_timeout(20, 0);
    const httplib::Result result = getSettings(client, authorise(client));
    return result && result->status == 200;
}

std::string request(const std::string& head, const std::string& body = {}) {
    return head + "\r\n\r\n" + body;
}

// Peak resident memory of a process in KiB, from /proc.
long peakKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    return -1;
}

}  // namespace

TEST_CASE("a burst of connections to a frozen service all reach its listen queue") {
    ServiceRunner service;
    REQUIRE(startWith(service, "backlog", {{"threads", 2}}));
    // While the process is stopped nothing is accepted: only the queue holds connections.
    ::kill(service.pid(), SIGSTOP);
    const int count = 300;
    std::vector<int> fds;
    for (int i = 0; i < count; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(service.port()));
        ::inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
        ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        fds.push_back(fd);
    }
    int established = 0;
    for (const int fd : fds) {
        pollfd entry{fd, POLLOUT, 0};
        int error = -1;
        socklen_t length = sizeof error;
        if (::poll(&entry, 1, 500) > 0 &&
            ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) {
            ++established;
        }
    }
    ::kill(service.pid(), SIGCONT);
    for (const int fd : fds) {
        ::close(fd);
    }
    CHECK_EQ(established, count);
    CHECK(answersSettings(service));
}

TEST_CASE("too many or too large request headers get 431 and the connection closes") {
    ServiceRunner service;
    REQUIRE(startWith(service, "headers", json::object()));
    const auto headerLines = [](int count, std::size_t width) {
        std::string lines;
        for (int i = 0; i < count; ++i) {
            lines += "\r\nX-Filler-" + std::to_string(i) + ": " + std::string(width, 'v');
        }
        return lines;
    };
    struct Row {
        const char* name;
        std::string request;
        int status;
    };
    const Row rows[] = {
        {"100 headers", request("GET /_test/counters HTTP/1.1\r\nHost: x" + headerLines(99, 8)),
         200},
        {"101 headers", request("GET /_test/counters HTTP/1.1\r\nHost: x" + headerLines(100, 8)),
         431},
        {"65 KiB in long lines",
         request("GET /_test/counters HTTP/1.1\r\nHost: x" + headerLines(9, 7400)), 431},
    };
    for (const Row& row : rows) {
        RawConnection connection(service.port());
        REQUIRE(connection.connected());
        connection.send(row.request + "GET /_test/counters HTTP/1.1\r\nHost: x\r\n\r\n");
        const std::string answer = connection.receiveUntilClosed(row.status == 200 ? 300 : 5000);
        if (statusOf(answer) != row.status || (row.status == 431 && !connection.closed())) {
            check::fail(__FILE__, __LINE__, std::string("unexpected answer for ") + row.name);
        }
    }

    // An endless head: the service refuses it and takes no more. The bound is well above
    // what loopback's socket buffers take in before the close, so it measures the service.
    RawConnection flood(service.port());
    REQUIRE(flood.connected());
    flood.send("GET /app/settings HTTP/1.1\r\nHost: x\r\n");
    const std::string line = "X-Flood: " + std::string(8000, 'f') + "\r\n";
    const std::size_t bound = 64u * 1024 * 1024;
    std::size_t sent = 0;
    while (sent < bound && flood.send(line)) {
        sent += line.size();
    }
    CHECK(sent < bound);
    CHECK_EQ(statusOf(flood.receiveUntilClosed(5000)), 431);
    CHECK(peakKiB(service.pid()) < 64 * 1024);
    CHECK(answersSettings(service));
}

TEST_CASE("a body's framing is refused at once when it is ambiguous, missing or too large") {
    // Long time-outs: an answer that waited for them would miss the client's 5 s wait.
    ServiceRunner service;
    REQUIRE(startWith(service, "framing", {{"request_deadline", 60}, {"read_timeout", 60}}));
    const std::string record = zlibStream(authRecord().dump());
    const std::string length = "\r\nContent-Length: " + std::to_string(record.size());
    struct Row {
        const char* name;
        std::string request;
        int status;
    };
    const Row rows[] = {
        {"two different lengths",
         request("PUT /app/auth HTTP/1.1\r\nHost: x" + length + "\r\nContent-Length: 3", record),
         400},
        {"length and chunked",
         request("PUT /app/auth HTTP/1.1\r\nHost: x" + length + "\r\nTransfer-Encoding: chunked",
                 record),
         400},
        {"a length that is not a number",
         request("PUT /app/auth HTTP/1.1\r\nHost: x\r\nContent-Length: 12x"), 400},
        {"no length on an authorisation", request("PUT /app/auth HTTP/1.1\r\nHost: x"), 411},
        {"no length on a batch", request("POST /collect/batch HTTP/1.1\r\nHost: x"), 411},
        {"a length past the authorisation's limit",
         request("PUT /app/auth HTTP/1.1\r\nHost: x\r\nContent-Length: 1000000"), 413},
        {"a length past the batch limit",
         request("POST /collect/batch HTTP/1.1\r\nHost: x\r\nContent-Length: 16385"), 413},
        {"a body on a request that takes none",
         request("GET /app/settings HTTP/1.1\r\nHost: x\r\nContent-Length: 10"), 413},
        {"the same length twice",
         request("PUT /app/auth HTTP/1.1\r\nHost: x\r\nConnection: close" + length + length,
                 record),
         200},
    };
    for (const Row& row : rows) {
        RawConnection connection(service.port());
        REQUIRE(connection.connected());
        connection.send(row.request);
        const std::string answer = connection.receiveUntilClosed(5000);
        if (statusOf(answer) != row.status || !connection.closed()) {
            check::fail(__FILE__, __LINE__,
                        std::string("unexpected answer for ") + row.name + ": " +
                            answer.substr(0, answer.find('\r')));
        }
    }
}

TEST_CASE("JSON bodies are bounded in size and element count") {
    ServiceRunner service;
    REQUIRE(startWith(service, "json", json::object()));
    std::string manyElements = "[0";
    while (manyElements.size() < 16000) {
        manyElements += ",0";
    }
    manyElements += "]";
    json manyKeys = authRecord();
    for (int i = 0; i < 300; ++i) {
        manyKeys["k" + std::to_string(i)] = i;
    }
    json fewExtras = authRecord();
    fewExtras["build"] = "2134";
    struct Row {
        const char* name;
        std::string json;
        int status;
    };
    const Row rows[] = {
        {"8000 zeros", manyElements, 413},
        {"300 extra keys", manyKeys.dump(), 413},
        {"a record with one more key", fewExtras.dump(), 200},
    };
    httplib::Client client(service.url());
    for (const Row& row : rows) {
        const httplib::Result result = putAuth(client, zlibStream(row.json));
        if (!result || result->status != row.status) {
            check::fail(__FILE__, __LINE__, std::string("unexpected answer for ") + row.name);
        }
    }

    // Inflating to 16 MB of [0,0,...] in parallel once cost gigabytes.
    std::string bombText = "[0";
    bombText.reserve(16u << 20);
    while (bombText.size() < (16u << 20)) {
        bombText += ",0";
    }
    const std::string bomb = zlibStream(bombText + "]");
    std::atomic<int> refused{0};
    std::vector<std::thread> senders;
    for (int i = 0; i < 8; ++i) {
        senders.emplace_back([&] {
            httplib::Client sender(service.url());
            if (isError(putAuth(sender, bomb), 413)) {
                ++refused;
            }
        });
    }
    for (std::thread& sender : senders) {
        sender.join();
    }
    CHECK_EQ(refused.load(), 8);
    CHECK(peakKiB(service.pid()) < 64 * 1024);
}

TEST_CASE("slow clients are cut at the request deadline and others are still served") {
    ServiceRunner service;
    REQUIRE(startWith(
        service, "slow",
        {{"threads", 4}, {"request_deadline", 2}, {"read_timeout", 30}, {"min_body_rate", 4096}}));
    httplib::Client client(service.url());
    const std::string token = authorise(client);
    REQUIRE(!token.empty());

    // Each dribbles a byte every 100 ms, which a no-progress rule alone would never cut.
    const std::string head =
        "GET /app/settings HTTP/1.1\r\nHost: x\r\nX-Slow: " + std::string(200, 's') + "\r\n\r\n";
    const std::string body(16000, 'a');
    std::vector<int> statuses(9, 0);
    std::vector<std::thread> slow;
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        slow.emplace_back([&, i] {
            RawConnection connection(service.port());
            // The last one sends its head at once and then its body below the minimum rate.
            const bool slowBody = i + 1 == statuses.size();
            const std::string data =
                slowBody
                    ? "POST /collect/batch HTTP/1.1\r\nHost: x\r\nContent-Length: 16000\r\n\r\n" +
                          body
                    : head;
            const std::size_t step = slowBody ? 150 : 1;
            std::size_t at = slowBody ? data.size() - body.size() : 0;
            connection.send(data.substr(0, at));
            std::string answer;
            while (at < data.size() && answer.empty()) {
                if (!connection.send(data.substr(at, step))) {
                    break;
                }
                at += step;
                answer = connection.receiveUntilClosed(100);
            }
            answer += connection.receiveUntilClosed(5000);
            statuses[i] = statusOf(answer);
        });
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    client.set_read_timeout(20, 0);
    const httplib::Result meanwhile = getSettings(client, token);
    for (std::thread& thread : slow) {
        thread.join();
    }
    CHECK(meanwhile && meanwhile->status == 200);
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        if (statuses[i] != 408) {
            check::fail(__FILE__, __LINE__,
                        "slow client " + std::to_string(i) + " got " + std::to_string(statuses[i]));
        }
    }
    // A body sent at a normal pace is not cut.
    CHECK(client.Post("/collect/batch", "t=event&v=1\n" + std::string(12000, ' '), "text/plain")
              ->status != 408);
}

TEST_CASE("kept-alive connections follow keep_alive_max_count and keep_alive_timeout") {
    ServiceRunner service;
    REQUIRE(
        startWith(service, "keepalive", {{"keep_alive_max_count", 2}, {"keep_alive_timeout", 1}}));
    const std::string get = "GET /_test/counters HTTP/1.1\r\nHost: x\r\n\r\n";
    RawConnection pipelined(service.port());
    pipelined.send(get + get + get);
    const std::string answers = pipelined.receiveUntilClosed(5000);
    std::size_t count = 0;
    for (std::size_t at = answers.find("HTTP/1.1 200"); at != std::string::npos;
         at = answers.find("HTTP/1.1 200", at + 1)) {
        ++count;
    }
    CHECK_EQ(count, 2u);
    CHECK(answers.find("Connection: close") != std::string::npos);
    CHECK(pipelined.closed());

    RawConnection idle(service.port());
    idle.send(get);
    CHECK_EQ(statusOf(idle.receiveUntilClosed(5000)), 200);
    CHECK(idle.closed());
}

TEST_CASE("a connection waiting for a worker never closes one just used under its request") {
    ServiceRunner service;
    REQUIRE(startWith(service, "pressure", {{"threads", 1}, {"keep_alive_timeout", 5}}));
    const std::string get = "GET /_test/counters HTTP/1.1\r\nHost: x\r\n\r\n";
    RawConnection used(service.port());
    used.send(get);
    REQUIRE(statusOf(used.receiveUntilClosed(50)) == 200);
    RawConnection waiting(service.port());
    waiting.send(get);
    // Long enough for a close on pressure alone to have happened, well short of spare.
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    CHECK(used.send(get));
    const std::string second = used.receiveUntilClosed(5000);
    CHECK_EQ(statusOf(second), 200);
    CHECK(second.find("Connection: close") != std::string::npos);
    CHECK_EQ(statusOf(waiting.receiveUntilClosed(5000)), 200);
}

TEST_CASE("data-folder files that are not regular files stop the start, named") {
    struct Row {
        const char* name;
        const char* file;
        std::function<void(const std::string& data)> prepare;
        json config;
    };
    const auto fifo = [](const char* file) {
        return [file](const std::string& data) { ::mkfifo((data + "/" + file).c_str(), 0600); };
    };
    const auto link = [](const char* file) {
        return [file](const std::string& data) {
            ServiceRunner::writeFile(data + "/target", std::string(32, 'k'));
            ::symlink((data + "/target").c_str(), (data + "/" + file).c_str());
        };
    };
    const Row rows[] = {
        {"token.key a FIFO", "token.key", fifo("token.key"), json::object()},
        {"token.key a link", "token.key", link("token.key"), json::object()},
        {"service.db a FIFO", "service.db", fifo("service.db"), json::object()},
        {"service.db a link", "service.db", link("service.db"), json::object()},
        {"service.db a folder", "service.db",
         [](const std::string& data) { ::mkdir((data + "/service.db").c_str(), 0700); },
         json::object()},
        {"service.db not a database", "service.db",
         [](const std::string& data) {
             ServiceRunner::writeFile(data + "/service.db", std::string(4096, 'x'));
         },
         json::object()},
        {"the access log a FIFO", "access.log", fifo("access.log"), {{"access_log", "access.log"}}},
    };
    for (const Row& row : rows) {
        const std::string dir = ServiceRunner::makeTempDir("datafiles");
        const std::string data = dir + "/data";
        ::mkdir(data.c_str(), 0700);
        row.prepare(data);
        ServiceRunner service;
        const bool started = service.start(data, {"--config", withConfig(dir, row.config)});
        if (started || service.error().find(data + "/" + row.file) == std::string::npos) {
            check::fail(__FILE__, __LINE__,
                        std::string(row.name) + ": " + (started ? "started" : service.error()));
        }
    }
}

int main(int argc, char** argv) {
    std::signal(SIGPIPE, SIG_IGN);
    return check::run(argc, argv);
}

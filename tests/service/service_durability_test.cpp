// What the service has answered stays written: settings fetches go through a queue that
// SIGTERM drains, and a kill -9 mid-burst loses no answered authorisation and no fetch
// older than a second.

#include <atomic>
#include <chrono>
#include <csignal>
#include <mutex>
#include <set>
#include <thread>

#include "check.h"
#include "servicerunner.h"
#include "servicetesting.h"

using nlohmann::json;
using namespace servicetesting;

namespace {

std::string appid(int n) {
    return "{00000000-0000-0000-0000-" + std::to_string(100000000000 + n) + "}";
}

std::size_t lineCount(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += c == '\n' ? 1 : 0;
    }
    return count;
}

}  // namespace

TEST_CASE("settings fetches answered before SIGTERM are all written") {
    const std::string data = ServiceRunner::makeTempDir("drain") + "/data";
    ServiceRunner service;
    REQUIRE(service.start(data));
    httplib::Client client(service.url());
    for (int i = 0; i < 40; ++i) {
        const std::string token = authorise(client, authRecord(appid(i)));
        httplib::Headers headers = {{"Authorization", "Bearer " + token}};
        const httplib::Result result =
            client.Get("/app/settings?ppg=p" + std::to_string(i), headers);
        if (!result || result->status != 200) {
            check::fail(__FILE__, __LINE__, "settings " + std::to_string(i) + " failed");
        }
    }
    CHECK_EQ(service.stop(), 0);
    CHECK_EQ(query(data, "SELECT count(*) FROM installations WHERE ppg LIKE 'p%'", true),
             std::string("40\n"));
    CHECK_EQ(query(data, "SELECT ppg FROM installations WHERE appid = '" + appid(39) + "'", true),
             std::string("p39\n"));
}

TEST_CASE("kill -9 in the middle of a burst loses no answered write") {
    const std::string data = ServiceRunner::makeTempDir("crash") + "/data";
    std::set<std::string> answered;
    int next = 0;
    for (int cycle = 0; cycle < 5; ++cycle) {
        ServiceRunner service;
        REQUIRE(service.start(data));
        // Fetches answered well before the crash must be written.
        httplib::Client early(service.url());
        const std::string earlyId = appid(900000 + cycle);
        const httplib::Result fetched = getSettings(early, authorise(early, authRecord(earlyId)));
        REQUIRE(fetched && fetched->status == 200);
        answered.insert(earlyId);
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));

        std::mutex mutex;
        std::atomic<bool> go{true};
        std::atomic<int> count{0};
        std::vector<std::thread> clients;
        for (int t = 0; t < 4; ++t) {
            clients.emplace_back([&, t] {
                httplib::Client client(service.url());
                for (int i = t; go; i += 4) {
                    const std::string id = appid(cycle * 100000 + next + i);
                    if (!authorise(client, authRecord(id)).empty()) {
                        std::lock_guard<std::mutex> lock(mutex);
                        answered.insert(id);
                        ++count;
                    }
                }
            });
        }
        while (count < 100 + 50 * cycle) {
            std::this_thread::yield();
        }
        service.kill();
        go = false;
        for (std::thread& client : clients) {
            client.join();
        }
        next += 50000;
        if (!ServiceRunner::postgresql()) {
            CHECK_EQ(query(data, "PRAGMA integrity_check", true), std::string("ok\n"));
        }
    }
    const std::string rows = query(data, "SELECT appid FROM installations", true);
    std::size_t missing = 0;
    for (const std::string& id : answered) {
        missing += rows.find(id + "\n") == std::string::npos ? 1 : 0;
    }
    CHECK_EQ(missing, 0u);
    CHECK(lineCount(rows) >= answered.size());
    CHECK_EQ(query(data,
                   "SELECT count(*) FROM installations WHERE appid LIKE '%-1000009%'"
                   " AND settings_fetched IS NOT NULL",
                   true),
             std::string("5\n"));
}

int main(int argc, char** argv) {
    std::signal(SIGPIPE, SIG_IGN);
    return check::run(argc, argv);
}

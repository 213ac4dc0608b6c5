// The service under the load of many users: one instance on SQLite, and nginx in front of two
// instances on one PostgreSQL store, each at 16, 64 and 256 connections of a mixed load
// (authorisations, settings, searches for 150 devices in a large catalogue, install reports);
// the settings rate through nginx against nginx serving the same answer as a static file; and
// the one-device search while the largest search a client may send runs beside it.
//
//     service_load_bench [--infs N] [--seconds S]      (defaults 100000 INFs, 5 s a level)
//                        [--levels 16,64,256] [--postgres-only] [--direct]
//
// --direct also loads the first PostgreSQL instance without nginx, to tell the proxy's share
// of a latency from the service's.
//
// Starts a throw-away PostgreSQL with scripts/pg-temp.sh and nginx from
// service/deploy/nginx.conf.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "generatedcatalog.h"
#include "nginxrunner.h"
#include "servicerunner.h"
#include "servicetesting.h"
#include "zipfiles.h"

using nlohmann::json;
using namespace generated;

namespace {

using Clock = std::chrono::steady_clock;

enum Kind { Auth, Settings, Search, Report, kKinds };
const char* const kKindNames[] = {"auth", "settings", "search", "report"};
// Of every 20 requests: what a population of PCs sends, settings and reports the most.
const Kind kMix[20] = {Settings, Settings, Settings, Settings, Settings, Settings, Settings,
                       Settings, Auth,     Auth,     Auth,     Auth,     Report,   Report,
                       Report,   Report,   Report,   Report,   Search,   Search};

struct Figures {
    std::vector<double> latencies[kKinds];
    long errors[kKinds] = {};
    double seconds = 0;

    std::size_t total() const {
        std::size_t sum = 0;
        for (const auto& list : latencies) {
            sum += list.size();
        }
        return sum;
    }
    long allErrors() const {
        long sum = 0;
        for (const long e : errors) {
            sum += e;
        }
        return sum;
    }
};

double percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(values.size() * share))];
}

// What one client needs: a token, and a scan with an offer to report on.
struct Session {
    std::string token;
    std::string reportPath;
};

std::string searchBody(std::size_t parts) {
    json devices = json::array();
    for (std::size_t k = 0; k < 150; ++k) {
        devices.push_back(generatedDevice(k, parts));
    }
    return servicetesting::zlibStream(json{{"devices", devices}}.dump());
}

bool prepareSession(const std::string& url, const std::string& search, Session& session) {
    httplib::Client client(url);
    client.set_read_timeout(60, 0);
    session.token = servicetesting::authorise(client);
    const auto found = client.Put("/updates/find", {{"Authorization", "Bearer " + session.token}},
                                  search, "application/json");
    const json answer = servicetesting::parse(found);
    if (!answer.is_object() || answer["updates"].empty()) {
        return false;
    }
    const json& driver = answer["updates"][0]["drivers"][0];
    session.reportPath = "/app/report/" + std::to_string(answer["scan_id"].get<std::int64_t>()) +
                         "/" + driver["inf"]["sha1"].get<std::string>();
    return true;
}

// connections clients, each on one kept-alive connection, for seconds.
Figures load(const std::string& url, const Session& session, const std::string& search,
             int connections, double seconds, bool settingsOnly) {
    Figures figures;
    std::mutex mutex;
    std::atomic<bool> stop{false};
    const std::string auth = servicetesting::zlibStream(servicetesting::authRecord().dump());
    const std::string report =
        json{{"report", {{"error_code", 0}, {"system_error_code", 0}}}}.dump();
    const httplib::Headers bearer = {{"Authorization", "Bearer " + session.token}};
    std::vector<std::thread> clients;
    const auto started = Clock::now();
    for (int c = 0; c < connections; ++c) {
        clients.emplace_back([&, c] {
            httplib::Client client(url);
            client.set_keep_alive(true);
            client.set_read_timeout(60, 0);
            Figures mine;
            for (std::size_t n = static_cast<std::size_t>(c); !stop; ++n) {
                const Kind kind = settingsOnly ? Settings : kMix[n % 20];
                const auto before = Clock::now();
                const auto send = [&]() {
                    switch (kind) {
                        case Auth:
                            return client.Put("/app/auth", auth, "application/json");
                        case Search:
                            return client.Put("/updates/find", bearer, search, "application/json");
                        case Report:
                            return client.Put(session.reportPath, bearer, report,
                                              "application/json");
                        default:
                            return client.Get("/app/settings", bearer);
                    }
                };
                const httplib::Result result = send();
                const double ms =
                    std::chrono::duration<double, std::milli>(Clock::now() - before).count();
                if (result && result->status == 200) {
                    mine.latencies[kind].push_back(ms);
                } else {
                    ++mine.errors[kind];
                }
            }
            std::lock_guard<std::mutex> lock(mutex);
            for (int k = 0; k < kKinds; ++k) {
                figures.latencies[k].insert(figures.latencies[k].end(), mine.latencies[k].begin(),
                                            mine.latencies[k].end());
                figures.errors[k] += mine.errors[k];
            }
        });
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    stop = true;
    for (std::thread& client : clients) {
        client.join();
    }
    figures.seconds = std::chrono::duration<double>(Clock::now() - started).count();
    return figures;
}

void print(const std::string& setup, int connections, const Figures& figures) {
    std::printf("%-26s %3d connections: %7.0f req/s, %ld errors\n", setup.c_str(), connections,
                static_cast<double>(figures.total()) / figures.seconds, figures.allErrors());
    for (int k = 0; k < kKinds; ++k) {
        if (figures.latencies[k].empty() && figures.errors[k] == 0) {
            continue;
        }
        std::printf("    %-9s %7.0f req/s  p50 %7.2f ms  p99 %7.2f ms  errors %ld\n", kKindNames[k],
                    static_cast<double>(figures.latencies[k].size()) / figures.seconds,
                    percentile(figures.latencies[k], 0.5), percentile(figures.latencies[k], 0.99),
                    figures.errors[k]);
    }
    std::fflush(stdout);
}

// The throw-away PostgreSQL server, stopped however the benchmark ends.
struct Postgres {
    std::string dir;
    std::string url;
    ~Postgres() {
        if (!dir.empty()) {
            std::system(("'" QLN_SOURCE_DIR "/scripts/pg-temp.sh' stop '" + dir + "'").c_str());
        }
    }
    bool start(const std::string& folder) {
        dir = folder;
        FILE* out =
            ::popen(("'" QLN_SOURCE_DIR "/scripts/pg-temp.sh' start '" + dir + "'").c_str(), "r");
        char line[512] = {};
        const bool read = out != nullptr && std::fgets(line, sizeof line, out) != nullptr;
        if (out != nullptr && ::pclose(out) != 0) {
            return false;
        }
        url = read ? std::string(line, std::strcspn(line, "\n")) : std::string();
        return !url.empty();
    }
};

bool runIndex(const std::string& data, const std::string& packages, const std::string& store) {
    std::string command = "'" + ServiceRunner::binary() + "' index --data '" + data +
                          "' --packages '" + packages + "' >/dev/null";
    if (!store.empty()) {
        command += " --store '" + store + "'";
    }
    return std::system(command.c_str()) == 0;
}

void printIndexed(const char* store, std::size_t infs, Clock::time_point started) {
    const double took = std::chrono::duration<double>(Clock::now() - started).count();
    std::printf("indexed %zu INFs into %s in %.1f s (%.0f INFs/s)\n", infs, store, took,
                static_cast<double>(infs) / took);
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t infs = 100000;
    double seconds = 5;
    std::vector<int> levels = {16, 64, 256};
    bool postgresOnly = false;
    bool direct = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool valued = i + 1 < argc;
        if (arg == "--infs" && valued) {
            infs = std::strtoul(argv[++i], nullptr, 10);
        } else if (arg == "--seconds" && valued) {
            seconds = std::strtod(argv[++i], nullptr);
        } else if (arg == "--levels" && valued) {
            levels.clear();
            for (const char* at = argv[++i]; *at != 0;) {
                char* end = nullptr;
                const long level = std::strtol(at, &end, 10);
                if (end == at || level <= 0) {
                    break;
                }
                levels.push_back(static_cast<int>(level));
                at = *end == ',' ? end + 1 : end;
            }
        } else if (arg == "--postgres-only") {
            postgresOnly = true;
        } else if (arg == "--direct") {
            direct = true;
        } else {
            std::fprintf(stderr, "service_load_bench: unknown or incomplete option %s\n",
                         arg.c_str());
            return 2;
        }
    }
    if (std::getenv("QLN_SERVICE") == nullptr) {
        setenv("QLN_SERVICE", QLN_SERVICE_DEFAULT, 1);
    }
    if (!NginxRunner::available()) {
        std::fprintf(stderr, "service_load_bench: nginx is missing (scripts/deps.sh)\n");
        return 1;
    }
    std::signal(SIGPIPE, SIG_IGN);
    const std::string work = ServiceRunner::makeTempDir("load-bench");
    // A catalogue of 100,000 INFs leaves hundreds of MB behind; the runners made after this
    // are stopped before it goes.
    struct RemovedAtEnd {
        std::string path;
        ~RemovedAtEnd() {
            std::error_code ignored;
            if (!path.empty()) {
                std::filesystem::remove_all(path, ignored);
            }
        }
    } removedAtEnd{work};
    // The server runs as the postgres user, who must reach its folder: not below work.
    char pgFolder[] = "/tmp/quillon-pg-bench.XXXXXX";
    Postgres postgres;
    if (work.empty() || ::mkdtemp(pgFolder) == nullptr || !postgres.start(pgFolder)) {
        std::fprintf(stderr, "service_load_bench: cannot start PostgreSQL\n");
        return 1;
    }

    // The catalogue: generated INFs, plus the 1,000 that share one generic id of the probed
    // fault.
    const std::string packages = work + "/packages";
    std::filesystem::create_directories(packages);
    const std::size_t parts = std::max<std::size_t>(infs / 5, 1);
    for (std::size_t first = 0; first < infs; first += 100) {
        std::vector<zipfiles::File> files;
        for (std::size_t index = first; index < std::min(infs, first + 100); ++index) {
            files.push_back(
                {"drv" + std::to_string(index) + "/drv.inf", generatedInf(index, parts)});
        }
        zipfiles::write(packages + "/p" + std::to_string(first / 100) + ".zip", files);
    }
    std::vector<zipfiles::File> generic;
    for (int k = 0; k < 1000; ++k) {
        generic.push_back({"g" + std::to_string(k) + "/g.inf",
                           "[Version]\r\nSignature=\"$WINDOWS NT$\"\r\nClass=USB\r\nProvider=G\r\n"
                           "DriverVer=01/01/2024,1.0." +
                               std::to_string(k) +
                               "\r\n\r\n[Manufacturer]\r\nG=M,NTamd64\r\n\r\n[M.NTamd64]\r\n"
                               "Generic=I, USB\\VID_1234&PID_" +
                               std::to_string(k) + ", USB\\CLASS_FF\r\n"});
    }
    zipfiles::write(packages + "/generic.zip", generic);

    const std::string search = searchBody(parts);
    long errors = 0;
    double sqliteRate = 0;
    double postgresRate = 0;

    // One instance on SQLite.
    if (!postgresOnly) {
        const std::string data = work + "/sqlite";
        const auto started = Clock::now();
        if (!runIndex(data, packages, {})) {
            std::fprintf(stderr, "service_load_bench: indexing into SQLite failed\n");
            return 1;
        }
        printIndexed("SQLite", infs + 1000, started);
        ServiceRunner::writeFile(work + "/sqlite.json", json{{"threads", 256}}.dump());
        ServiceRunner service;
        Session session;
        if (!service.start(data, {"--config", work + "/sqlite.json"}, work + "/sqlite.log") ||
            !prepareSession(service.url(), search, session)) {
            std::fprintf(stderr, "service_load_bench: the SQLite instance did not start\n");
            return 1;
        }
        for (const int connections : levels) {
            const Figures figures =
                load(service.url(), session, search, connections, seconds, false);
            print("sqlite, 1 instance", connections, figures);
            errors += figures.allErrors();
            if (connections == 64) {
                sqliteRate = static_cast<double>(figures.total()) / figures.seconds;
            }
        }
    }

    // Two instances on PostgreSQL behind nginx.
    const std::string data = work + "/shared";
    const std::string store = postgres.url;
    auto started = Clock::now();
    if (!runIndex(data, packages, store)) {
        std::fprintf(stderr, "service_load_bench: indexing into PostgreSQL failed\n");
        return 1;
    }
    printIndexed("PostgreSQL", infs + 1000, started);
    const int proxyPort = NginxRunner::freePort();
    ServiceRunner::writeFile(
        work + "/shared.json",
        json{{"threads", 256}, {"public_base_url", "http://127.0.0.1:" + std::to_string(proxyPort)}}
            .dump());
    ServiceRunner first;
    ServiceRunner second;
    NginxRunner nginx;
    std::filesystem::create_directories(work + "/nginx");
    Session session;
    const std::vector<std::string> shared = {"--config", work + "/shared.json", "--store", store};
    if (!first.start(data, shared, work + "/first.log") ||
        !second.start(data, shared, work + "/second.log") ||
        !nginx.start(work + "/nginx", {first.port(), second.port()}, proxyPort) ||
        !prepareSession(nginx.url(), search, session)) {
        std::fprintf(stderr,
                     "service_load_bench: the PostgreSQL instances or nginx did not start: %s\n",
                     nginx.error().c_str());
        return 1;
    }
    for (const int connections : levels) {
        const Figures figures = load(nginx.url(), session, search, connections, seconds, false);
        print("postgresql, 2 behind nginx", connections, figures);
        errors += figures.allErrors();
        if (connections == 64) {
            postgresRate = static_cast<double>(figures.total()) / figures.seconds;
        }
        if (direct) {
            const Figures alone = load(first.url(), session, search, connections, seconds, false);
            print("postgresql, 1 direct", connections, alone);
            errors += alone.allErrors();
        }
    }

    // Settings through nginx against nginx serving the same answer as a static file.
    httplib::Client probe(nginx.url());
    const auto answer = servicetesting::getSettings(probe, session.token);
    std::filesystem::create_directories(work + "/static/root/app");
    std::filesystem::create_directories(work + "/static/nginx");
    ServiceRunner::writeFile(work + "/static/root/app/settings", answer ? answer->body : "");
    for (const char* folder : {"/static", "/static/root", "/static/root/app"}) {
        std::filesystem::permissions(work + folder, std::filesystem::perms::others_exec,
                                     std::filesystem::perm_options::add);
    }
    std::filesystem::permissions(work + "/static/root/app/settings",
                                 std::filesystem::perms::others_read,
                                 std::filesystem::perm_options::add);
    NginxRunner staticNginx;
    if (!staticNginx.startStatic(work + "/static/nginx", work + "/static/root")) {
        std::fprintf(stderr, "service_load_bench: %s\n", staticNginx.error().c_str());
        return 1;
    }
    const Figures proxied = load(nginx.url(), session, search, 64, seconds, true);
    const Figures file = load(staticNginx.url(), session, search, 64, seconds, true);
    staticNginx.stop();
    std::printf(
        "settings through nginx: %.0f req/s, p99 %.2f ms; nginx serving the same answer "
        "as a static file: %.0f req/s, p99 %.2f ms (64 connections)\n",
        static_cast<double>(proxied.total()) / proxied.seconds,
        percentile(proxied.latencies[Settings], 0.99),
        static_cast<double>(file.total()) / file.seconds,
        percentile(file.latencies[Settings], 0.99));
    errors += proxied.allErrors() + file.allErrors();

    // The largest search a client may send (2,000 devices, 64 copies of an id 1,000 INFs
    // share) running beside one-device searches.
    json largest = {{"devices", json::array()}};
    for (int k = 0; k < 2000; ++k) {
        largest["devices"].push_back(
            {{"hids", json(std::vector<json>(64, hid("USB\\CLASS_FF", true)))}});
    }
    const std::string largestBody = servicetesting::zlibStream(largest.dump());
    std::atomic<bool> stop{false};
    std::atomic<long> largestDone{0};
    std::atomic<long> largestErrors{0};
    std::thread heavy([&] {
        httplib::Client client(nginx.url());
        client.set_read_timeout(120, 0);
        while (!stop) {
            const auto result =
                client.Put("/updates/find", {{"Authorization", "Bearer " + session.token}},
                           largestBody, "application/json");
            (result && result->status == 200 ? largestDone : largestErrors)++;
        }
    });
    const std::string one =
        servicetesting::zlibStream(json{{"devices", {generatedDevice(1, parts)}}}.dump());
    httplib::Client light(nginx.url());
    std::vector<double> oneDevice;
    long lightErrors = 0;
    const auto until = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < until) {
        const auto before = Clock::now();
        const auto result =
            light.Put("/updates/find", {{"Authorization", "Bearer " + session.token}}, one,
                      "application/json");
        if (result && result->status == 200) {
            oneDevice.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - before).count());
        } else {
            ++lightErrors;
        }
    }
    stop = true;
    heavy.join();
    const double searchP99 = percentile(oneDevice, 0.99);
    std::printf(
        "one-device search beside the largest search: p50 %.2f ms, p99 %.2f ms over %zu; "
        "largest searches answered %ld, errors %ld\n",
        percentile(oneDevice, 0.5), searchP99, oneDevice.size(), largestDone.load(),
        largestErrors.load() + lightErrors);
    errors += largestErrors + lightErrors;

    nginx.stop();
    first.stop();
    second.stop();
    std::printf(
        "service load: sqlite %.0f req/s, 2 x postgresql %.0f req/s at 64 connections; "
        "search p99 %.1f ms; errors %ld\n",
        sqliteRate, postgresRate, searchP99, errors);
    return 0;
}

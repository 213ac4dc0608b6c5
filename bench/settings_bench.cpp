// Authorised settings requests per second and median latency against quillon-service on
// loopback, with 1 and 8 client threads.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "servicerunner.h"
#include "servicetesting.h"

namespace {

struct Figures {
    double perSecond = 0;
    double medianMs = 0;
    std::size_t failures = 0;
};

Figures measure(const std::string& url, const std::string& token, int threads, double seconds) {
    std::vector<std::vector<double>> latencies(static_cast<std::size_t>(threads));
    std::atomic<std::size_t> failures{0};
    const auto start = std::chrono::steady_clock::now();
    const auto end = start + std::chrono::duration<double>(seconds);
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            httplib::Client client(url);
            client.set_keep_alive(true);
            client.set_tcp_nodelay(true);
            auto& mine = latencies[static_cast<std::size_t>(t)];
            while (std::chrono::steady_clock::now() < end) {
                const auto before = std::chrono::steady_clock::now();
                const httplib::Result result = servicetesting::getSettings(client, token);
                const auto after = std::chrono::steady_clock::now();
                if (!result || result->status != 200) {
                    ++failures;
                    continue;
                }
                mine.push_back(std::chrono::duration<double, std::milli>(after - before).count());
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::vector<double> all;
    for (const auto& mine : latencies) {
        all.insert(all.end(), mine.begin(), mine.end());
    }
    Figures figures;
    figures.failures = failures;
    if (!all.empty()) {
        std::nth_element(all.begin(), all.begin() + all.size() / 2, all.end());
        figures.medianMs = all[all.size() / 2];
        figures.perSecond = static_cast<double>(all.size()) / elapsed;
    }
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    setenv("QLN_SERVICE", QLN_SERVICE_DEFAULT, 0);
    const std::string dir = ServiceRunner::makeTempDir("settings-bench");
    const std::string config = dir + "/config.json";
    // Access logging to a file keeps the figures about the service, not the terminal.
    ServiceRunner::writeFile(config, R"({"access_log": "access.log"})");
    ServiceRunner service;
    if (!service.start(dir + "/data", {"--config", config})) {
        std::fprintf(stderr, "cannot start the service: %s\n", service.error().c_str());
        return 1;
    }
    httplib::Client client(service.url());
    const std::string token = servicetesting::authorise(client);
    if (token.empty()) {
        std::fprintf(stderr, "authorisation failed\n");
        return 1;
    }
    std::printf("GET /app/settings on %s, %.1f s per run, keep-alive connections\n",
                service.url().c_str(), seconds);
    for (const int threads : {1, 8}) {
        const Figures figures = measure(service.url(), token, threads, seconds);
        std::printf("%d client thread%s: %.0f requests/s, median latency %.3f ms, %zu failed\n",
                    threads, threads == 1 ? " " : "s", figures.perSecond, figures.medianMs,
                    figures.failures);
    }
    return service.stop() == 0 ? 0 : 1;
}

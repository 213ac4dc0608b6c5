// The driver catalogue: index build rate, and the latency of "updates_find" over loopback for
// the sample PC against the sample catalogue and for 150 devices against 100,000 INFs.
//
//     catalog_bench [INFS]      (default 100000)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <time.h>

#include "catalog.h"
#include "generatedcatalog.h"
#include "indexer.h"
#include "servicerunner.h"
#include "servicestore.h"
#include "servicetesting.h"
#include "zipfiles.h"

using nlohmann::json;

namespace {

using namespace generated;

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

json samplePcDevices() {
    std::ifstream in(std::string(QLN_SOURCE_DIR) + "/data/machines/sample-pc/machine.json");
    const json machine = json::parse(in, nullptr, false);
    json devices = json::array();
    if (!machine.is_object()) {
        return devices;
    }
    for (const json& d : machine["devices"]) {
        if (!d.value("present", true) || d.value("classGuid", "").empty()) {
            continue;
        }
        json hids = json::array();
        for (const json& id : d.value("hardwareIds", json::array())) {
            hids.push_back(hid(id.get<std::string>(), false));
        }
        for (const json& id : d.value("compatibleIds", json::array())) {
            hids.push_back(hid(id.get<std::string>(), true));
        }
        json item = {{"manufacturer", d.value("manufacturer", "")},
                     {"description", d.value("description", "")},
                     {"connected", true},
                     {"lowerlogoversion", ""},
                     {"class", {{"name", d.value("className", "")}, {"guid", d["classGuid"]}}},
                     {"hids", hids}};
        if (d.contains("driver") && d["driver"].is_object()) {
            const json& driver = d["driver"];
            item["driver"] = {{"provider", driver.value("provider", "")},
                              {"version", driver.value("version", "")},
                              {"date", driver.value("date", "")},
                              {"type", driver.value("driverType", 0)},
                              {"rank", driver.value("rank", 0)}};
        }
        devices.push_back(item);
    }
    return devices;
}

bool index(const std::string& data, const std::string& packages, double& elapsed,
           Service::Indexer::Summary& summary) {
    Service::ServiceStore store;
    Service::Indexer indexer(store);
    std::string error;
    const auto start = Clock::now();
    const bool ok =
        store.open(data + "/service.db", error) &&
        indexer.run(
            packages, summary,
            [](const std::string& line) { std::fprintf(stderr, "  %s\n", line.c_str()); }, error);
    elapsed = seconds(start);
    if (!ok) {
        std::fprintf(stderr, "catalog_bench: %s\n", error.c_str());
    }
    return ok;
}

void searchLatency(const std::string& label, const std::string& data, const json& devices,
                   int rounds) {
    ServiceRunner service;
    if (!service.start(data, {}, data + ".log")) {
        std::fprintf(stderr, "catalog_bench: %s\n", service.error().c_str());
        return;
    }
    httplib::Client client(service.url());
    client.set_keep_alive(true);
    client.set_tcp_nodelay(true);
    const std::string token = servicetesting::authorise(client);
    const std::string body = servicetesting::zlibStream(json{{"devices", devices}}.dump());
    std::vector<double> latencies;
    std::size_t offers = 0;
    for (int round = 0; round < rounds; ++round) {
        const auto before = Clock::now();
        const httplib::Result result = client.Put(
            "/updates/find", {{"Authorization", "Bearer " + token}}, body, "application/json");
        latencies.push_back(seconds(before) * 1000.0);
        if (!result || result->status != 200) {
            std::fprintf(stderr, "catalog_bench: search failed\n");
            return;
        }
        if (round == 0) {
            const json answer = json::parse(result->body);
            for (const json& update : answer["updates"]) {
                offers += update["drivers"].size();
            }
        }
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("search, %s (%zu devices, %zu offers): median %.2f ms, p99 %.2f ms over %d\n",
                label.c_str(), devices.size(), offers, latencies[latencies.size() / 2],
                latencies[std::min(latencies.size() - 1, latencies.size() * 99 / 100)], rounds);
    std::fflush(stdout);
}

// The catalogue alone, without HTTP, JSON or zlib: thread CPU time, which the load of other
// processes on the machine does not inflate.
void catalogueCost(const std::string& label, const std::string& data, const json& devices,
                   int rounds) {
    Service::ServiceStore store;
    Service::Catalog catalog(store);
    Service::CatalogRequest request;
    std::string error;
    int status = 0;
    if (!store.open(data + "/service.db", error) || !catalog.open(error) ||
        !request.parse(json{{"devices", devices}}, status, error)) {
        std::fprintf(stderr, "catalog_bench: %s\n", error.c_str());
        return;
    }
    const auto platform = Service::CatalogRanking::Platform::from("x64", "10.0");
    std::vector<double> cpu;
    for (int round = 0; round < rounds; ++round) {
        timespec before{};
        timespec after{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &before);
        std::vector<Service::Catalog::DeviceOffers> result;
        std::size_t matches = 0;
        if (catalog.find(request.devices, platform, result, matches, error) !=
            Service::Catalog::Found::Ok) {
            std::fprintf(stderr, "catalog_bench: %s\n", error.c_str());
            return;
        }
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &after);
        cpu.push_back((after.tv_sec - before.tv_sec) * 1e3 +
                      (after.tv_nsec - before.tv_nsec) / 1e6);
    }
    std::sort(cpu.begin(), cpu.end());
    std::printf("catalogue alone, %s: median %.2f ms, p99 %.2f ms CPU\n", label.c_str(),
                cpu[cpu.size() / 2], cpu[std::min(cpu.size() - 1, cpu.size() * 99 / 100)]);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t infs = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    if (std::getenv("QLN_SERVICE") == nullptr) {
        setenv("QLN_SERVICE", QLN_SERVICE_DEFAULT, 1);
    }
    const std::string work = ServiceRunner::makeTempDir("catalog-bench");
    if (work.empty() || infs == 0) {
        std::fprintf(stderr, "usage: catalog_bench [INFS]\n");
        return 2;
    }

    // The sample PC against the catalogue scripts/run.sh serves.
    const std::string sample = work + "/sample";
    const std::string command = "python3 '" + std::string(QLN_SOURCE_DIR) +
                                "/scripts/make-sample-catalog.py' --out '" + sample +
                                "/packages' >/dev/null";
    Service::Indexer::Summary summary;
    double elapsed = 0;
    std::filesystem::create_directories(sample + "/data");
    if (std::system(command.c_str()) != 0 ||
        !index(sample + "/data", sample + "/packages", elapsed, summary)) {
        return 1;
    }
    const json pc = samplePcDevices();
    searchLatency(
        "sample PC against the sample catalogue of " + std::to_string(summary.infs) + " INFs",
        sample + "/data", pc, 200);

    // A large catalogue: 100 INFs a package, each about as big as a real single-device INF.
    const std::string large = work + "/large";
    std::filesystem::create_directories(large + "/packages");
    std::filesystem::create_directories(large + "/data");
    const std::size_t parts = std::max<std::size_t>(infs / 5, 1);
    auto start = Clock::now();
    for (std::size_t first = 0; first < infs; first += 100) {
        std::vector<zipfiles::File> files;
        for (std::size_t index = first; index < std::min(infs, first + 100); ++index) {
            files.push_back(
                {"drv" + std::to_string(index) + "/drv.inf", generatedInf(index, parts)});
            files.push_back({"drv" + std::to_string(index) + "/drv.cat", "catalogue"});
        }
        if (!zipfiles::write(large + "/packages/p" + std::to_string(first / 100) + ".zip", files)) {
            std::fprintf(stderr, "catalog_bench: cannot write packages in %s\n", large.c_str());
            return 1;
        }
    }
    std::fprintf(stderr, "  generated %zu INFs in %.1f s\n", infs, seconds(start));
    if (!index(large + "/data", large + "/packages", elapsed, summary)) {
        return 1;
    }
    std::printf("index build: %zu INFs (%zu packages, %zu ids) in %.1f s: %.0f INFs per second\n",
                summary.infs, summary.packages, summary.ids, elapsed,
                static_cast<double>(summary.infs) / elapsed);
    std::fflush(stdout);

    json devices = json::array();
    for (std::size_t k = 0; k < 150; ++k) {
        devices.push_back(generatedDevice(k, parts));
    }
    searchLatency("150 devices against " + std::to_string(summary.infs) + " INFs", large + "/data",
                  devices, 200);
    catalogueCost("150 devices against " + std::to_string(summary.infs) + " INFs", large + "/data",
                  devices, 100);
    searchLatency("sample PC against " + std::to_string(summary.infs) + " INFs", large + "/data",
                  pc, 100);
    std::filesystem::remove_all(work);
    return 0;
}

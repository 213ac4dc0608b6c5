#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "database.h"
#include "driverservice.h"
#include "indexer.h"
#include "packagepublisher.h"
#include "servicestore.h"

namespace {

const char kUsage[] =
    "usage: quillon-service --data DIR --listen HOST:PORT [--tls-cert FILE --tls-key FILE]\n"
    "                       [--config FILE] [--store postgresql://...] [--token-key FILE]\n"
    "                       [--test-hooks]\n"
    "       quillon-service index --data DIR --packages FOLDER [--store postgresql://...]\n"
    "       quillon-service report --data DIR [--store postgresql://...]\n";

bool validStore(const std::string& store) {
    if (Service::Database::isPostgresql(store)) {
        return true;
    }
    std::fprintf(stderr, "quillon-service: --store wants a postgresql:// URL\n%s", kUsage);
    return false;
}

int runIndex(int argc, char** argv) {
    std::string data;
    std::string packages;
    std::string store;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 < argc && arg == "--data") {
            data = argv[++i];
        } else if (i + 1 < argc && arg == "--packages") {
            packages = argv[++i];
        } else if (i + 1 < argc && arg == "--store") {
            store = argv[++i];
            if (!validStore(store)) {
                return 2;
            }
        } else {
            std::fprintf(stderr, "quillon-service index: unknown or incomplete option %s\n%s",
                         arg.c_str(), kUsage);
            return 2;
        }
    }
    if (data.empty() || packages.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (::mkdir(data.c_str(), 0700) != 0 && errno != EEXIST) {
        std::fprintf(stderr, "quillon-service index: cannot create %s: %s\n", data.c_str(),
                     std::strerror(errno));
        return 1;
    }
    Service::ServiceStore serviceStore;
    Service::Indexer indexer(serviceStore);
    Service::Indexer::Summary summary;
    std::string error;
    const auto report = [](const std::string& line) {
        std::fprintf(stderr, "quillon-service index: %s\n", line.c_str());
    };
    if (!serviceStore.open(store.empty() ? data + "/service.db" : store, error) ||
        !indexer.run(packages, summary, report, error)) {
        std::fprintf(stderr, "quillon-service index: %s\n", error.c_str());
        return 1;
    }
    // Every offer names its package's download URL; the file hosting serves it from here.
    Service::PackagePublisher::Summary published;
    if (!Service::PackagePublisher::publishAll(serviceStore, data + "/files", published, report,
                                               error)) {
        std::fprintf(stderr, "quillon-service index: %s\n", error.c_str());
        return 1;
    }
    std::printf("indexed %zu packages, %zu INFs, %zu ids; %zu skipped, %zu removed\n",
                summary.packages, summary.infs, summary.ids, summary.skipped, summary.removed);
    return published.failed == 0 ? 0 : 1;
}

std::string describeCodes(const Service::ServiceStore::DriverSummary& driver) {
    std::string text;
    for (const auto& code : driver.topCodes) {
        char line[96];
        std::snprintf(line, sizeof(line), "%s%lld/0x%08llx x%lld", text.empty() ? "" : ", ",
                      static_cast<long long>(code.errorCode),
                      static_cast<unsigned long long>(code.systemErrorCode),
                      static_cast<long long>(code.count));
        text += line;
    }
    return text.empty() ? "-" : text;
}

int runReport(int argc, char** argv) {
    std::string data;
    std::string store;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 < argc && arg == "--data") {
            data = argv[++i];
        } else if (i + 1 < argc && arg == "--store") {
            store = argv[++i];
            if (!validStore(store)) {
                return 2;
            }
        } else {
            std::fprintf(stderr, "quillon-service report: unknown or incomplete option %s\n%s",
                         arg.c_str(), kUsage);
            return 2;
        }
    }
    if (data.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::vector<Service::ServiceStore::DriverSummary> drivers;
    Service::ServiceStore serviceStore;
    std::string error;
    if (!serviceStore.open(store.empty() ? data + "/service.db" : store, error) ||
        !serviceStore.summariseInstallReports(drivers, error)) {
        std::fprintf(stderr, "quillon-service report: %s\n", error.c_str());
        return 1;
    }
    Service::ServiceStore::UploadTotals uploads;
    if (!serviceStore.uploadTotals(uploads, error)) {
        std::fprintf(stderr, "quillon-service report: %s\n", error.c_str());
        return 1;
    }
    const bool anyUploads = uploads.archives > 0 || uploads.holdings > 0;
    if (!drivers.empty() || !anyUploads) {
        // Tab-separated, so that it can be sorted and cut further.
        std::printf("driver\tinf\tinstalls\tfailures\tmost frequent errors (code/system xN)\n");
        for (const auto& driver : drivers) {
            std::printf("%s\t%s\t%lld\t%lld\t%s\n", driver.infSha1.c_str(),
                        driver.infPath.empty() ? "-" : driver.infPath.c_str(),
                        static_cast<long long>(driver.installs),
                        static_cast<long long>(driver.failures), describeCodes(driver).c_str());
        }
    }
    if (anyUploads) {
        std::printf("uploads: %lld archives, %lld bytes; %lld installations hold %lld\n",
                    static_cast<long long>(uploads.archives), static_cast<long long>(uploads.bytes),
                    static_cast<long long>(uploads.installations),
                    static_cast<long long>(uploads.holdings));
    }
    return 0;
}

bool parseListen(const std::string& text, std::string& host, int& port) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == text.size()) {
        return false;
    }
    host = text.substr(0, colon);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
        host = host.substr(1, host.size() - 2);
    }
    const std::string digits = text.substr(colon + 1);
    if (digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    port = std::atoi(digits.c_str());
    return port <= 65535;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "index") == 0) {
        return runIndex(argc, argv);
    }
    if (argc > 1 && std::strcmp(argv[1], "report") == 0) {
        return runReport(argc, argv);
    }
    Service::DriverService::Options options;
    bool haveListen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--test-hooks") {
            options.testHooks = true;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (!hasValue) {
            std::fprintf(stderr, "quillon-service: unknown or incomplete option %s\n%s",
                         arg.c_str(), kUsage);
            return 2;
        } else if (arg == "--data") {
            options.dataDir = argv[++i];
        } else if (arg == "--listen") {
            haveListen = parseListen(argv[++i], options.host, options.port);
            if (!haveListen) {
                std::fprintf(stderr, "quillon-service: --listen wants HOST:PORT, got %s\n",
                             argv[i]);
                return 2;
            }
        } else if (arg == "--tls-cert") {
            options.tlsCert = argv[++i];
        } else if (arg == "--tls-key") {
            options.tlsKey = argv[++i];
        } else if (arg == "--config") {
            options.configPath = argv[++i];
        } else if (arg == "--token-key") {
            options.tokenKey = argv[++i];
        } else if (arg == "--store") {
            options.store = argv[++i];
            if (!validStore(options.store)) {
                return 2;
            }
        } else {
            std::fprintf(stderr, "quillon-service: unknown option %s\n%s", arg.c_str(), kUsage);
            return 2;
        }
    }
    if (options.dataDir.empty() || !haveListen) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    // Every thread inherits this mask, so the termination signals reach only sigwait below.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    Service::DriverService service;
    std::string error;
    if (!service.start(options, error)) {
        std::fprintf(stderr, "quillon-service: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", service.baseUrl().c_str());
    std::fflush(stdout);

    std::promise<bool> served;
    std::future<bool> finished = served.get_future();
    std::thread server([&] {
        served.set_value(service.run());
        kill(getpid(), SIGUSR1);
    });
    int received = 0;
    sigwait(&signals, &received);
    service.stop();
    // A peer in the middle of a slow body would hold its worker until the read time-out;
    // the data is safe once the store is closed, so the wait for workers is bounded.
    if (finished.wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
        service.closeStore();
        std::fprintf(stderr, "quillon-service: stopped with connections still open\n");
        std::fflush(stderr);
        _exit(0);
    }
    server.join();
    if (received == SIGUSR1 && !finished.get()) {
        std::fprintf(stderr, "quillon-service: the server stopped unexpectedly\n");
        return 1;
    }
    service.closeStore();
    std::fprintf(stderr, "quillon-service: stopped\n");
    return 0;
}

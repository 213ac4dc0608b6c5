// How fast the INF reader reads what the driver catalogue will index: the real-world corpus
// beside the repository (when it is there) and a generated INF of many sections, many models
// and a large string table. Each file is read, its models listed and its DriverVer substituted.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "formats/inffile.h"

using formats::inf::InfFile;

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The machine is shared: CPU time beside wall time tells load from slowness.
double cpuSecondsSince(std::clock_t start) {
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

// What the catalogue asks of every INF; returns how many sections it has.
size_t index(const InfFile& file, size_t& models) {
    models += file.models().size();
    file.driverVer();
    return file.sections().size();
}

// A quarter models, a quarter strings they name, the rest install sections: every model line
// substitutes its description and every install section name is new.
std::string generated(int sections) {
    const int models = sections / 4;
    std::string text =
        "[Version]\nSignature=\"$WINDOWS NT$\"\nProvider=%Vendor%\n"
        "DriverVer=01/01/2025,1.0.0.0\n[Manufacturer]\n%Vendor%=Models,NTamd64\n"
        "[Models.NTamd64]\n";
    for (int i = 0; i < models; ++i) {
        const std::string n = std::to_string(i);
        text += "%Device" + n + "%=Install" + n + ",PCI\\VEN_8086&DEV_" + n + "\n";
    }
    for (int i = 4; i < sections; ++i) {
        text += "[Install" + std::to_string(i) + "]\nCopyFiles=Files" + std::to_string(i) + "\n";
    }
    text += "[Strings]\nVendor=\"Bench\"\n";
    for (int i = 0; i < models; ++i) {
        text += "Device" + std::to_string(i) + "=\"Bench device " + std::to_string(i) + "\"\n";
    }
    return text;
}

// The files the corpus lists in EXPECTED.tsv: INFs and the templates (.inx) they are made from.
void corpus(const std::string& folder) {
    std::vector<std::string> paths;
    std::ifstream list(folder + "/EXPECTED.tsv");
    std::string line;
    std::getline(list, line);
    while (std::getline(list, line)) {
        const size_t tab = line.find('\t');
        if (tab != std::string::npos && tab > 0) {
            paths.push_back(folder + "/" + line.substr(0, tab));
        }
    }
    if (paths.empty()) {
        std::printf("INF corpus: none at %s\n", folder.c_str());
        return;
    }
    constexpr int kRounds = 20;
    size_t sections = 0;
    size_t models = 0;
    int failed = 0;
    const auto start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    for (int round = 0; round < kRounds; ++round) {
        for (const std::string& path : paths) {
            InfFile file;
            std::string error;
            if (!file.load(path, error)) {
                ++failed;
                continue;
            }
            sections += index(file, models);
        }
    }
    const double seconds = secondsSince(start);
    std::printf("INF corpus: %zu files x %d, %.3f s (CPU %.3f s), %.0f INFs/s, %.0f sections/s%s\n",
                paths.size(), kRounds, seconds, cpuSecondsSince(cpuStart),
                paths.size() * kRounds / seconds, sections / seconds,
                failed ? " (some failed to load)" : "");
}

void large(int sectionCount) {
    const std::string text = generated(sectionCount);
    InfFile file;
    std::string error;
    const auto start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    if (!file.parse(text, error)) {
        std::printf("generated INF not read: %s\n", error.c_str());
        return;
    }
    const double parsed = secondsSince(start);
    size_t models = 0;
    const size_t sections = index(file, models);
    const double seconds = secondsSince(start);
    std::printf(
        "Generated INF: %zu sections, %zu models, %.1f MB: read %.3f s, with models %.3f s "
        "(CPU %.3f s), %.0f sections/s\n",
        sections, models, text.size() / 1e6, parsed, seconds, cpuSecondsSince(cpuStart),
        sections / seconds);
}

}  // namespace

// Arguments: [corpus folder] [section count of the generated INF].
int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    corpus(argc > 1 ? argv[1] : QLN_INF_CORPUS);
    large(argc > 2 ? std::atoi(argv[2]) : 100000);
    return 0;
}

// How fast Installer finds a package's INF: a folder of 2,000 files, half of them
// INF candidates, searched for a SHA-1 that none has (every candidate is hashed).
// Where they are installed, sha1sum and openssl hash the same candidates in the same run; each
// figure is the best of several rounds, since the machine is shared.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/infsearch.h"
#include "platform/process.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRounds = 7;

double bestSeconds(const std::function<bool()>& work) {
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        if (!work()) {
            return 0;
        }
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// The reference tools read the candidates named on their command line.
double toolSeconds(const fs::path& folder, const char* tool) {
#ifdef _WIN32
    (void)folder;
    (void)tool;
    return 0;
#else
    const std::string probe = std::string(tool) + " </dev/null >/dev/null 2>&1";
    if (std::system(probe.c_str()) != 0) {
        return 0;
    }
    const std::string command =
        "cd '" + folder.u8string() + "' && " + tool + " pkg*/*.inf >/dev/null";
    return bestSeconds([&] { return std::system(command.c_str()) == 0; });
#endif
}

void compare(const char* tool, double seconds, double oursSeconds) {
    if (seconds > 0) {
        std::printf("  %-16s %.3f s: search runs at %.2f x its speed\n", tool, seconds,
                    seconds / oursSeconds);
    } else {
        std::printf("  %-16s not available\n", tool);
    }
}

}  // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const fs::path folder = fs::temp_directory_path() /
                            ("qln-infsearch-bench-" + std::to_string(platform::currentProcessId()));
    fs::remove_all(folder);
    std::uintmax_t candidateBytes = 0;
    for (int i = 0; i < 2000; ++i) {
        const fs::path sub = folder / ("pkg" + std::to_string(i / 100));
        fs::create_directories(sub);
        const bool inf = i % 2 == 0;
        const std::string name = "file" + std::to_string(i) + (inf ? ".inf" : ".sys");
        // Sizes from 4 KiB to about 64 KiB, like real INFs and small binaries.
        const std::string body(4096 + (i * 7919) % 61440, static_cast<char>('a' + i % 26));
        std::ofstream(sub / name, std::ios::binary) << "[Version]\n; " << i << "\n" << body;
        if (inf) {
            candidateBytes += fs::file_size(sub / name);
        }
    }
    bool matched = false;
    const double seconds = bestSeconds([&] {
        matched =
            !platform::findInfBySha1(folder.u8string(), "0000000000000000000000000000000000000000")
                 .empty();
        return true;
    });
    std::printf("INF search: 2000 files, %.1f MB in candidates, %.3f s, %.1f MB/s hashed%s\n",
                candidateBytes / 1e6, seconds, candidateBytes / 1e6 / seconds,
                matched ? " (unexpected match)" : "");
    compare("sha1sum", toolSeconds(folder, "sha1sum"), seconds);
    compare("openssl dgst", toolSeconds(folder, "openssl dgst -sha1"), seconds);
    fs::remove_all(folder);
    return 0;
}

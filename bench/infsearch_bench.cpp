// How fast Installer finds a package's INF: a folder of 2,000 files, half of them
// INF candidates, searched for a SHA-1 that none has (every candidate is hashed).
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/infsearch.h"
#include "platform/process.h"

namespace fs = std::filesystem;

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
    const auto start = std::chrono::steady_clock::now();
    const std::string found =
        platform::findInfBySha1(folder.u8string(), "0000000000000000000000000000000000000000");
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("INF search: 2000 files, %.1f MB in candidates, %.3f s, %.1f MB/s hashed%s\n",
                candidateBytes / 1e6, seconds, candidateBytes / 1e6 / seconds,
                found.empty() ? "" : " (unexpected match)");
    fs::remove_all(folder);
    return 0;
}

// What the archive benchmarks share: a timed child process, so that every tool compared is
// timed the same way and each peak memory is its own, and driver-like file contents.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace benchchild {

constexpr std::uint64_t kMiB = 1024 * 1024;

struct Run {
    double seconds = 0;
    long peakKiB = 0;
    bool ok = false;
};

inline Run runChild(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[0], argv.data());
        _exit(127);
    }
    Run run;
    int status = 0;
    rusage usage{};
    if (child > 0 && wait4(child, &status, 0, &usage) == child) {
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        run.peakKiB = usage.ru_maxrss;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

// INF and text: lines of ids, sections and words, about as compressible as real ones.
inline std::string textBlock(std::mt19937_64& random, std::size_t size) {
    static const char* words[] = {"Install", "Device",     "Service",  "Driver",   "Network",
                                  "Adapter", "Controller", "Wireless", "Ethernet", "Audio",
                                  "USB",     "Hub",        "Version",  "Provider", "Manufacturer",
                                  "Copy",    "Files",      "Reg"};
    std::string text;
    text.reserve(size + 128);
    char line[160];
    while (text.size() < size) {
        const unsigned kind = random() % 4;
        if (kind == 0) {
            std::snprintf(
                line, sizeof line, "%%DeviceDesc%u%%=%s_%s, PCI\\VEN_%04X&DEV_%04X&SUBSYS_%08X\r\n",
                unsigned(random() % 500), words[random() % 18], words[random() % 18],
                unsigned(0x8086 + random() % 40), unsigned(random() % 0x10000), unsigned(random()));
        } else if (kind == 1) {
            std::snprintf(line, sizeof line, "[%s.%s.NT%s]\r\nAddReg=%s.AddReg\r\n",
                          words[random() % 18], words[random() % 18],
                          random() % 2 ? "amd64" : "x86", words[random() % 18]);
        } else {
            std::snprintf(line, sizeof line, "%s%u = \"%s %s %s %u.%u\"\r\n", words[random() % 18],
                          unsigned(random() % 1000), words[random() % 18], words[random() % 18],
                          words[random() % 18], unsigned(random() % 30), unsigned(random() % 100));
        }
        text += line;
    }
    text.resize(size);
    return text;
}

// `size` bytes of text, or of random bytes as compiled code and catalogues have them.
inline void writeFile(const std::filesystem::path& path, std::mt19937_64& random,
                      std::uint64_t size, bool text, const std::string& head = {}) {
    std::ofstream out(path, std::ios::binary);
    out << head;
    std::vector<std::uint64_t> words(kMiB / 8);
    for (std::uint64_t left = size > head.size() ? size - head.size() : 0; left > 0;) {
        const std::size_t chunk = static_cast<std::size_t>(std::min<std::uint64_t>(left, kMiB));
        if (text) {
            out << textBlock(random, chunk);
        } else {
            for (std::uint64_t& word : words) {
                word = random();
            }
            out.write(reinterpret_cast<const char*>(words.data()), static_cast<long>(chunk));
        }
        left -= chunk;
    }
}

struct Best {
    double seconds = 1e30;
    long peakKiB = 0;
    bool ok = true;
};

// `rounds` runs, each after prepare(); the best time counts, as the machine is shared. Prints
// each run's MB/s of `bytes`, or its seconds when `bytes` is 0.
template <typename Prepare>
Best bestOf(int rounds, const char* label, const std::vector<std::string>& command, Prepare prepare,
            std::uint64_t bytes) {
    Best best;
    std::printf("%-22s", label);
    for (int round = 0; round < rounds; ++round) {
        prepare();
        const Run run = runChild(command);
        best.ok = best.ok && run.ok;
        best.seconds = std::min(best.seconds, run.seconds);
        best.peakKiB = std::max(best.peakKiB, run.peakKiB);
        if (bytes > 0) {
            std::printf(" %7.1f MB/s", bytes / run.seconds / 1e6);
        } else {
            std::printf(" %7.2f s", run.seconds);
        }
    }
    std::printf("   peak RSS %ld MiB%s\n", best.peakKiB / 1024, best.ok ? "" : "  FAILED");
    std::fflush(stdout);
    return best;
}

inline std::uint64_t treeBytes(const std::filesystem::path& root) {
    std::uint64_t bytes = 0;
    for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
        if (item.is_regular_file()) {
            bytes += item.file_size();
        }
    }
    return bytes;
}

}  // namespace benchchild

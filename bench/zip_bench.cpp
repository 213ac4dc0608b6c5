// Packing and extracting a generated 200 MiB driver-like folder with the zip component,
// Info-ZIP (zip -6 / unzip) and Python's zipfile, three times each in the same run. Every run is
// a child process, so each is timed the same way and the component's peak memory is its own.
//
//   zip_bench [work folder]            the comparison (default: a folder under $TMPDIR)
//   zip_bench pack FOLDER ARCHIVE      one pack by the component
//   zip_bench extract ARCHIVE TARGET   one extraction by the component
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "formats/zip.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kMiB = 1024 * 1024;

struct Run {
    double seconds = 0;
    long peakKiB = 0;
    bool ok = false;
};

Run runChild(const std::vector<std::string>& arguments) {
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
std::string textBlock(std::mt19937_64& random, std::size_t size) {
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

void writeFile(const fs::path& path, std::mt19937_64& random, std::uint64_t size, bool text) {
    std::ofstream out(path, std::ios::binary);
    std::vector<std::uint64_t> words(kMiB / 8);
    for (std::uint64_t left = size; left > 0;) {
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

// 200 MiB: 70 % incompressible (SYS, DLL, CAT), 30 % INF and text; about 1,000 files of a
// few KiB to a few hundred KiB in 60 packages, and four large files of 12 to 24 MiB.
std::uint64_t makeFolder(const fs::path& root) {
    std::mt19937_64 random(2024);
    std::uint64_t total = 0;
    auto add = [&](const fs::path& path, std::uint64_t size, bool text) {
        fs::create_directories(path.parent_path());
        writeFile(path, random, size, text);
        total += size;
    };
    add(root / "nvidia" / "nvlddmkm.sys", 24 * kMiB, false);
    add(root / "nvidia" / "nvwgf2umx.dll", 16 * kMiB, false);
    add(root / "realtek" / "RTKVHD64.sys", 12 * kMiB, false);
    add(root / "intel" / "setup.log", 12 * kMiB, true);
    const std::uint64_t randomLeft = 140 * kMiB - 52 * kMiB;
    const std::uint64_t textLeft = 60 * kMiB - 12 * kMiB;
    std::uint64_t randomDone = 0;
    std::uint64_t textDone = 0;
    for (int package = 0; randomDone < randomLeft || textDone < textLeft; ++package) {
        const fs::path folder = root / ("pkg" + std::to_string(package)) / "amd64";
        for (int file = 0; file < 28; ++file) {
            const bool text = file % 3 == 0;
            std::uint64_t& done = text ? textDone : randomDone;
            const std::uint64_t left = (text ? textLeft : randomLeft) - done;
            if (left == 0) {
                continue;
            }
            const std::uint64_t size =
                std::min<std::uint64_t>(left, 2048 + random() % (300 * 1024));
            const char* suffix = text ? (file % 2 ? ".inf" : ".txt") : (file % 2 ? ".sys" : ".dll");
            add(folder / (std::string(text ? "part" : "bin") + std::to_string(file) + suffix), size,
                text);
            done += size;
        }
    }
    return total;
}

std::uint64_t treeBytes(const fs::path& root) {
    std::uint64_t bytes = 0;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        if (item.is_regular_file()) {
            bytes += item.file_size();
        }
    }
    return bytes;
}

struct Best {
    double seconds = 1e30;
    long peakKiB = 0;
    bool ok = true;
};

// Three runs, each after prepare(); the best time counts, as the machine is shared.
template <typename Prepare>
Best threeRuns(const char* label, const std::vector<std::string>& command, Prepare prepare,
               std::uint64_t bytes) {
    Best best;
    std::printf("%-22s", label);
    for (int round = 0; round < 3; ++round) {
        prepare();
        const Run run = runChild(command);
        best.ok = best.ok && run.ok;
        best.seconds = std::min(best.seconds, run.seconds);
        best.peakKiB = std::max(best.peakKiB, run.peakKiB);
        std::printf(" %7.1f MB/s", bytes / run.seconds / 1e6);
    }
    std::printf("   peak RSS %ld MiB%s\n", best.peakKiB / 1024, best.ok ? "" : "  FAILED");
    return best;
}

int packOnce(const std::string& folder, const std::string& archive) {
    formats::ZipWriter writer;
    std::string error;
    if (!writer.open(archive, error) || !writer.addFolder(folder, "", {}, error) ||
        !writer.commit(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}

int extractOnce(const std::string& archive, const std::string& target) {
    std::string error;
    if (!formats::extractZip(archive, target, {}, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "pack") {
        return packOnce(argv[2], argv[3]);
    }
    if (argc == 4 && std::string(argv[1]) == "extract") {
        return extractOnce(argv[2], argv[3]);
    }
    const fs::path work =
        argc > 1 ? fs::path(argv[1])
                 : fs::temp_directory_path() / ("zip-bench-" + std::to_string(getpid()));
    fs::remove_all(work);
    const fs::path folder = work / "driver-folder";
    const std::uint64_t bytes = makeFolder(folder);
    std::printf("folder: %.1f MiB in %zu files\n", bytes / double(kMiB),
                static_cast<std::size_t>(std::distance(fs::recursive_directory_iterator(folder),
                                                       fs::recursive_directory_iterator())));
    const std::string self = fs::canonical("/proc/self/exe").string();
    const std::string ours = (work / "ours.zip").string();
    const std::string infozip = (work / "infozip.zip").string();
    const std::string python = (work / "python.zip").string();
    const std::string out = (work / "out").string();
    auto removing = [](const std::string& path) { return [path] { fs::remove_all(path); }; };
    const std::string packPython =
        "import os, sys, zipfile\n"
        "with zipfile.ZipFile(sys.argv[2], 'w', zipfile.ZIP_DEFLATED, compresslevel=6) as z:\n"
        "    for root, dirs, names in os.walk(sys.argv[1]):\n"
        "        for n in names:\n"
        "            p = os.path.join(root, n)\n"
        "            z.write(p, os.path.relpath(p, sys.argv[1]))\n";

    std::printf("pack (MB/s of folder bytes, three runs)\n");
    const Best packOurs =
        threeRuns("  component", {self, "pack", folder.string(), ours}, removing(ours), bytes);
    const Best packZip =
        threeRuns("  zip -6 -r -q",
                  {"sh", "-c", "cd \"$0\" && zip -6 -r -q \"$1\" .", folder.string(), infozip},
                  removing(infozip), bytes);
    const Best packPy =
        threeRuns("  python zipfile", {"python3", "-c", packPython, folder.string(), python},
                  removing(python), bytes);

    std::printf("extract (the component's archive)\n");
    const Best extractOurs =
        threeRuns("  component", {self, "extract", ours, out}, removing(out), bytes);
    const bool complete = treeBytes(out) == bytes;
    const Best extractZip =
        threeRuns("  unzip -q", {"unzip", "-q", ours, "-d", out}, removing(out), bytes);
    const Best extractPy = threeRuns(
        "  python zipfile",
        {"python3", "-c",
         "import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])", ours, out},
        removing(out), bytes);

    std::printf("archive sizes: component %.1f MiB, zip %.1f MiB, python %.1f MiB\n",
                fs::file_size(ours) / double(kMiB), fs::file_size(infozip) / double(kMiB),
                fs::file_size(python) / double(kMiB));
    std::printf("vs python: pack %.2f, extract %.2f\n", packPy.seconds / packOurs.seconds,
                extractPy.seconds / extractOurs.seconds);
    fs::remove_all(work);
    const bool ok = packOurs.ok && packZip.ok && packPy.ok && extractOurs.ok && extractZip.ok &&
                    extractPy.ok && complete;
    if (!ok) {
        std::printf("a run failed or the extraction was incomplete\n");
    }
    const long peak = std::max(packOurs.peakKiB, extractOurs.peakKiB);
    std::printf("zip: pack/zip %.2f, extract/unzip %.2f; peak RSS %ld MiB\n",
                packZip.seconds / packOurs.seconds, extractZip.seconds / extractOurs.seconds,
                (peak + 1023) / 1024);
    return ok ? 0 : 1;
}

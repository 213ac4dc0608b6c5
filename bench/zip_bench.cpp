// Packing and extracting a generated 200 MiB driver-like folder with the zip component,
// Info-ZIP (zip -6 / unzip) and Python's zipfile, three times each in the same run. Every run is
// a child process, so each is timed the same way and the component's peak memory is its own.
//
//   zip_bench [folder]                 the comparison, in a folder of its own made inside
//                                      FOLDER (default: TMPDIR)
//   zip_bench pack FOLDER ARCHIVE      one pack by the component
//   zip_bench extract ARCHIVE TARGET   one extraction by the component
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "benchchild.h"
#include "formats/zip.h"

namespace fs = std::filesystem;

namespace {

using benchchild::Best;
using benchchild::kMiB;
using benchchild::treeBytes;
using benchchild::writeFile;

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
    // A folder of its own inside the one named: it is removed whole at the end.
    const fs::path work = (argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path()) /
                          ("zip-bench-" + std::to_string(getpid()));
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
    const Best packOurs = benchchild::bestOf(
        3, "  component", {self, "pack", folder.string(), ours}, removing(ours), bytes);
    const Best packZip = benchchild::bestOf(
        3, "  zip -6 -r -q",
        {"sh", "-c", "cd \"$0\" && zip -6 -r -q \"$1\" .", folder.string(), infozip},
        removing(infozip), bytes);
    const Best packPy = benchchild::bestOf(3, "  python zipfile",
                                           {"python3", "-c", packPython, folder.string(), python},
                                           removing(python), bytes);

    std::printf("extract (the component's archive)\n");
    const Best extractOurs =
        benchchild::bestOf(3, "  component", {self, "extract", ours, out}, removing(out), bytes);
    const bool complete = treeBytes(out) == bytes;
    const Best extractZip =
        benchchild::bestOf(3, "  unzip -q", {"unzip", "-q", ours, "-d", out}, removing(out), bytes);
    const Best extractPy = benchchild::bestOf(
        3, "  python zipfile",
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

// The zip component end to end: real folders packed, extracted and read back, archives of
// other tools, hostile archives, and writes and extractions stopped half-way.
#include "formats/zip.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "check.h"
#include "formats/safename.h"
#include "formats/zipreader.h"
#include "zipfiles.h"

namespace fs = std::filesystem;

namespace {

struct TempDir {
    std::string path;
    TempDir() {
        std::random_device random;
        path = (fs::temp_directory_path() / ("zip-test-" + std::to_string(random()))).u8string();
        fs::create_directories(fs::u8path(path));
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(fs::u8path(path), ignored);
    }
};

// Each case works in a fresh folder of its own.
std::string freshDir(const std::string& name) {
    static const TempDir root;
    const fs::path path = fs::u8path(root.path + "/" + name);
    fs::remove_all(path);
    fs::create_directories(path);
    return path.u8string();
}

std::string readAll(const std::string& path) {
    std::ifstream in(fs::u8path(path), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeAll(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::u8path(path).parent_path());
    std::ofstream(fs::u8path(path), std::ios::binary | std::ios::trunc) << bytes;
}

// Every regular file below folder with its contents, by '/' separated relative path.
std::map<std::string, std::string> tree(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& item : fs::recursive_directory_iterator(fs::u8path(folder))) {
        if (item.is_regular_file()) {
            files[item.path().lexically_relative(fs::u8path(folder)).generic_u8string()] =
                readAll(item.path().u8string());
        }
    }
    return files;
}

std::string noise(std::size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(generator());
    }
    return bytes;
}

// A driver folder: sub-folders, names in Cyrillic and CJK, an empty file, and files the
// predicate leaves out.
std::map<std::string, std::string> makeDriverFolder(const std::string& folder) {
    const std::map<std::string, std::string> files = {
        {"driver.inf", "[Version]\r\nSignature=\"$Windows NT$\"\r\nClass=Net\r\n"},
        {"driver.cat", noise(5000, 1)},
        {"x64/driver.sys", noise(300000, 2) + std::string(200000, 'A')},
        {"Драйвер/описание.txt", "Сетевой адаптер"},
        {"中文/驱动程序.dll", noise(70000, 3)},
        {"empty.txt", ""},
        {"x64/build.log", "left out"},
    };
    for (const auto& file : files) {
        writeAll(folder + "/" + file.first, file.second);
    }
    return files;
}

bool notLog(const std::string& relative) {
    return relative.size() < 4 || relative.compare(relative.size() - 4, 4, ".log") != 0;
}

bool pack(const std::string& folder, const std::string& prefix, const std::string& archive,
          std::string& error) {
    formats::ZipWriter writer;
    return writer.open(archive, error) && writer.addFolder(folder, prefix, notLog, error) &&
           writer.addEntry("info", "{\"drivers\":[]}", error) && writer.commit(error);
}

// The names directly in folder, sorted, joined by '|'.
std::string listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& item : fs::directory_iterator(fs::u8path(folder))) {
        names.push_back(item.path().filename().u8string());
    }
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string& name : names) {
        joined += (joined.empty() ? "" : "|") + name;
    }
    return joined;
}

}  // namespace

TEST_CASE("the one name rule") {
    struct Row {
        const char* name;
        bool relative;
        bool file;
    };
    const Row rows[] = {
        {"driver.inf", true, true},
        {"x64/driver.sys", true, false},
        {"x64\\driver.sys", true, false},
        {"Драйвер/中文.dll", true, false},
        {"..a", true, true},
        {"", false, false},
        {".", false, false},
        {"..", false, false},
        {"../evil", false, false},
        {"a/../../evil", false, false},
        {"..\\x", false, false},
        {"a/./b", false, false},
        {"a//b", false, false},
        {"/etc/passwd", false, false},
        {"\\evil", false, false},
        {"C:\\evil", false, false},
        {"c:evil", false, false},
        {"\\\\server\\share\\evil", false, false},
        {"//server/share/evil", false, false},
        {"file.inf:stream", false, false},
        {"a<b", false, false},
        {"a|b", false, false},
        {"tab\there", false, false},
        {"trailing.", false, false},
        {"trailing ", false, false},
        {"ok/.../evil", false, false},
        {"CON", false, false},
        {"nul.txt", false, false},
        {"x64/com1.sys", false, false},
        {"Lpt9", false, false},
        {"COM\xC2\xB9", false, false},
        {"console", true, true},
        {"com10", true, true},
        {"bad\xFF utf8", false, false},
        {"overlong\xC0\xAF", false, false},
    };
    for (const Row& row : rows) {
        std::printf("  row: %s\n", row.name);
        CHECK_EQ(formats::isSafeRelativeName(row.name), row.relative);
        CHECK_EQ(formats::isSafeFileName(row.name), row.file);
    }
    CHECK_EQ(formats::nameKey("X64\\Driver.SYS"), std::string("x64/driver.sys"));
    CHECK_EQ(formats::nameKey("ДРАЙВЕР.inf"), formats::nameKey("драйвер.INF"));
    CHECK_EQ(formats::nameKey("ÉTÉ"), std::string("été"));
}

TEST_CASE("a driver folder round trip with a predicate, a prefix and non-ASCII names") {
    const std::string work = freshDir("round-trip-Проверка-检查");
    const std::string folder = work + "/Драйвер 中文";
    std::map<std::string, std::string> files = makeDriverFolder(folder);
    files.erase("x64/build.log");
    const std::string archive = work + "/архив.zip";
    std::string error;
    std::vector<std::string> added;
    {
        formats::ZipWriter writer;
        REQUIRE(writer.open(archive, error));
        REQUIRE(writer.addFolder(folder, "0123abcd/", notLog, error,
                                 [&](const std::string& relative, std::uint64_t bytes) {
                                     added.push_back(relative);
                                     CHECK_EQ(bytes, std::uint64_t(files[relative].size()));
                                 }));
        REQUIRE(writer.addEntry("info", "{\"drivers\":[]}", error));
        // Nothing is under the final name before the commit.
        CHECK(!fs::exists(fs::u8path(archive)));
        REQUIRE(writer.commit(error));
    }
    CHECK_EQ(added.size(), files.size());
    CHECK(std::is_sorted(added.begin(), added.end()));
    CHECK_EQ(listing(work), std::string("Драйвер 中文|архив.zip"));

    formats::ZipReader reader;
    REQUIRE(reader.open(archive, error));
    CHECK_EQ(reader.entries().size(), files.size() + 1);
    CHECK_EQ(reader.entries().back().name, std::string("info"));
    CHECK(reader.find("0123abcd/Драйвер/описание.txt") >= 0);

    std::string info;
    CHECK(formats::readZipEntry(archive, "info", 1024, info, error));
    CHECK_EQ(info, std::string("{\"drivers\":[]}"));
    CHECK(!formats::readZipEntry(archive, "info", 5, info, error));
    CHECK(!formats::readZipEntry(archive, "missing", 1024, info, error));
    CHECK(error.find("missing") != std::string::npos);

    formats::ZipExtractOptions options;
    options.prefix = "0123abcd/";
    std::uint64_t lastDone = 0;
    std::uint64_t lastTotal = 0;
    options.progress = [&](std::uint64_t done, std::uint64_t total) {
        CHECK(done >= lastDone);
        lastDone = done;
        lastTotal = total;
    };
    const std::string target = work + "/Unpack/0123abcd";
    REQUIRE(formats::extractZip(archive, target, options, error));
    CHECK(tree(target) == files);
    CHECK_EQ(lastDone, lastTotal);
    CHECK_EQ(listing(work + "/Unpack"), std::string("0123abcd"));

    // A second extraction replaces the earlier folder as a whole.
    writeAll(target + "/stale.txt", "from before");
    options.prefix.clear();
    lastDone = 0;
    REQUIRE(formats::extractZip(archive, target, options, error));
    std::map<std::string, std::string> whole;
    for (const auto& file : files) {
        whole["0123abcd/" + file.first] = file.second;
    }
    whole["info"] = "{\"drivers\":[]}";
    CHECK(tree(target) == whole);
    CHECK_EQ(listing(work + "/Unpack"), std::string("0123abcd"));
}

TEST_CASE("one prefix of several is extracted alone") {
    const std::string work = freshDir("prefix");
    const std::string archive = work + "/backup.qlb";
    REQUIRE(zipfiles::write(archive, {{"aaaa/a.inf", "A"},
                                      {"aaaa/sub/a.sys", "AS"},
                                      {"aaaab/b.inf", "B"},
                                      {"bbbb\\b.inf", "B2"},
                                      {"info", "[]"}}));
    std::string error;
    formats::ZipExtractOptions options;
    for (const char* prefix : {"aaaa/", "aaaa"}) {
        std::printf("  row: %s\n", prefix);
        options.prefix = prefix;
        REQUIRE(formats::extractZip(archive, work + "/out", options, error));
        CHECK((tree(work + "/out") ==
               std::map<std::string, std::string>{{"a.inf", "A"}, {"sub/a.sys", "AS"}}) ==
              (std::string(prefix) == "aaaa/"));
    }
    options.prefix = "bbbb/";
    REQUIRE(formats::extractZip(archive, work + "/b", options, error));
    CHECK((tree(work + "/b") == std::map<std::string, std::string>{{"b.inf", "B2"}}));
}

#ifndef _WIN32
// Other tools run on the development machine only.
TEST_CASE("archives pass Info-ZIP and Python, and theirs are read") {
    if (std::system("unzip -v >/dev/null 2>&1") != 0 || std::system("zip -v >/dev/null 2>&1") ||
        std::system("python3 -c pass >/dev/null 2>&1") != 0) {
        std::printf("  skipped: zip, unzip or python3 missing\n");
        return;
    }
    const std::string work = freshDir("tools");
    const std::string folder = work + "/driver";
    std::map<std::string, std::string> files = makeDriverFolder(folder);
    std::string error;
    REQUIRE(pack(folder, "", work + "/ours.zip", error));
    CHECK_EQ(std::system(("unzip -tq '" + work + "/ours.zip' >/dev/null").c_str()), 0);
    const std::string python =
        "import sys, zipfile\n"
        "z = zipfile.ZipFile(sys.argv[1])\n"
        "assert z.testzip() is None\n"
        "assert all(i.flag_bits & 0x800 for i in z.infolist())\n"
        "assert 'Драйвер/описание.txt' in z.namelist()\n";
    writeAll(work + "/check.py", python);
    CHECK_EQ(std::system(("python3 '" + work + "/check.py' '" + work + "/ours.zip'").c_str()), 0);

    CHECK_EQ(std::system(("cd '" + folder + "' && zip -6 -r -q ../infozip.zip .").c_str()), 0);
    writeAll(work + "/make.py",
             "import os, sys, zipfile\n"
             "with zipfile.ZipFile(sys.argv[2], 'w', zipfile.ZIP_DEFLATED) as z:\n"
             "    for root, dirs, names in os.walk(sys.argv[1]):\n"
             "        for n in names:\n"
             "            p = os.path.join(root, n)\n"
             "            z.write(p, os.path.relpath(p, sys.argv[1]))\n");
    CHECK_EQ(
        std::system(
            ("python3 '" + work + "/make.py' '" + folder + "' '" + work + "/python.zip'").c_str()),
        0);
    for (const char* name : {"infozip.zip", "python.zip"}) {
        std::printf("  row: %s\n", name);
        const std::string target = work + "/from-" + name;
        CHECK(formats::extractZip(work + "/" + name, target, {}, error));
        CHECK(tree(target) == files);
    }
}
#endif

TEST_CASE("hostile archives are refused whole, with nothing written outside the target") {
    const std::string payload = "payload";
    const std::string stored = "STORED-MARKER-0123456789";
    struct Row {
        const char* name;
        std::vector<zipfiles::File> files;
        const char* named;  // what the error names, or nullptr
    };
    const std::vector<Row> rows = {
        {"zip-slip", {{"fine.inf", "x"}, {"../evil.inf", payload}}, "../evil.inf"},
        {"zip-slip with backslashes", {{"a\\..\\..\\evil.inf", payload}}, "evil.inf"},
        {"absolute", {{"/tmp/evil.inf", payload}}, "/tmp/evil.inf"},
        {"drive letter", {{"C:\\evil.inf", payload}}, "C:\\evil.inf"},
        {"UNC", {{"\\\\server\\share\\evil.inf", payload}}, "evil.inf"},
        {"reserved device name", {{"x64/aux.sys", payload}}, "aux.sys"},
        {"link",
         {{"fine.inf", "x"}, {"link.inf", "/etc/passwd", false, 0120777ul << 16}},
         "link.inf"},
        {"duplicate", {{"driver.inf", "a"}, {"driver.inf", "b"}}, "driver.inf"},
        {"case collision", {{"Driver.inf", "a"}, {"DRIVER.INF", "b"}}, "DRIVER.INF"},
        {"Cyrillic case collision", {{"Драйвер.inf", "a"}, {"ДРАЙВЕР.inf", "b"}}, "ДРАЙВЕР.inf"},
        {"file against folder", {{"x64", "a"}, {"X64/driver.sys", "b"}}, "X64/driver.sys"},
        {"wrong CRC", {{"a.txt", stored, true}}, "a.txt"},
    };
    const std::string work = freshDir("hostile");
    for (const Row& row : rows) {
        std::printf("  row: %s\n", row.name);
        const std::string archive = work + "/hostile.zip";
        REQUIRE(zipfiles::write(archive, row.files));
        if (std::string(row.name) == "wrong CRC") {
            std::string bytes = readAll(archive);
            bytes[bytes.find(stored) + 3] ^= 0x20;
            writeAll(archive, bytes);
        }
        const std::string target = work + "/target/inner";
        writeAll(target + "/earlier.txt", "kept");
        std::string error;
        CHECK(!formats::extractZip(archive, target, {}, error));
        CHECK(error.find(row.named) != std::string::npos);
        CHECK((tree(work + "/target") ==
               std::map<std::string, std::string>{{"inner/earlier.txt", "kept"}}));
        CHECK_EQ(listing(work), std::string("hostile.zip|target"));
        fs::remove_all(fs::u8path(work + "/target"));
    }
}

TEST_CASE("damaged archives and bombs are refused before anything is written") {
    const std::string work = freshDir("damaged");
    const std::string good = work + "/good.zip";
    REQUIRE(zipfiles::write(good, {{"a.inf", std::string(100000, 'a')}, {"b.inf", "b"}}));
    const std::string bytes = readAll(good);
    const std::string bomb = work + "/bomb.zip";
    REQUIRE(zipfiles::write(bomb, {{"zeros.bin", std::string(8 << 20, '\0')}}));

    struct Row {
        const char* name;
        std::string archive;
        formats::ZipLimits limits;
    };
    formats::ZipLimits small;
    small.ratioFloorBytes = 1 << 20;
    formats::ZipLimits fewEntries;
    fewEntries.maxEntries = 1;
    formats::ZipLimits smallEntries;
    smallEntries.maxEntryBytes = 1000;
    const std::vector<Row> rows = {
        {"truncated central directory", bytes.substr(0, bytes.size() - 30), {}},
        {"central directory cut short", bytes.substr(0, bytes.size() - 10), {}},
        {"not a zip", "plain text", {}},
        {"bomb", readAll(bomb), small},
        {"too many entries", bytes, fewEntries},
        {"entry too large", bytes, smallEntries},
    };
    for (const Row& row : rows) {
        std::printf("  row: %s\n", row.name);
        const std::string archive = work + "/damaged.zip";
        writeAll(archive, row.archive);
        formats::ZipExtractOptions options;
        options.limits = row.limits;
        std::string error;
        CHECK(!formats::extractZip(archive, work + "/out", options, error));
        CHECK(!error.empty());
        CHECK(!fs::exists(fs::u8path(work + "/out")));
        CHECK_EQ(listing(work), std::string("bomb.zip|damaged.zip|good.zip"));
    }
}

TEST_CASE("a write or an extraction stopped half-way changes nothing") {
    const std::string work = freshDir("stopped");
    const std::string folder = work + "/driver";
    makeDriverFolder(folder);
    const std::string archive = work + "/drivers.qlb";
    writeAll(archive, "an earlier backup");
    std::string error;
    formats::ZipCancel cancel{false};
    {
        formats::ZipWriter writer;
        writer.setCancel(&cancel);
        REQUIRE(writer.open(archive, error));
        CHECK(!writer.addFolder(folder, "", {}, error,
                                [&](const std::string&, std::uint64_t) { cancel = true; }));
        CHECK(error.find("stopped") != std::string::npos);
        CHECK(!writer.commit(error));
    }
    {
        formats::ZipWriter writer;
        REQUIRE(writer.open(archive, error));
        REQUIRE(writer.addFolder(folder, "", {}, error));
        // Destroyed without commit.
    }
    {
        formats::ZipWriter writer;
        REQUIRE(writer.open(archive, error));
        CHECK(!writer.addEntry("../info", "x", error));
        CHECK(!writer.commit(error));
    }
    CHECK_EQ(readAll(archive), std::string("an earlier backup"));
    CHECK_EQ(listing(work), std::string("driver|drivers.qlb"));

    REQUIRE(pack(folder, "", archive, error));
    const std::string target = work + "/out";
    writeAll(target + "/earlier.txt", "kept");
    cancel = false;
    formats::ZipExtractOptions options;
    options.cancel = &cancel;
    options.progress = [&](std::uint64_t, std::uint64_t) { cancel = true; };
    CHECK(!formats::extractZip(archive, target, options, error));
    CHECK(error.find("stopped") != std::string::npos);
    CHECK((tree(target) == std::map<std::string, std::string>{{"earlier.txt", "kept"}}));
    CHECK_EQ(listing(work), std::string("driver|drivers.qlb|out"));
}

CHECK_MAIN

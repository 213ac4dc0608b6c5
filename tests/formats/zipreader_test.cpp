// The zip reader against archives written by minizip, and against damaged and hostile ones.
#include "formats/zipreader.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "check.h"
#include "zipfiles.h"

using formats::ZipReader;

namespace {

struct TempDir {
    std::string path;
    TempDir() {
        char pattern[] = "/tmp/zipreader-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~TempDir() { std::filesystem::remove_all(path); }
};

std::string tempPath(const std::string& name) {
    static const TempDir dir;
    return dir.path + "/" + name;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void put32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int k = 0; k < 4; ++k) {
        bytes[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
    }
}

}  // namespace

TEST_CASE("lists entries and reads each one back") {
    const std::string path = tempPath("good.zip");
    const std::string big(300000, 'q');
    REQUIRE(zipfiles::write(path, {{"driver.inf", "[Version]\r\nClass=Net\r\n"},
                                   {"x64/", ""},
                                   {"x64\\driver.sys", big},
                                   {"empty.txt", "", true}}));
    ZipReader zip;
    std::string error;
    REQUIRE(zip.open(path, error));
    REQUIRE(zip.entries().size() == 4u);
    CHECK_EQ(zip.entries()[0].name, std::string("driver.inf"));
    CHECK(zip.entries()[1].directory);
    CHECK_EQ(zip.entries()[2].size, std::uint64_t(big.size()));
    CHECK(zip.entries()[2].compressedSize < zip.entries()[2].size);
    CHECK_EQ(zip.find("x64\\driver.sys"), 2L);
    CHECK_EQ(zip.find("X64\\DRIVER.SYS"), -1L);

    std::string data;
    CHECK(zip.read(2, big.size(), data, error));
    CHECK(data == big);
    CHECK(zip.read(0, 1024, data, error));
    CHECK_EQ(data, std::string("[Version]\r\nClass=Net\r\n"));
    CHECK(zip.read(3, 0, data, error));
    CHECK(data.empty());
    // Reading out of order works, the directory position is kept per entry.
    CHECK(zip.read(2, big.size(), data, error));
    CHECK_EQ(data.size(), big.size());
    CHECK(!zip.read(9, 100, data, error));
}

TEST_CASE("an entry above the bound is refused, whatever its directory claims") {
    const std::string path = tempPath("bomb.zip");
    REQUIRE(zipfiles::write(path, {{"zeros.bin", std::string(4 << 20, '\0')}}));
    ZipReader zip;
    std::string error;
    REQUIRE(zip.open(path, error));
    CHECK(zip.entries()[0].compressedSize < 64 * 1024);
    std::string data;
    CHECK(!zip.read(0, 1 << 20, data, error));
    CHECK(error.find("zeros.bin") != std::string::npos);
    CHECK(data.empty());
    zip.close();

    // A directory that understates the size: the data then fails its CRC rather than
    // slipping past the bound.
    std::string bytes = readAll(path);
    for (std::size_t at = bytes.find("PK\x03\x04"); at != std::string::npos;
         at = bytes.find("PK\x03\x04", at + 4)) {
        put32(bytes, at + 22, 1000);
    }
    for (std::size_t at = bytes.find("PK\x01\x02"); at != std::string::npos;
         at = bytes.find("PK\x01\x02", at + 4)) {
        put32(bytes, at + 24, 1000);
    }
    const std::string liar = tempPath("liar.zip");
    writeAll(liar, bytes);
    REQUIRE(zip.open(liar, error));
    CHECK_EQ(zip.entries()[0].size, std::uint64_t(1000));
    CHECK(!zip.read(0, 1 << 20, data, error));
    CHECK(data.empty());
}

TEST_CASE("damaged archives and damaged data are refused") {
    const std::string good = tempPath("crc.zip");
    const std::string marker = "UNIQUE-MARKER-0123456789";
    REQUIRE(zipfiles::write(good, {{"a.txt", marker, true}, {"b.txt", "fine"}}));
    std::string bytes = readAll(good);

    struct Row {
        const char* name;
        std::string bytes;
        bool opens;
    };
    std::string flipped = bytes;
    flipped[flipped.find(marker) + 3] ^= 0x20;
    const Row rows[] = {
        {"empty file", "", false},
        {"not a zip", "this is plain text, not an archive at all", false},
        {"cut in half", bytes.substr(0, bytes.size() / 2), false},
        {"one byte of data changed", flipped, true},
    };
    for (const Row& row : rows) {
        std::printf("  row: %s\n", row.name);
        const std::string path = tempPath("damaged.zip");
        writeAll(path, row.bytes);
        ZipReader zip;
        std::string error;
        CHECK_EQ(zip.open(path, error), row.opens);
        if (!row.opens) {
            CHECK(!error.empty());
            CHECK(!zip.isOpen());
            continue;
        }
        std::string data;
        CHECK(!zip.read(0, 1024, data, error));
        CHECK(error.find("CRC") != std::string::npos);
        CHECK(zip.read(1, 1024, data, error));
        CHECK_EQ(data, std::string("fine"));
    }
    ZipReader zip;
    std::string error;
    CHECK(!zip.open(tempPath("missing.zip"), error));
}

TEST_CASE("archives naming entries outside their root are refused whole") {
    const char* hostile[] = {"../evil.inf", "/etc/evil.inf", "\\evil.inf",   "C:\\evil.inf",
                             "c:evil.inf",  "a/../../evil",  "a\\..\\..\\b", "x/..",
                             "ok/.../evil", "stream.inf:ads"};
    for (const char* name : hostile) {
        std::printf("  row: %s\n", name);
        CHECK(!ZipReader::isSafeName(name));
        const std::string path = tempPath("hostile.zip");
        REQUIRE(zipfiles::write(path, {{"fine.inf", "x"}, {name, "payload"}}));
        ZipReader zip;
        std::string error;
        CHECK(!zip.open(path, error));
        CHECK(error.find(name) != std::string::npos);
        CHECK(zip.entries().empty());
    }
    for (const char* name : {"driver.inf", "x64/driver.sys", "a\\b\\c.dll", "..a/b..c", "dir/"}) {
        std::printf("  row: %s\n", name);
        CHECK(ZipReader::isSafeName(name));
    }
}

CHECK_MAIN

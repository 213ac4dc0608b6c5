// Finding a package's INF by its SHA-1 below the unpack folder.
#include <filesystem>
#include <fstream>

#include "check.h"
#include "formats/sha1.h"
#include "platform/infsearch.h"
#include "platform/process.h"

namespace fs = std::filesystem;

namespace {

const std::string kContent =
    "[Version]\nSignature=\"$WINDOWS NT$\"\nDriverVer=01/02/2023,1.2.3.4\n";

fs::path freshFolder(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() /
                            ("qln-infsearch-" + std::to_string(platform::currentProcessId())) /
                            name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

void write(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::string sha1Of(const std::string& content, bool upper) {
    formats::Sha1 hash;
    hash.add(content.data(), content.size());
    return hash.hexDigest(upper);
}

std::string found(const fs::path& folder, const std::string& sha1) {
    const std::string path = platform::findInfBySha1(folder.u8string(), sha1);
    return path.empty() ? std::string() : fs::u8path(path).filename().u8string();
}

}  // namespace

TEST_CASE("candidates: the text after the first dot is inf or INF") {
    CHECK(formats::isInfCandidate("net.inf"));
    CHECK(formats::isInfCandidate("NET.INF"));
    CHECK(!formats::isInfCandidate("net.Inf"));
    CHECK(!formats::isInfCandidate("net.x.inf"));
    CHECK(!formats::isInfCandidate("net.inf.bak"));
    CHECK(!formats::isInfCandidate("inf"));
    CHECK(!formats::isInfCandidate("net.pnf"));
}

TEST_CASE("upper-case INF is found, mixed case and two dots are not") {
    const fs::path folder = freshFolder("case");
    write(folder / "UPPER.INF", kContent + "; upper\n");
    write(folder / "Mixed.Inf", kContent + "; mixed\n");
    write(folder / "two.x.inf", kContent + "; dots\n");
    CHECK_EQ(found(folder, sha1Of(kContent + "; upper\n", true)), std::string("UPPER.INF"));
    CHECK_EQ(found(folder, sha1Of(kContent + "; mixed\n", true)), std::string());
    CHECK_EQ(found(folder, sha1Of(kContent + "; dots\n", true)), std::string());
}

TEST_CASE("lower-case SHA-1 matches; a file at the expected path with other content does not") {
    const fs::path folder = freshFolder("sha");
    write(folder / "sub" / "deeper" / "driver.inf", kContent);
    write(folder / "expected.inf", kContent + "; changed\n");
    CHECK_EQ(found(folder, sha1Of(kContent, false)), std::string("driver.inf"));
    CHECK_EQ(found(folder, sha1Of(kContent, true)), std::string("driver.inf"));
    CHECK_EQ(found(folder, sha1Of(kContent + "; original\n", false)), std::string());
    CHECK_EQ(found(folder / "missing", sha1Of(kContent, false)), std::string());
}

TEST_CASE("two identical INFs: the first in walk order wins") {
    const fs::path folder = freshFolder("twins");
    write(folder / "b" / "second.inf", kContent);
    write(folder / "a.inf", kContent);
    write(folder / "c.inf", kContent);
    std::string first;
    platform::walkFiles(folder.u8string(), [&](const std::string&, const std::string& name) {
        if (formats::isInfCandidate(name)) {
            first = name;
            return false;
        }
        return true;
    });
    REQUIRE(!first.empty());
    CHECK_EQ(found(folder, sha1Of(kContent, false)), first);
}

#ifndef _WIN32
TEST_CASE("links are not followed: a loop ends, an outside file is not reached") {
    const fs::path folder = freshFolder("loop");
    const fs::path outside = freshFolder("outside");
    write(outside / "secret.inf", kContent);
    write(folder / "real" / "plain.txt", "x");
    fs::create_directory_symlink(folder, folder / "real" / "loop");
    fs::create_directory_symlink(outside, folder / "out");
    fs::create_symlink(outside / "secret.inf", folder / "link.inf");
    int visited = 0;
    platform::walkFiles(folder.u8string(), [&](const std::string&, const std::string&) {
        ++visited;
        return true;
    });
    CHECK_EQ(visited, 1);
    CHECK_EQ(found(folder, sha1Of(kContent, false)), std::string());
}
#endif

TEST_CASE("file SHA-1 of an unreadable path is empty") {
    CHECK_EQ(platform::infSha1((freshFolder("none") / "absent.inf").u8string()), std::string());
}

int main(int argc, char** argv) {
    const int result = check::run(argc, argv);
    std::error_code ignored;
    fs::remove_all(fs::temp_directory_path() /
                       ("qln-infsearch-" + std::to_string(platform::currentProcessId())),
                   ignored);
    return result;
}

// SHA-1 through the system's crypto (OpenSSL natively, CNG under Wine) against known digests.
#include <algorithm>
#include <string>

#include "check.h"
#include "formats/sha1.h"

namespace {

struct Row {
    const char* name;
    std::string data;
    const char* digest;
};

std::string pattern(size_t size) {
    std::string data(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        data[i] = static_cast<char>(i % 251);
    }
    return data;
}

std::string hashed(const std::string& data, size_t piece, bool upperCase) {
    formats::Sha1 hash;
    for (size_t offset = 0; offset < data.size(); offset += piece) {
        hash.add(data.data() + offset, std::min(piece, data.size() - offset));
    }
    return hash.hexDigest(upperCase);
}

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
    }
    return text;
}

}  // namespace

TEST_CASE("known digests, whole and in pieces, either case") {
    const Row rows[] = {
        {"empty", "", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        {"abc", "abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {"two blocks", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        {"1 MiB", pattern(1 << 20), "c2fc4cb20f1301a6b0dd211c19e69a13925dbe40"},
    };
    for (const Row& row : rows) {
        std::printf("  %s\n", row.name);
        CHECK_EQ(hashed(row.data, row.data.size() + 1, false), std::string(row.digest));
        CHECK_EQ(hashed(row.data, 7, true), upper(row.digest));
    }
}

TEST_CASE("hashes are independent of each other") {
    formats::Sha1 first;
    formats::Sha1 second;
    first.add("ab", 2);
    second.add("x", 1);
    first.add("c", 1);
    CHECK_EQ(first.hexDigest(false), std::string("a9993e364706816aba3e25717850c26c9cd0d89d"));
    CHECK_EQ(second.hexDigest(false), std::string("11f6ad8ec52a2984abaafd7c3b516503785c2072"));
}

CHECK_MAIN

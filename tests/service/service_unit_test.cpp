// The service's parsers and token rules, without a server.
#include "authrecord.h"
#include "bodydecoder.h"
#include "check.h"
#include "drivercontenthash.h"
#include "hitbatch.h"
#include "requesthead.h"
#include "servicerunner.h"
#include "servicetesting.h"
#include "tokensigner.h"
#include "zipfiles.h"

#include <formats/sha1.h>

using Service::BodyDecoder;
using Service::TokenSigner;
using namespace std::string_literals;

TEST_CASE("tokens are valid up to and including their expiry second") {
    TokenSigner signer;
    std::string error;
    REQUIRE(signer.open(ServiceRunner::makeTempDir("signer") + "/token.key", error));
    const std::string token = signer.issue("{id}", 1000, 3600);
    struct Row {
        const char* name;
        std::int64_t now;
        TokenSigner::Verdict verdict;
    };
    const Row rows[] = {
        {"at issue", 1000, TokenSigner::Verdict::Valid},
        {"clock behind the issuer", 900, TokenSigner::Verdict::Valid},
        {"elapsed equals ttl", 4600, TokenSigner::Verdict::Valid},
        {"elapsed one past ttl", 4601, TokenSigner::Verdict::Expired},
    };
    for (const Row& row : rows) {
        if (signer.verify(token, row.now) != row.verdict) {
            check::fail(__FILE__, __LINE__, row.name);
        }
    }
    TokenSigner::Claims claims;
    REQUIRE(signer.verify(token, 1000, &claims) == TokenSigner::Verdict::Valid);
    CHECK_EQ(claims.subject, std::string("{id}"));
    CHECK_EQ(claims.expiresAt, 4600);
    CHECK(signer.issue("{id}", 1000, 3600) != token);
    CHECK(signer.verify("", 1000) == TokenSigner::Verdict::Missing);
    CHECK(signer.verify("a.b", 1000) == TokenSigner::Verdict::Malformed);
    CHECK(signer.verify("a.b.c.d", 1000) == TokenSigner::Verdict::Malformed);
    CHECK(signer.verify(token + "x", 1000) != TokenSigner::Verdict::Valid);
}

TEST_CASE("base64url round-trips every length and refuses foreign characters") {
    std::string data;
    for (int length = 0; length < 40; ++length) {
        std::string decoded;
        const std::string encoded = TokenSigner::base64UrlEncode(data);
        CHECK(encoded.find_first_of("+/=") == std::string::npos);
        CHECK(TokenSigner::base64UrlDecode(encoded, decoded));
        CHECK(decoded == data);
        data += static_cast<char>(length * 37 + 250);
    }
    std::string out;
    CHECK_EQ(TokenSigner::base64UrlEncode("\xfb\xff"), std::string("-_8"));
    CHECK(!TokenSigner::base64UrlDecode("ab+c", out));
    CHECK(!TokenSigner::base64UrlDecode("abcde", out));
    CHECK(!TokenSigner::base64UrlDecode(std::string("ab\0c", 4), out));
}

TEST_CASE("inflate accepts complete zlib and gzip streams within the limit only") {
    const std::string text = "{\"a\": \"" + std::string(100000, 'x') + "\"}";
    const std::string zlib = servicetesting::zlibStream(text);
    struct Row {
        const char* name;
        std::string data;
        std::size_t limit;
        BodyDecoder::Result result;
    };
    const Row rows[] = {
        {"zlib", zlib, 1 << 20, BodyDecoder::Result::Ok},
        {"gzip", servicetesting::gzipStream(text), 1 << 20, BodyDecoder::Result::Ok},
        {"exactly at the limit", zlib, text.size(), BodyDecoder::Result::Ok},
        {"one byte over the limit", zlib, text.size() - 1, BodyDecoder::Result::TooLarge},
        {"truncated", zlib.substr(0, zlib.size() - 1), 1 << 20, BodyDecoder::Result::Malformed},
        {"trailing bytes", zlib + "x", 1 << 20, BodyDecoder::Result::Malformed},
        {"empty", "", 1 << 20, BodyDecoder::Result::Malformed},
        {"bad checksum", zlib.substr(0, zlib.size() - 1) + "\x01", 1 << 20,
         BodyDecoder::Result::Malformed},
    };
    for (const Row& row : rows) {
        std::string out;
        const BodyDecoder::Result result = BodyDecoder::inflate(row.data, row.limit, out);
        if (result != row.result || (result == BodyDecoder::Result::Ok) != (out == text)) {
            check::fail(__FILE__, __LINE__, row.name);
        }
    }
    CHECK(BodyDecoder::looksCompressed(zlib));
    CHECK(BodyDecoder::looksCompressed(servicetesting::gzipStream("{}")));
    CHECK(!BodyDecoder::looksCompressed("{\"a\":1}"));
    CHECK(!BodyDecoder::looksCompressed("x"));
}

TEST_CASE("nesting depth ignores brackets inside strings") {
    CHECK(BodyDecoder::withinDepth("[[[]]]", 3));
    CHECK(!BodyDecoder::withinDepth("[[[[]]]]", 3));
    CHECK(BodyDecoder::withinDepth("[\"[[[[\\\"[[[[\"]", 1));
    CHECK(!BodyDecoder::withinDepth("{\"a\":{\"b\":[1]}}", 2));
}

TEST_CASE("parsing stops at the depth and element bounds") {
    struct Row {
        const char* name;
        std::string text;
        BodyDecoder::Parse expected;
    };
    const Row rows[] = {
        {"within both", "{\"a\":[1,2],\"b\":{\"c\":null}}", BodyDecoder::Parse::Ok},
        {"nine elements", "[1,2,3,4,5,6,7,8]", BodyDecoder::Parse::Ok},
        {"ten elements", "[1,2,3,4,5,6,7,8,9]", BodyDecoder::Parse::TooManyElements},
        {"keys count", "{\"a\":1,\"b\":2,\"c\":3,\"d\":4,\"e\":5}",
         BodyDecoder::Parse::TooManyElements},
        {"too deep", "[[[[1]]]]", BodyDecoder::Parse::TooDeep},
        {"not JSON", "[1,2", BodyDecoder::Parse::NotJson},
        {"trailing text", "[1] x", BodyDecoder::Parse::NotJson},
        // The JSON library takes a NUL for the end of its input and ignores what follows.
        {"text after a NUL", "[1]\0[[[[[["s, BodyDecoder::Parse::NotJson},
        {"a NUL inside a string", "[\"a\0b\"]"s, BodyDecoder::Parse::NotJson},
    };
    for (const Row& row : rows) {
        nlohmann::json document;
        if (BodyDecoder::parse(row.text, 3, 9, document) != row.expected) {
            check::fail(__FILE__, __LINE__, std::string("unexpected verdict for ") + row.name);
        }
    }
}

TEST_CASE("a request head is bounded and its body framing must be unambiguous") {
    Service::RouteLimits routes({1000, 100});
    routes.set("PUT", "/small", {10, 10});
    struct Row {
        const char* name;
        std::string head;
        int status;
    };
    const Row rows[] = {
        {"plain GET", "GET /a HTTP/1.1\r\nHost: x\r\n\r\n", 0},
        {"length within the route", "PUT /small HTTP/1.1\r\nContent-Length: 10\r\n\r\n", 0},
        {"length past the route", "PUT /small HTTP/1.1\r\nContent-Length: 11\r\n\r\n", 413},
        {"encoded path past the route", "PUT /%73mall HTTP/1.1\r\nContent-Length: 11\r\n\r\n", 413},
        {"fallback limit", "POST /other HTTP/1.1\r\ncontent-length: 1001\r\n\r\n", 413},
        {"same length twice",
         "PUT /small HTTP/1.1\r\nContent-Length: 4\r\nContent-Length: 4\r\n\r\n", 0},
        {"different lengths",
         "PUT /small HTTP/1.1\r\nContent-Length: 4\r\nContent-Length: 5\r\n\r\n", 400},
        {"a length list", "PUT /small HTTP/1.1\r\nContent-Length: 4, 4\r\n\r\n", 400},
        {"length and chunked",
         "PUT /small HTTP/1.1\r\nContent-Length: 4\r\nTransfer-Encoding: chunked\r\n\r\n", 400},
        {"chunked where no body is read", "GET /a HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n",
         411},
        {"no length", "PUT /small HTTP/1.1\r\nHost: x\r\n\r\n", 411},
        {"a blank before the colon", "PUT /small HTTP/1.1\r\nContent-Length : 99\r\n\r\n", 400},
        {"a folded line", "GET /a HTTP/1.1\r\nX-A: 1\r\n folded\r\n\r\n", 400},
        // The library skips a line without its CR and reads on; it keeps a stray CR in a value.
        {"a bare line feed before a second framing",
         "PUT /small HTTP/1.1\r\nContent-Length: 10\r\n\nTransfer-Encoding: chunked\r\n"
         "Content-Length: 99999999\r\n\r\n",
         400},
        {"a header line ending in a bare line feed", "GET /a HTTP/1.1\r\nX-A: 1\n\r\n", 400},
        {"a head ending in bare line feeds", "GET /a HTTP/1.1\nHost: x\n\n", 400},
        {"chunked with a stray CR", "PUT /small HTTP/1.1\r\nTransfer-Encoding: chunked\r\r\n\r\n",
         400},
        {"a CR inside a value", "GET /a HTTP/1.1\r\nX-A: 1\r2\r\n\r\n", 400},
        // Found by fuzzing against the library's own reading.
        {"a NUL after a header name", "PUT /small HTTP/1.1\r\nContent-Length\0: 2\r\n\r\n{}"s, 400},
        {"%u-encoded path past the route", "PUT /%u0073mall HTTP/1.1\r\nContent-Length: 11\r\n\r\n",
         413},
        {"a fragment after the path", "PUT /small#x HTTP/1.1\r\nContent-Length: 11\r\n\r\n", 413},
    };
    for (const Row& row : rows) {
        Service::RequestHead head;
        const auto state = head.scan(row.head.data(), row.head.size());
        const int status =
            state == Service::RequestHead::State::Complete ? head.checkBody(routes) : head.status();
        if (status != row.status || (status == 0 && head.size() != row.head.size())) {
            check::fail(__FILE__, __LINE__,
                        std::string(row.name) + ": status " + std::to_string(status));
        }
    }

    // Scanned piece by piece, as it arrives, the head ends at its blank line.
    const std::string twoRequests = "GET /a HTTP/1.1\r\nHost: x\r\n\r\nGET /b HTTP/1.1\r\n";
    Service::RequestHead pieces;
    auto state = Service::RequestHead::State::Incomplete;
    for (std::size_t size = 1;
         size <= twoRequests.size() && state == Service::RequestHead::State::Incomplete; ++size) {
        state = pieces.scan(twoRequests.data(), size);
    }
    CHECK(state == Service::RequestHead::State::Complete);
    CHECK_EQ(pieces.size(), twoRequests.find("GET /b"));

    Service::RequestHead counted({3, 1024});
    const std::string fourHeaders = "GET / HTTP/1.1\r\nA: 1\r\nB: 2\r\nC: 3\r\nD: 4\r\n\r\n";
    CHECK(counted.scan(fourHeaders.data(), fourHeaders.size()) ==
          Service::RequestHead::State::Refused);
    CHECK_EQ(counted.status(), 431);
    Service::RequestHead sized({100, 64});
    const std::string endless = "GET / HTTP/1.1\r\nX: " + std::string(100, 'x');
    CHECK(sized.scan(endless.data(), endless.size()) == Service::RequestHead::State::Refused);
    CHECK_EQ(sized.status(), 431);
}

TEST_CASE("hit batches split on line feeds and keep their limits") {
    Service::HitBatch batch;
    std::string error;
    CHECK(batch.parse("t=event&v=1\r\n\nv=1&t=pageview&cd=a%20b", {20, 100}, error));
    CHECK_EQ(batch.hits().size(), std::size_t(2));
    CHECK_EQ(batch.hits().back(), std::string("v=1&t=pageview&cd=a%20b"));
    CHECK(!batch.parse("t=event&v=1\nt=event&v=1\nt=event&v=1\n", {2, 100}, error));
    CHECK(!batch.parse("t=event&v=1&el=" + std::string(100, 'a'), {20, 100}, error));
    CHECK(!Service::HitBatch::validHit("t=event&&v=1"));
    CHECK(!Service::HitBatch::validHit("=x&t=event&v=1"));
    CHECK(!Service::HitBatch::validHit("t=event&v=1&el=%4"));
    CHECK(Service::HitBatch::validHit("t=event&v=1&el="));
}

// The client hashes a driver's folder, the service the archive packed from it: both must walk
// and filter alike or nothing would ever be marked uploaded.
TEST_CASE("a driver archive's content hash walks and filters as the client does") {
    using Service::DriverContentHash;
    const auto sha1 = [](const std::string& bytes) {
        formats::Sha1 digest;
        digest.add(bytes.data(), bytes.size());
        return digest.hexDigest(false);
    };
    struct Row {
        const char* name;
        std::vector<zipfiles::File> entries;
        const char* hashed;  // nullptr: refused
    };
    const Row rows[] = {
        {"sub-folders first, each level in byte order",
         {{"b.inf", "1"}, {"a/x.sys", "2"}, {"Z/y.dll", "3"}, {"a/b/c.cat", "4"}, {"B.cat", "5"}},
         "34251"},
        {"pnf, tmp, component.man and empty files are left out",
         {{"d.inf", "i"},
          {"d.PNF", "p"},
          {"x.tmp", "t"},
          {"sub/Component.MAN", "m"},
          {"empty.sys", ""}},
         "i"},
        {"a copy of a binary with the same bytes is left out",
         {{"a.sys", "same"}, {"a(1).sys", "same"}, {"a.SYS.1", "same"}, {"e.inf", "e"}},
         "samee"},
        {"a copy with other bytes is kept",
         {{"a.sys", "old"}, {"a(1).sys", "new"}, {"a.sys~bak", "bak"}},
         "newoldbak"},
        {"a copy without its base is kept", {{"lone(2).dll", "x"}}, "x"},
        {"nothing but left-out files", {{"x.pnf", "p"}}, nullptr},
        {"a name leaving the folder", {{"../x.sys", "x"}}, nullptr},
    };
    const std::string dir = ServiceRunner::makeTempDir("contenthash");
    for (const Row& row : rows) {
        const std::string path = dir + "/" + std::to_string(&row - rows) + ".zip";
        REQUIRE(zipfiles::write(path, row.entries));
        std::string hash;
        std::string error;
        const bool ok = DriverContentHash::ofArchive(path, {}, hash, error);
        if (ok != (row.hashed != nullptr) || (ok && hash != sha1(row.hashed))) {
            check::fail(__FILE__, __LINE__, row.name);
        }
    }
    std::string hash;
    std::string error;
    ServiceRunner::writeFile(dir + "/plain.zip", "not a zip");
    CHECK(!DriverContentHash::ofArchive(dir + "/plain.zip", {}, hash, error));
    CHECK(!error.empty());
    REQUIRE(zipfiles::write(dir + "/big.zip", {{"a.sys", std::string(2000, 'a')}}));
    DriverContentHash::Limits small;
    small.maxEntryBytes = 1000;
    CHECK(!DriverContentHash::ofArchive(dir + "/big.zip", small, hash, error));
}

CHECK_MAIN

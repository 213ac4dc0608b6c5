// The install pipe's messages: what QuillonPro writes, what Installer accepts,
// and the bounds both sides put on what they read.
#include <cstring>

#include "check.h"
#include "formats/installwire.h"
#include "formats/sha1.h"
#include "formats/utf.h"

using namespace std::string_literals;

namespace {

formats::wire::InstallRequest sampleRequest() {
    formats::wire::InstallRequest request;
    request.tempDir = "C:\\Users\\me\\AppData\\Roaming\\QuillonPro\\Unpack\\abc";
    request.hardwareId = "PCI\\VEN_8086&DEV_1234";
    request.infPath = "Drivers/net/e1000.inf";
    request.infSha1 = "0123456789abcdef0123456789abcdef01234567";
    request.rollback = true;
    return request;
}

bool lengthAccepted(std::int32_t value) {
    const std::uint32_t raw = static_cast<std::uint32_t>(value);
    const unsigned char header[4] = {
        static_cast<unsigned char>(raw), static_cast<unsigned char>(raw >> 8),
        static_cast<unsigned char>(raw >> 16), static_cast<unsigned char>(raw >> 24)};
    std::int32_t decoded = 0;
    return formats::wire::decodeLength(header, decoded);
}

}  // namespace

TEST_CASE("request text: key order, line feeds, rollback spelling") {
    const std::string text = formats::wire::requestText(sampleRequest()).value_or("");
    CHECK_EQ(text, std::string("tempDir=C:\\Users\\me\\AppData\\Roaming\\QuillonPro\\Unpack\\abc\n"
                               "hardwareId=PCI\\VEN_8086&DEV_1234\n"
                               "infPath=Drivers/net/e1000.inf\n"
                               "infSha1=0123456789abcdef0123456789abcdef01234567\n"
                               "rollback=true\n"));
    formats::wire::InstallRequest request = sampleRequest();
    request.rollback = false;
    const std::string without = formats::wire::requestText(request).value_or("");
    CHECK(without.size() > 15 && without.substr(without.size() - 15) == "rollback=false\n");
}

TEST_CASE("request round trip through the encoded message") {
    formats::wire::InstallRequest sent = sampleRequest();
    sent.tempDir = "C:\\Temp\\Пакет драйвера €";
    const std::string text = formats::wire::requestText(sent).value_or("");
    const std::vector<unsigned char> length = formats::wire::encodeLength(text);
    const std::vector<unsigned char> bytes = formats::wire::encodeText(text);
    std::int32_t decoded = 0;
    REQUIRE(formats::wire::decodeLength(length.data(), decoded));
    CHECK_EQ(static_cast<size_t>(decoded), bytes.size());
    CHECK_EQ(bytes.size(), formats::toUtf16(text).size() * 2 + 2);
    CHECK(bytes[bytes.size() - 1] == 0 && bytes[bytes.size() - 2] == 0);
    formats::wire::InstallRequest received;
    std::string decodedText;
    REQUIRE(formats::wire::decodeText(bytes, decodedText));
    REQUIRE(formats::wire::parseRequest(decodedText, received));
    CHECK_EQ(received.tempDir, sent.tempDir);
    CHECK_EQ(received.hardwareId, sent.hardwareId);
    CHECK_EQ(received.infPath, sent.infPath);
    CHECK_EQ(received.infSha1, sent.infSha1);
    CHECK(received.rollback);
}

TEST_CASE("request parsing: exact keys, first '='") {
    formats::wire::InstallRequest request;
    REQUIRE(formats::wire::parseRequest(
        "tempDir=a\nhardwareId=h=1\ninfPath=p\ninfSha1=s\nrollback=TRUE\n", request));
    CHECK_EQ(request.hardwareId, std::string("h=1"));
    CHECK(!request.rollback);
    REQUIRE(formats::wire::parseRequest(
        "tempDir=a\nhardwareId=h\ninfPath=p\ninfSha1=s\nrollback= true\n", request));
    CHECK(!request.rollback);
    REQUIRE(formats::wire::parseRequest(
        "TempDir=x\ntempDir=a\nno equals\nhardwareId=h\ninfPath=p\ninfSha1=s\nrollback=true",
        request));
    CHECK_EQ(request.tempDir, std::string("a"));
    CHECK(request.rollback);
}

// A value with a line feed in it would otherwise add lines of its own choosing.
TEST_CASE("request values holding CR, LF or NUL are refused by writer and reader") {
    for (const char* bad : {"\n", "\r", "\0"}) {
        const std::string breaker(bad, 1);
        for (std::string formats::wire::InstallRequest::*field :
             {&formats::wire::InstallRequest::tempDir, &formats::wire::InstallRequest::hardwareId,
              &formats::wire::InstallRequest::infPath, &formats::wire::InstallRequest::infSha1}) {
            formats::wire::InstallRequest request = sampleRequest();
            request.*field += breaker + "infSha1=ffff";
            CHECK(!formats::wire::requestText(request).has_value());
        }
    }
    formats::wire::InstallRequest request;
    CHECK(!formats::wire::parseRequest(
        "tempDir=a\nhardwareId=h\ninfPath=p\ninfSha1=old\ninfSha1=new\n", request));
    CHECK(!formats::wire::parseRequest(
        "tempDir=a\nhardwareId=h\ninfPath=p\ninfSha1=s\nrollback=false\nrollback=true\n", request));
    CHECK(
        !formats::wire::parseRequest("tempDir=a\r\nhardwareId=h\ninfPath=p\ninfSha1=s\n", request));
    CHECK(!formats::wire::parseRequest("tempDir=a\nhardwareId=h\ninfPath=p\0x\ninfSha1=s\n"s,
                                       request));
}

TEST_CASE("request parsing: every text field is required") {
    formats::wire::InstallRequest request;
    CHECK(!formats::wire::parseRequest("tempDir=a\nhardwareId=h\ninfPath=p\nrollback=true\n",
                                       request));
    CHECK(!formats::wire::parseRequest(
        "tempDir=a\nhardwareId=h\ninfPath=p\ninfSha1=\nrollback=true\n", request));
    CHECK(!formats::wire::parseRequest("hardwareId=h\ninfPath=p\ninfSha1=s\n", request));
    CHECK(!formats::wire::parseRequest("tempDir=a\ninfPath=p\ninfSha1=s\n", request));
    CHECK(!formats::wire::parseRequest("tempDir=a\nhardwareId=h\ninfSha1=s\n", request));
    CHECK(!formats::wire::parseRequest("", request));
}

TEST_CASE("lengths: zero, negative, odd and huge are refused") {
    CHECK(!lengthAccepted(0));
    CHECK(!lengthAccepted(-2));
    CHECK(!lengthAccepted(-2147483647 - 1));
    CHECK(!lengthAccepted(7));
    CHECK(!lengthAccepted(formats::wire::kMaxMessageBytes + 2));
    CHECK(!lengthAccepted(0x7ffffffe));
    CHECK(lengthAccepted(2));
    CHECK(lengthAccepted(formats::wire::kMaxMessageBytes));
}

TEST_CASE("reply: format and parsing") {
    formats::wire::InstallResult result;
    result.systemErrorCode = 0xE000020B;
    result.errorCode = 102;
    result.needReboot = true;
    const std::string text = formats::wire::replyText(result);
    CHECK_EQ(
        text,
        std::string("systemErrorCode=-536870389\nerrorCode=102\nneedRebootAfterDriversInstall=1"));
    formats::wire::InstallResult parsed{0, 1, false};
    CHECK(formats::wire::parseReply(text, parsed));
    CHECK_EQ(parsed.systemErrorCode, result.systemErrorCode);
    CHECK_EQ(parsed.errorCode, 102);
    CHECK(parsed.needReboot);
}

TEST_CASE("reply of 0, 0, 1 is a success that needs a reboot") {
    formats::wire::InstallResult parsed{0, 1, false};
    formats::wire::parseReply("systemErrorCode=0\nerrorCode=0\nneedRebootAfterDriversInstall=1",
                              parsed);
    CHECK_EQ(parsed.systemErrorCode, 0u);
    CHECK_EQ(parsed.errorCode, 0);
    CHECK(parsed.needReboot);
}

TEST_CASE("reply: missing or malformed keys keep the start values") {
    formats::wire::InstallResult parsed{0, 1, false};
    formats::wire::parseReply(
        "systemErrorCode=5\nerrorCode=zero\nextra=3\nneedRebootAfterDriversInstall=", parsed);
    CHECK_EQ(parsed.systemErrorCode, 5u);
    CHECK_EQ(parsed.errorCode, 1);
    CHECK(!parsed.needReboot);
}

TEST_CASE("reply: a repeated key, CR or NUL refuses the whole reply") {
    for (const std::string& text :
         {std::string("systemErrorCode=0\nerrorCode=5\nerrorCode=0\n"),
          std::string("systemErrorCode=0\r\nerrorCode=0\nneedRebootAfterDriversInstall=1"),
          "systemErrorCode=0\nerrorCode=0\0x"s}) {
        formats::wire::InstallResult parsed{0, 1, false};
        CHECK(!formats::wire::parseReply(text, parsed));
        CHECK_EQ(parsed.errorCode, 1);
    }
}

TEST_CASE("decoding ends at the NUL, refuses text after it, survives a truncated tail") {
    std::string text;
    CHECK(!formats::wire::decodeText({'a', 0, 'b', 0, 0, 0, 'c', 0, 'd'}, text));
    CHECK(formats::wire::decodeText({'a', 0, 'b', 0, 0, 0, 0, 0}, text));
    CHECK_EQ(text, std::string("ab"));
    CHECK(formats::wire::decodeText({'x', 0, 'y'}, text));
    CHECK_EQ(text, std::string("x"));
    CHECK_EQ(formats::toUtf8(formats::toUtf16("\xF0\x9F\x98\x80 ok")),
             std::string("\xF0\x9F\x98\x80 ok"));
}

TEST_CASE("UTF-8: overlong forms, surrogates and cut sequences decode as U+FFFD") {
    struct Row {
        const char* name;
        std::string utf8;
        std::u16string utf16;
        bool valid;
    };
    const Row rows[] = {
        {"ASCII and NUL", "a\0b"s, u"a\0b"s, true},
        {"two, three and four bytes", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",
         u"\u00E9\u20AC\U0001F600", true},
        {"highest scalar value", "\xF4\x8F\xBF\xBF", u"\U0010FFFF", true},
        {"overlong line feed", "a\xC0\x8A", u"a\uFFFD\uFFFD", false},
        {"overlong NUL", "\xC0\x80", u"\uFFFD\uFFFD", false},
        {"overlong line feed in three bytes", "\xE0\x80\x8A", u"\uFFFD\uFFFD\uFFFD", false},
        {"overlong in four bytes", "\xF0\x80\x80\x8A", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},
        {"surrogate", "\xED\xA0\x80z", u"\uFFFD\uFFFD\uFFFDz", false},
        {"above U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},
        {"cut at the end", "ab\xE2\x82", u"ab\uFFFD\uFFFD", false},
        {"cut before text", "\xE2z\xF0\x9F\x98", u"\uFFFDz\uFFFD\uFFFD\uFFFD", false},
        {"lone continuation", "\x80x", u"\uFFFDx", false},
    };
    for (const Row& row : rows) {
        if (formats::toUtf16(row.utf8) != row.utf16 ||
            formats::isValidUtf8(row.utf8) != row.valid) {
            check::fail(__FILE__, __LINE__, row.name);
        }
    }
    CHECK_EQ(formats::toUtf8(u"a\xD800" u"b\xDC00"), std::string("a\xEF\xBF\xBD"
                                                             "b\xEF\xBF\xBD"));
}

// An overlong line feed passes a byte check for line feeds and once decoded to one.
TEST_CASE("request values that are not well-formed UTF-8 are refused") {
    for (const char* bad : {"\xC0\x8A", "\xC0\x80", "\xE0\x80\x8D", "\xED\xB0\x80", "\xE2\x82"}) {
        formats::wire::InstallRequest request = sampleRequest();
        request.infPath += std::string(bad) + "infSha1=ffff";
        CHECK(!formats::wire::requestText(request).has_value());
    }
    const std::vector<unsigned char> bytes = formats::wire::encodeText("x\xC0\x8Ay");
    std::string text;
    REQUIRE(formats::wire::decodeText(bytes, text));
    CHECK(text.find('\n') == std::string::npos);
}

TEST_CASE("SHA-1 of known texts") {
    const auto digest = [](const std::string& text) {
        formats::Sha1 hash;
        hash.add(text.data(), text.size());
        return hash.hexDigest(false);
    };
    CHECK_EQ(digest(""), std::string("da39a3ee5e6b4b0d3255bfef95601890afd80709"));
    CHECK_EQ(digest("abc"), std::string("a9993e364706816aba3e25717850c26c9cd0d89d"));
    CHECK_EQ(digest("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
             std::string("84983e441c3bd26ebaae4aa1f95129e5e54670f1"));
    formats::Sha1 million;
    const std::string chunk(1000, 'a');
    for (int i = 0; i < 1000; ++i) {
        million.add(chunk.data(), chunk.size());
    }
    CHECK_EQ(million.hexDigest(true), std::string("34AA973CD4C4DAA4F61EEB2BDBAD27316534016F"));
}

CHECK_MAIN

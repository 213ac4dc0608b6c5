// The install pipe's messages: length, text, request and reply, and their round trips.
#include <cstring>
#include <vector>

#include "formats/installwire.h"
#include "fuzzcheck.h"

namespace wire = formats::wire;

namespace {

// The writer's side: the input as UTF-8 values split at 0x01. Whatever the writer agrees
// to send, the reader must take back field for field (an overlong line feed once split
// infPath in two).
void writeAndReadBack(const std::string& input) {
    std::vector<std::string> fields(1);
    for (const char c : input) {
        if (c == '\x01') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    fields.resize(4);
    wire::InstallRequest sent;
    sent.tempDir = fields[0];
    sent.hardwareId = fields[1];
    sent.infPath = fields[2];
    sent.infSha1 = fields[3];
    sent.rollback = input.size() % 2 == 1;
    const std::optional<std::string> text = wire::requestText(sent);
    if (!text || sent.tempDir.empty() || sent.hardwareId.empty() || sent.infPath.empty() ||
        sent.infSha1.empty()) {
        return;
    }
    std::string decoded;
    FUZZ_CHECK(wire::decodeText(wire::encodeText(*text), decoded));
    wire::InstallRequest received;
    FUZZ_CHECK(wire::parseRequest(decoded, received));
    FUZZ_CHECK(received.tempDir == sent.tempDir && received.hardwareId == sent.hardwareId &&
               received.infPath == sent.infPath && received.infSha1 == sent.infSha1 &&
               received.rollback == sent.rollback);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeAndReadBack(fuzz::text(data, size));
    if (size >= 4) {
        std::int32_t length = 0;
        if (wire::decodeLength(data, length)) {
            FUZZ_CHECK(length > 0 && length % 2 == 0 && length <= wire::kMaxMessageBytes);
        }
    }
    std::string text;
    if (!wire::decodeText(std::vector<unsigned char>(data, data + size), text)) {
        return 0;
    }
    FUZZ_CHECK(text.find('\0') == std::string::npos);

    wire::InstallRequest request;
    if (wire::parseRequest(text, request)) {
        FUZZ_CHECK(!request.tempDir.empty() && !request.hardwareId.empty() &&
                   !request.infPath.empty() && !request.infSha1.empty());
        // What the reader accepted, the writer writes, and it reads back the same.
        const std::optional<std::string> again = wire::requestText(request);
        FUZZ_CHECK(again.has_value());
        const std::vector<unsigned char> header = wire::encodeLength(*again);
        const std::vector<unsigned char> bytes = wire::encodeText(*again);
        std::int32_t length = 0;
        FUZZ_CHECK(header.size() == 4);
        if (wire::decodeLength(header.data(), length)) {
            FUZZ_CHECK(static_cast<std::size_t>(length) == bytes.size());
        }
        std::string decoded;
        FUZZ_CHECK(wire::decodeText(bytes, decoded));
        FUZZ_CHECK(decoded == *again);
        wire::InstallRequest back;
        FUZZ_CHECK(wire::parseRequest(decoded, back));
        FUZZ_CHECK(back.tempDir == request.tempDir && back.hardwareId == request.hardwareId &&
                   back.infPath == request.infPath && back.infSha1 == request.infSha1 &&
                   back.rollback == request.rollback);
    }

    wire::InstallResult result{7, 8, true};
    const wire::InstallResult before = result;
    if (wire::parseReply(text, result)) {
        wire::InstallResult back{1, 2, false};
        FUZZ_CHECK(wire::parseReply(wire::replyText(result), back));
        FUZZ_CHECK(back.systemErrorCode == result.systemErrorCode &&
                   back.errorCode == result.errorCode && back.needReboot == result.needReboot);
    } else {
        FUZZ_CHECK(result.systemErrorCode == before.systemErrorCode &&
                   result.errorCode == before.errorCode && result.needReboot == before.needReboot);
    }
    return 0;
}

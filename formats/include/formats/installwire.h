#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The messages QuillonPro and Installer exchange over the install pipe: a 4-byte
// little-endian length N, then N bytes of UTF-16LE text ending with a NUL.
namespace formats::wire {

// Nothing either side sends comes near this; anything larger is refused unread.
constexpr std::int32_t kMaxMessageBytes = 64 * 1024;

struct InstallRequest {
    std::string tempDir;
    std::string hardwareId;
    std::string infPath;
    std::string infSha1;
    bool rollback = false;
};

struct InstallResult {
    std::uint32_t systemErrorCode = 0;
    std::int32_t errorCode = 0;
    bool needReboot = false;
};

// Values are written verbatim, so one holding a CR, LF or NUL could forge or cut the
// lines the other side reads: such a request is refused (nothing is returned), as is one
// whose values are not well-formed UTF-8.
std::optional<std::string> requestText(const InstallRequest& request);
// False when one of tempDir, hardwareId, infPath or infSha1 is missing or empty, when a
// key appears twice, or when the text holds a CR or NUL.
bool parseRequest(const std::string& text, InstallRequest& request);

std::string replyText(const InstallResult& result);
// Updates only the fields whose keys appear with a well-formed number. False, leaving
// result as it was, when a key appears twice or the text holds a CR or NUL.
bool parseReply(const std::string& text, InstallResult& result);

// The length header and the text with its NUL, ready to write.
std::vector<unsigned char> encodeLength(const std::string& text);
std::vector<unsigned char> encodeText(const std::string& text);

// Decodes a length header; false for a length that is not positive, odd or too large.
bool decodeLength(const unsigned char header[4], std::int32_t& length);
// The text up to its terminating NUL (or all of it), as UTF-8. False when anything but
// NULs follows the first NUL: the text would otherwise be cut short unseen.
bool decodeText(const std::vector<unsigned char>& bytes, std::string& text);

}  // namespace formats::wire

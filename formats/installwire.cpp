#include "formats/installwire.h"

#include <charconv>
#include <cstdio>
#include <initializer_list>

#include "formats/utf.h"

namespace formats::wire {

namespace {

constexpr char kTempDir[] = "tempDir";
constexpr char kHardwareId[] = "hardwareId";
constexpr char kInfPath[] = "infPath";
constexpr char kInfSha1[] = "infSha1";
constexpr char kRollback[] = "rollback";
constexpr char kSystemErrorCode[] = "systemErrorCode";
constexpr char kErrorCode[] = "errorCode";
constexpr char kNeedReboot[] = "needRebootAfterDriversInstall";

// A malformed value would not arrive as written: an overlong line feed decodes to one.
bool writable(const std::string& text) {
    return text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos && isValidUtf8(text);
}

// False when the text holds a CR or NUL, or a known key appears twice: with a later
// line winning, a value that smuggled in a line feed could replace an earlier field.
template <typename Visit>
bool forEachLine(const std::string& text, std::initializer_list<const char*> keys, Visit visit) {
    if (text.find_first_of(std::string("\r\0", 2)) != std::string::npos) {
        return false;
    }
    std::vector<std::string> seen;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = text.substr(start, end - start);
        const size_t equals = line.find('=');
        if (equals != std::string::npos) {
            const std::string key = line.substr(0, equals);
            for (const char* known : keys) {
                if (key == known) {
                    for (const std::string& earlier : seen) {
                        if (earlier == key) {
                            return false;
                        }
                    }
                    seen.push_back(key);
                }
            }
            visit(key, line.substr(equals + 1));
        }
        start = end + 1;
    }
    return true;
}

bool parseInteger(const std::string& value, std::int64_t& number) {
    const char* begin = value.data();
    const char* end = begin + value.size();
    const auto [last, error] = std::from_chars(begin, end, number);
    return error == std::errc() && last == end && begin != end;
}

}  // namespace

std::optional<std::string> requestText(const InstallRequest& request) {
    for (const std::string* value :
         {&request.tempDir, &request.hardwareId, &request.infPath, &request.infSha1}) {
        if (!writable(*value)) {
            return std::nullopt;
        }
    }
    std::string text;
    text += std::string(kTempDir) + "=" + request.tempDir + "\n";
    text += std::string(kHardwareId) + "=" + request.hardwareId + "\n";
    text += std::string(kInfPath) + "=" + request.infPath + "\n";
    text += std::string(kInfSha1) + "=" + request.infSha1 + "\n";
    text += std::string(kRollback) + "=" + (request.rollback ? "true" : "false") + "\n";
    return text;
}

bool parseRequest(const std::string& text, InstallRequest& request) {
    request = InstallRequest();
    const auto store = [&](const std::string& key, const std::string& value) {
        if (key == kTempDir) {
            request.tempDir = value;
        } else if (key == kHardwareId) {
            request.hardwareId = value;
        } else if (key == kInfPath) {
            request.infPath = value;
        } else if (key == kInfSha1) {
            request.infSha1 = value;
        } else if (key == kRollback) {
            request.rollback = value == "true";
        }
    };
    if (!forEachLine(text, {kTempDir, kHardwareId, kInfPath, kInfSha1, kRollback}, store)) {
        return false;
    }
    return !request.tempDir.empty() && !request.hardwareId.empty() && !request.infPath.empty() &&
           !request.infSha1.empty();
}

std::string replyText(const InstallResult& result) {
    char buffer[200];
    std::snprintf(buffer, sizeof(buffer),
                  "systemErrorCode=%d\nerrorCode=%d\nneedRebootAfterDriversInstall=%d",
                  static_cast<std::int32_t>(result.systemErrorCode), result.errorCode,
                  result.needReboot ? 1 : 0);
    return buffer;
}

bool parseReply(const std::string& text, InstallResult& result) {
    InstallResult parsed = result;
    const auto store = [&](const std::string& key, const std::string& value) {
        std::int64_t number = 0;
        if (!parseInteger(value, number)) {
            return;
        }
        if (key == kSystemErrorCode) {
            parsed.systemErrorCode = static_cast<std::uint32_t>(number);
        } else if (key == kErrorCode) {
            parsed.errorCode = static_cast<std::int32_t>(number);
        } else if (key == kNeedReboot) {
            parsed.needReboot = number != 0;
        }
    };
    if (!forEachLine(text, {kSystemErrorCode, kErrorCode, kNeedReboot}, store)) {
        return false;
    }
    result = parsed;
    return true;
}

std::vector<unsigned char> encodeLength(const std::string& text) {
    const std::uint32_t length = static_cast<std::uint32_t>(toUtf16(text).size() * 2 + 2);
    return {static_cast<unsigned char>(length), static_cast<unsigned char>(length >> 8),
            static_cast<unsigned char>(length >> 16), static_cast<unsigned char>(length >> 24)};
}

std::vector<unsigned char> encodeText(const std::string& text) {
    std::vector<unsigned char> bytes;
    const std::u16string wide = toUtf16(text);
    bytes.reserve(wide.size() * 2 + 2);
    for (char16_t c : wide) {
        bytes.push_back(static_cast<unsigned char>(c & 0xff));
        bytes.push_back(static_cast<unsigned char>(c >> 8));
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

bool decodeLength(const unsigned char header[4], std::int32_t& length) {
    const std::uint32_t raw =
        static_cast<std::uint32_t>(header[0]) | static_cast<std::uint32_t>(header[1]) << 8 |
        static_cast<std::uint32_t>(header[2]) << 16 | static_cast<std::uint32_t>(header[3]) << 24;
    length = static_cast<std::int32_t>(raw);
    return length > 0 && length % 2 == 0 && length <= kMaxMessageBytes;
}

bool decodeText(const std::vector<unsigned char>& bytes, std::string& text) {
    std::u16string wide;
    bool ended = false;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t c = static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
        if (c == 0) {
            ended = true;
        } else if (ended) {
            return false;
        } else {
            wide.push_back(c);
        }
    }
    text = toUtf8(wide);
    return true;
}

}  // namespace formats::wire

#include "requesthead.h"

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include <httplib.h>

namespace Service {

namespace {

std::string trimmed(const char* begin, const char* end) {
    while (begin < end && (*begin == ' ' || *begin == '\t')) {
        ++begin;
    }
    while (end > begin && (end[-1] == ' ' || end[-1] == '\t')) {
        --end;
    }
    return std::string(begin, end);
}

// Routing sees the path as the library reads it (fragment cut, the first non-empty piece
// before '?', %XX and %uXXXX decoded), so the limits must be looked up by that path too.
std::string decodedPath(std::string target) {
    target.erase(std::min(target.find('#'), target.size()));
    std::string path;
    bool first = true;
    httplib::detail::split(
        target.data(), target.data() + target.size(), '?', [&](const char* begin, const char* end) {
            if (first) {
                path = httplib::detail::decode_url(std::string(begin, end), false);
            }
            first = false;
        });
    return path;
}

}  // namespace

RequestHead::State RequestHead::scan(const char* data, std::size_t size) {
    if (status_ != 0) {
        return State::Refused;
    }
    if (size_ != 0) {
        return State::Complete;
    }
    std::size_t i = scanned_;
    for (; i < size; ++i) {
        // The library skips a line that lacks its CR and keeps a stray CR in a value, so
        // either would let it act on other header lines than those checked here.
        // A name compared as a C string would match "Content-Length\0x" too.
        if (data[i] == '\0') {
            refuse(400, "a NUL in the request head");
            return State::Refused;
        }
        if (data[i] == '\r') {
            if (i + 1 == size) {
                break;
            }
            if (data[i + 1] != '\n') {
                refuse(400, "a CR without LF in the request head");
                return State::Refused;
            }
            continue;
        }
        if (data[i] != '\n') {
            continue;
        }
        if (i == 0 || data[i - 1] != '\r') {
            refuse(400, "a line feed without CR in the request head");
            return State::Refused;
        }
        ++lines_;
        const bool blank = i - lineStart_ == 1;
        lineStart_ = i + 1;
        if (blank && lines_ > 1) {
            size_ = i + 1;
            break;
        }
        if (lines_ - 1 > limits_.maxHeaders) {
            refuse(431, "more than " + std::to_string(limits_.maxHeaders) + " header lines");
            return State::Refused;
        }
    }
    scanned_ = i;
    if ((size_ == 0 ? size : size_) > limits_.maxBytes) {
        refuse(431, "the request head exceeds " + std::to_string(limits_.maxBytes) + " bytes");
        return State::Refused;
    }
    if (size_ == 0) {
        return State::Incomplete;
    }
    parse(data);
    return status_ != 0 ? State::Refused : State::Complete;
}

void RequestHead::parse(const char* data) {
    const char* const end = data + size_;
    const char* line = data;
    const char* lineEnd = static_cast<const char*>(std::memchr(line, '\n', end - line));
    // Every line ends with CR LF by now.
    const std::string requestLine = trimmed(line, lineEnd - 1);
    const std::size_t space = requestLine.find(' ');
    method_ = requestLine.substr(0, space);
    std::size_t next = std::string::npos;
    if (space != std::string::npos) {
        next = requestLine.find(' ', space + 1);
        path_ = decodedPath(requestLine.substr(
            space + 1, next == std::string::npos ? std::string::npos : next - space - 1));
    }
    static const char* const kMethods[] = {"GET",    "HEAD",    "POST", "PUT",
                                           "DELETE", "OPTIONS", "PATCH"};
    const bool knownMethod = std::any_of(std::begin(kMethods), std::end(kMethods),
                                         [this](const char* known) { return method_ == known; });
    const std::string version =
        next == std::string::npos ? std::string() : requestLine.substr(next + 1);
    if (!knownMethod || (version != "HTTP/1.1" && version != "HTTP/1.0")) {
        // The library would answer and then read the rest of this head as the next request.
        refuse(400, "a malformed request line");
        return;
    }
    for (line = lineEnd + 1; line < end; line = lineEnd + 1) {
        lineEnd = static_cast<const char*>(std::memchr(line, '\n', end - line));
        if (lineEnd - line == 1) {
            break;
        }
        const char* colon = static_cast<const char*>(std::memchr(line, ':', lineEnd - 1 - line));
        if (line[0] == ' ' || line[0] == '\t' || colon == nullptr ||
            std::memchr(line, ' ', colon - line) != nullptr ||
            std::memchr(line, '\t', colon - line) != nullptr) {
            // Folded lines and names with blanks are read differently by different parsers.
            refuse(400, "a malformed header line");
            return;
        }
        const std::string name(line, colon);
        const std::string value = trimmed(colon + 1, lineEnd - 1);
        if (strcasecmp(name.c_str(), "Content-Length") == 0) {
            const bool digits = !value.empty() && value.size() <= 18 &&
                                value.find_first_not_of("0123456789") == std::string::npos;
            if (!digits) {
                badLength_ = true;
                continue;
            }
            const std::uint64_t length = std::stoull(value);
            if (hasLength_ && length != length_) {
                conflictingLength_ = true;
            }
            hasLength_ = true;
            length_ = length;
        } else if (strcasecmp(name.c_str(), "Range") == 0) {
            rangeHeaders_.push_back(static_cast<std::size_t>(line - data));
        } else if (strcasecmp(name.c_str(), "Transfer-Encoding") == 0) {
            if (strcasecmp(value.c_str(), "chunked") == 0) {
                chunked_ = true;
            } else {
                otherEncoding_ = true;
            }
        }
    }
}

int RequestHead::checkBody(const RouteLimits& routes) {
    if (status_ != 0) {
        return status_;
    }
    const BodyLimit limit = routes.find(method_, path_);
    if (badLength_) {
        refuse(400, "Content-Length is not a number");
    } else if (conflictingLength_) {
        // Two lengths let a proxy and this service see different requests.
        refuse(400, "conflicting Content-Length headers");
    } else if (hasLength_ && (chunked_ || otherEncoding_)) {
        refuse(400, "both Content-Length and Transfer-Encoding");
    } else if (otherEncoding_) {
        refuse(400, "unsupported Transfer-Encoding");
    } else if (chunked_ && limit.bytes == 0) {
        refuse(411, "a request body is not accepted here");
    } else if (hasLength_ && length_ > limit.bytes) {
        refuse(413, "request body exceeds " + std::to_string(limit.bytes) + " bytes");
    } else if (!hasLength_ && !chunked_ && RouteLimits::carriesBody(method_)) {
        refuse(411, "Content-Length required");
    }
    return status_;
}

void RequestHead::refuse(int status, const std::string& reason) {
    status_ = status;
    reason_ = reason;
}

}  // namespace Service

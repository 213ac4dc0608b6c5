#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "routelimits.h"

namespace Service {

// The request line and header lines of one request, checked before the HTTP library
// parses them: a bounded size and count, and an unambiguous body framing.
class RequestHead {
public:
    struct Limits {
        std::size_t maxHeaders = 100;
        std::size_t maxBytes = 64 * 1024;
    };
    enum class State { Incomplete, Complete, Refused };

    // The library answers 416 to any Range it cannot parse, before a route is chosen, where
    // HTTP says to ignore it; so the stream hands Range headers on under this name, which
    // only the file hosting reads.
    static constexpr const char* kRangeHeader = "Quillon-Range";

    RequestHead() : RequestHead(Limits()) {}
    explicit RequestHead(Limits limits) : limits_(limits) {}

    // Looks at the bytes received so far, which start with the head and only grow between
    // calls; each call scans only what is new.
    State scan(const char* data, std::size_t size);
    // The head's length including its blank line, once Complete.
    std::size_t size() const { return size_; }

    // After Complete: the status that refuses the body's framing against the route's
    // limits, or 0 when the body may be read.
    int checkBody(const RouteLimits& routes);

    int status() const { return status_; }
    const std::string& reason() const { return reason_; }
    const std::string& method() const { return method_; }
    const std::string& path() const { return path_; }
    // The body framing the head declares, once Complete.
    bool chunked() const { return chunked_; }
    bool hasLength() const { return hasLength_; }
    std::uint64_t length() const { return length_; }
    // Where each Range header's name starts in the head.
    const std::vector<std::size_t>& rangeHeaders() const { return rangeHeaders_; }

private:
    void parse(const char* data);
    void refuse(int status, const std::string& reason);

    Limits limits_;
    std::size_t scanned_ = 0;
    std::size_t lineStart_ = 0;
    std::size_t lines_ = 0;
    std::size_t size_ = 0;
    int status_ = 0;
    std::string reason_;
    std::string method_;
    std::string path_;
    bool chunked_ = false;
    bool otherEncoding_ = false;
    bool hasLength_ = false;
    bool badLength_ = false;
    bool conflictingLength_ = false;
    std::uint64_t length_ = 0;
    std::vector<std::size_t> rangeHeaders_;
};

}  // namespace Service

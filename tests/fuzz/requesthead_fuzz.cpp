// The service's request head check against the HTTP library's own reading of the same
// bytes: whatever the check lets through, the library must frame exactly as checked,
// or a request could carry a second one past the check.
#include <strings.h>

#include <algorithm>
#include <cstring>

#include <httplib.h>

#include "fuzzcheck.h"
#include "requesthead.h"
#include "routelimits.h"

namespace {

class MemoryStream : public httplib::Stream {
public:
    explicit MemoryStream(const std::string& data) : data_(data) {}

    bool is_readable() const override { return true; }
    bool is_writable() const override { return true; }
    ssize_t read(char* ptr, std::size_t size) override {
        const std::size_t n = std::min(size, data_.size() - position_);
        std::memcpy(ptr, data_.data() + position_, n);
        position_ += n;
        return static_cast<ssize_t>(n);
    }
    ssize_t write(const char*, std::size_t size) override { return static_cast<ssize_t>(size); }
    void get_remote_ip_and_port(std::string& ip, int& port) const override {
        ip = "127.0.0.1";
        port = 1;
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override {
        ip = "127.0.0.1";
        port = 2;
    }
    socket_t socket() const override { return INVALID_SOCKET; }

    std::size_t position() const { return position_; }

private:
    const std::string& data_;
    std::size_t position_ = 0;
};

// What the library made of the head, taken as soon as it has read it, before any body.
struct LibraryView {
    bool read = false;
    std::size_t headBytes = 0;
    httplib::Request request;
};

class LibraryReader : public httplib::Server {
public:
    LibraryView readHead(const std::string& data) {
        MemoryStream stream(data);
        LibraryView view;
        bool closed = false;
        process_request(stream, true, closed, [&](httplib::Request& request) {
            view.read = true;
            view.headBytes = stream.position();
            view.request = request;
        });
        return view;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Service::RouteLimits routes({1 << 20, 1000});
    static LibraryReader library;
    const std::string bytes = fuzz::text(data, size);

    Service::RequestHead head;
    const Service::RequestHead::State state = head.scan(bytes.data(), bytes.size());
    // Fed as it arrives, in two pieces, the check reaches the same verdict.
    Service::RequestHead pieces;
    if (pieces.scan(bytes.data(), size / 2) == Service::RequestHead::State::Incomplete) {
        FUZZ_CHECK(pieces.scan(bytes.data(), size) == state);
        FUZZ_CHECK(pieces.size() == head.size() && pieces.status() == head.status());
    }
    if (state != Service::RequestHead::State::Complete || head.checkBody(routes) != 0) {
        return 0;
    }
    const LibraryView view = library.readHead(bytes);
    if (!view.read) {
        return 0;  // the library refuses the request itself
    }
    const httplib::Request& request = view.request;
    FUZZ_CHECK(view.headBytes == head.size());
    FUZZ_CHECK(request.method == head.method());
    FUZZ_CHECK(request.path == head.path());
    const bool chunked =
        strcasecmp(request.get_header_value("Transfer-Encoding").c_str(), "chunked") == 0;
    FUZZ_CHECK(chunked == head.chunked());
    const std::size_t lengths = request.get_header_value_count("Content-Length");
    FUZZ_CHECK((lengths > 0) == head.hasLength());
    for (std::size_t i = 0; i < lengths; ++i) {
        FUZZ_CHECK(request.get_header_value<std::uint64_t>("Content-Length", i) == head.length());
    }
    return 0;
}

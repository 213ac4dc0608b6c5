#include "filehosting.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <httplib.h>
#include <nlohmann/json.hpp>

#include "formats/safename.h"
#include "requesthead.h"

namespace Service {

namespace {

constexpr std::size_t kMaxPathLength = 1024;
constexpr std::size_t kChunkSize = 256 * 1024;

void failWith(httplib::Response& response, int status, const std::string& message) {
    response.status = status;
    response.set_content(nlohmann::json{{"error", {{"code", status}, {"message", message}}}}.dump(),
                         "application/json; charset=utf-8");
}

bool parseNumber(const std::string& text, std::uint64_t& value) {
    if (text.empty() || text.size() > 19 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    value = std::strtoull(text.c_str(), nullptr, 10);
    return true;
}

std::string realPath(const std::string& path) {
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : std::string();
}

}  // namespace

FileHosting::Range FileHosting::parseRange(const std::string& header, std::uint64_t size) {
    Range range;
    const std::string prefix = "bytes=";
    if (header.compare(0, prefix.size(), prefix) != 0) {
        return range;
    }
    std::string asked = header.substr(prefix.size());
    while (!asked.empty() && (asked.back() == ' ' || asked.back() == '\t')) {
        asked.pop_back();
    }
    const std::size_t dash = asked.find('-');
    if (dash == std::string::npos || asked.find(',') != std::string::npos) {
        return range;
    }
    const std::string firstText = asked.substr(0, dash);
    const std::string lastText = asked.substr(dash + 1);
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    if (firstText.empty()) {
        std::uint64_t suffix = 0;
        if (!parseNumber(lastText, suffix)) {
            return range;
        }
        if (suffix == 0 || size == 0) {
            range.kind = Range::Kind::Unsatisfiable;
            return range;
        }
        range.kind = Range::Kind::Part;
        range.first = suffix >= size ? 0 : size - suffix;
        range.last = size - 1;
        return range;
    }
    if (!parseNumber(firstText, first)) {
        return range;
    }
    if (lastText.empty()) {
        last = UINT64_MAX;
    } else if (!parseNumber(lastText, last) || last < first) {
        return range;
    }
    if (first >= size) {
        range.kind = Range::Kind::Unsatisfiable;
        return range;
    }
    range.kind = Range::Kind::Part;
    range.first = first;
    range.last = last >= size ? size - 1 : last;
    return range;
}

bool FileHosting::open(const std::string& root, std::string& error) {
    if (::mkdir(root.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot create the hosted folder " + root + ": " + std::strerror(errno);
        return false;
    }
    root_ = realPath(root);
    if (root_.empty()) {
        error = "cannot resolve the hosted folder " + root;
        return false;
    }
    return true;
}

void FileHosting::serve(const httplib::Request& request, httplib::Response& response,
                        const std::string& relative) const {
    if (relative.size() > kMaxPathLength || !formats::isSafeRelativeName(relative)) {
        failWith(response, 404, "no such file");
        return;
    }
    // Links are followed only while they stay inside the hosted folder.
    const std::string resolved = realPath(root_ + "/" + relative);
    if (resolved.empty() || resolved.compare(0, root_.size() + 1, root_ + "/") != 0) {
        failWith(response, 404, "no such file");
        return;
    }
    // Without O_NONBLOCK, opening a FIFO would wait for a writer that never comes.
    const int fd = ::open(resolved.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd >= 0) {
            ::close(fd);
        }
        failWith(response, 404, "no such file");
        return;
    }
    const auto file = std::shared_ptr<int>(new int(fd), [](int* descriptor) {
        ::close(*descriptor);
        delete descriptor;
    });
    const auto size = static_cast<std::uint64_t>(info.st_size);
    const std::string sizeText = std::to_string(size);
    response.set_header("Accept-Ranges", "bytes");

    Range range;
    if (request.has_header(RequestHead::kRangeHeader)) {
        range = parseRange(request.get_header_value(RequestHead::kRangeHeader), size);
    }
    if (range.kind == Range::Kind::Unsatisfiable) {
        failWith(response, 416, "the range is outside the file's " + sizeText + " bytes");
        response.set_header("Content-Range", "bytes */" + sizeText);
        return;
    }
    std::uint64_t first = 0;
    std::uint64_t length = size;
    if (range.kind == Range::Kind::Part) {
        first = range.first;
        length = range.last - range.first + 1;
        response.status = 206;
        response.set_header("Content-Range", "bytes " + std::to_string(range.first) + "-" +
                                                 std::to_string(range.last) + "/" + sizeText);
    } else {
        response.status = 200;
    }
    if (length == 0) {
        response.set_content(std::string(), "application/octet-stream");
        return;
    }
    response.set_content_provider(
        static_cast<std::size_t>(length), "application/octet-stream",
        [file, first](std::size_t offset, std::size_t wanted, httplib::DataSink& sink) {
            thread_local std::vector<char> buffer(kChunkSize);
            const std::size_t count = std::min(wanted, buffer.size());
            const ssize_t got =
                ::pread(*file, buffer.data(), count, static_cast<off_t>(first + offset));
            if (got <= 0) {
                return false;
            }
            return sink.write(buffer.data(), static_cast<std::size_t>(got));
        });
}

}  // namespace Service

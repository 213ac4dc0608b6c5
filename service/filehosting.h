#pragma once

#include <cstdint>
#include <string>

namespace httplib {
struct Request;
struct Response;
}  // namespace httplib

namespace Service {

// Serves the files below one folder of the data folder, streamed from disk, with HEAD
// and single byte ranges. No request path reaches outside that folder.
class FileHosting {
public:
    struct Range {
        enum class Kind { Whole, Part, Unsatisfiable };
        Kind kind = Kind::Whole;
        std::uint64_t first = 0;
        std::uint64_t last = 0;
    };

    // One "bytes=a-b", "bytes=a-" or "bytes=-n" against a file of `size` bytes. Other
    // forms (several ranges, other units, a-b with b < a) are ignored, as HTTP allows.
    static Range parseRange(const std::string& header, std::uint64_t size);
    // Creates the folder when missing and remembers its real path.
    bool open(const std::string& root, std::string& error);
    const std::string& root() const { return root_; }

    // Answers `relative` (below the root) with its bytes, or 404 / 416 with the error object.
    void serve(const httplib::Request& request, httplib::Response& response,
               const std::string& relative) const;

private:
    std::string root_;
};

}  // namespace Service

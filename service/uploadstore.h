#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace httplib {
struct Request;
struct Response;
class ContentReader;
}  // namespace httplib

namespace Service {

// The archives clients upload, each kept once under the lower-case SHA-1 of its bytes.
class UploadStore {
public:
    struct Failure {
        int status = 0;
        std::string message;
    };

    UploadStore();
    ~UploadStore();

    bool open(const std::string& folder, std::string& error);
    const std::string& folder() const { return folder_; }

    static bool isSha1(const std::string& text);
    static std::string lowerCase(std::string text);
    bool has(const std::string& sha1) const;

    // Reads a form-data body whose parts "files[N]" are archives and stores each of them;
    // nothing is stored unless the whole body was read within `limit` bytes.
    Failure receive(const httplib::Request& request, const httplib::ContentReader& reader,
                    std::size_t limit, std::vector<std::string>& hashes);

    // Most archives one upload may carry.
    static constexpr std::size_t kMaxParts = 64;

private:
    class Incoming;

    std::string folder_;
};

}  // namespace Service

#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

namespace httplib {
struct Request;
struct Response;
class ContentReader;
}  // namespace httplib

namespace Service {

class ServiceStore;

// The driver archives clients upload, each kept once under its content hash (the name the
// client checks and marks its drivers by), and which installation holds which of them.
class UploadStore {
public:
    struct Failure {
        int status = 0;
        std::string message;
    };

    UploadStore();
    ~UploadStore();

    // The archives live in folder, their records in store.
    bool open(const std::string& folder, ServiceStore& store, std::string& error);
    void close();
    const std::string& folder() const { return folder_; }

    static bool isSha1(const std::string& text);
    static std::string lowerCase(std::string text);
    bool has(const std::string& hash) const;

    // The hashes (40 hexadecimal digits each, any case) that the store does not hold, lower
    // case, each once, in the order asked; those it holds are recorded for the installation.
    bool check(const std::string& installation, const std::vector<std::string>& hashes,
               std::vector<std::string>& wanted, std::string& error);

    // Reads a form-data body whose parts "files[N]" are driver archives and stores each of
    // them under its content hash; nothing is stored unless the whole body was read within
    // `limit` bytes. An archive that cannot be read or holds no driver file is not accepted:
    // its hash is missing from `hashes` and the reason is in `refused`.
    Failure receive(const httplib::Request& request, const httplib::ContentReader& reader,
                    std::size_t limit, const std::string& installation,
                    std::vector<std::string>& hashes, std::vector<std::string>& refused);

    // Most archives one upload may carry.
    static constexpr std::size_t kMaxParts = 64;

private:
    class Incoming;

    std::string folder_;
    mutable std::mutex mutex_;
    std::unordered_set<std::string> held_;
    ServiceStore* store_ = nullptr;
};

}  // namespace Service

#include "uploadstore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <regex>

#include <httplib.h>

#include "drivercontenthash.h"
#include "formats/text.h"
#include "servicestore.h"

namespace Service {

namespace {

// The declared body size; 0 when absent or unreadable.
std::uint64_t declaredLength(const httplib::Request& request) {
    const std::string value = request.get_header_value("Content-Length");
    return value.empty() || value.find_first_not_of("0123456789") != std::string::npos
               ? 0
               : std::strtoull(value.c_str(), nullptr, 10);
}

}  // namespace

// One archive on its way in: a temporary file in the store's folder.
class UploadStore::Incoming {
public:
    explicit Incoming(const std::string& folder) : path_(folder + "/.incoming-XXXXXX") {
        fd_ = ::mkstemp(path_.data());
    }
    ~Incoming() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!committed_) {
            ::unlink(path_.c_str());
        }
    }
    Incoming(const Incoming&) = delete;
    Incoming& operator=(const Incoming&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }
    std::uint64_t size() const { return size_; }

    bool append(const char* data, std::size_t length) {
        size_ += length;
        while (length > 0) {
            const ssize_t written = ::write(fd_, data, length);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return false;
            }
            data += written;
            length -= static_cast<std::size_t>(written);
        }
        return true;
    }

    bool sync() { return ::fsync(fd_) == 0; }

    // Moves the file under its name; an archive already held under it is replaced by the
    // same content.
    bool commit(const std::string& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) {
            return false;
        }
        committed_ = true;
        return true;
    }

private:
    std::string path_;
    int fd_ = -1;
    std::uint64_t size_ = 0;
    bool committed_ = false;
};

UploadStore::UploadStore() = default;

UploadStore::~UploadStore() {
    close();
}

namespace {

std::int64_t secondsNow() {
    return static_cast<std::int64_t>(::time(nullptr));
}

void syncFolder(const std::string& path) {
    const int folder = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

}  // namespace

bool UploadStore::open(const std::string& folder, ServiceStore& store, std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot create the upload folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    folder_ = folder;
    store_ = &store;
    // A check asks about every driver of a machine at once: the answer is a set lookup each.
    std::vector<std::string> hashes;
    if (!store.uploadedArchives(hashes, error)) {
        error = "upload tables: " + error;
        return false;
    }
    held_ = std::unordered_set<std::string>(hashes.begin(), hashes.end());
    return true;
}

void UploadStore::close() {
    std::lock_guard<std::mutex> lock(mutex_);
    store_ = nullptr;
}

bool UploadStore::isSha1(const std::string& text) {
    return text.size() == 40 && std::all_of(text.begin(), text.end(), formats::text::isHexDigit);
}

std::string UploadStore::lowerCase(std::string text) {
    return formats::text::lower(std::move(text));
}

bool UploadStore::has(const std::string& hash) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return held_.count(lowerCase(hash)) != 0;
}

bool UploadStore::check(const std::string& installation, const std::vector<std::string>& hashes,
                        std::vector<std::string>& wanted, std::string& error) {
    std::unordered_set<std::string> seen;
    std::vector<std::string> held;
    std::vector<std::string> unknown;
    ServiceStore* store = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        store = store_;
        for (const std::string& asked : hashes) {
            std::string hash = lowerCase(asked);
            if (!seen.insert(hash).second) {
                continue;
            }
            (held_.count(hash) != 0 ? held : unknown).push_back(std::move(hash));
        }
    }
    if (store == nullptr) {
        error = "the store is closed";
        return false;
    }
    // Instances sharing a store learn there what the others received.
    std::vector<std::string> elsewhere;
    if (store->shared() && !store->heldArchives(unknown, elsewhere, error)) {
        return false;
    }
    const std::unordered_set<std::string> found(elsewhere.begin(), elsewhere.end());
    for (std::string& hash : unknown) {
        (found.count(hash) != 0 ? held : wanted).push_back(std::move(hash));
    }
    if (!found.empty()) {
        std::lock_guard<std::mutex> lock(mutex_);
        held_.insert(found.begin(), found.end());
    }
    // What another installation sent already is this one's copy too.
    return store->recordUploadHoldings(installation, held, secondsNow(), error);
}

UploadStore::Failure UploadStore::receive(const httplib::Request& request,
                                          const httplib::ContentReader& reader, std::size_t limit,
                                          const std::string& installation,
                                          std::vector<std::string>& hashes,
                                          std::vector<std::string>& refused) {
    if (!request.is_multipart_form_data()) {
        return {415, "the upload is a multipart/form-data body"};
    }
    if (declaredLength(request) > limit) {
        return {413, "request body exceeds " + std::to_string(limit) + " bytes"};
    }
    static const std::regex kFileField(R"(files\[[0-9]{1,6}\])");
    std::vector<std::unique_ptr<Incoming>> parts;
    Incoming* current = nullptr;
    std::size_t received = 0;
    Failure failure;
    const bool complete = reader(
        [&](const httplib::MultipartFormData& field) {
            current = nullptr;
            if (!std::regex_match(field.name, kFileField)) {
                return true;
            }
            if (parts.size() == kMaxParts) {
                failure = {400,
                           "an upload carries at most " + std::to_string(kMaxParts) + " archives"};
                return false;
            }
            parts.push_back(std::make_unique<Incoming>(folder_));
            if (!parts.back()->isOpen()) {
                failure = {500, "cannot store the upload"};
                return false;
            }
            current = parts.back().get();
            return true;
        },
        [&](const char* data, std::size_t length) {
            received += length;
            if (received > limit) {
                failure = {413, "request body exceeds " + std::to_string(limit) + " bytes"};
                return false;
            }
            if (current != nullptr && !current->append(data, length)) {
                failure = {500, "cannot store the upload"};
                return false;
            }
            return true;
        });
    if (failure.status != 0) {
        return failure;
    }
    if (!complete) {
        return {400, "the multipart body could not be read"};
    }
    std::vector<std::pair<std::string, Incoming*>> accepted;
    for (const std::unique_ptr<Incoming>& part : parts) {
        if (!part->sync()) {
            return {500, "cannot store the upload"};
        }
        std::string hash;
        std::string error;
        if (!DriverContentHash::ofArchive(part->path(), DriverContentHash::Limits(), hash, error)) {
            refused.push_back(error);
            continue;
        }
        if (std::find(hashes.begin(), hashes.end(), hash) == hashes.end()) {
            hashes.push_back(hash);
            accepted.emplace_back(hash, part.get());
        }
    }
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::pair<std::string, std::int64_t>> added;
    for (const auto& [hash, part] : accepted) {
        if (held_.count(hash) != 0) {
            continue;
        }
        if (!part->commit(folder_ + "/" + hash)) {
            return {500, "cannot store the upload"};
        }
        added.emplace_back(hash, static_cast<std::int64_t>(part->size()));
    }
    // The renames last as long as the folder's entry does; only then are they recorded.
    syncFolder(folder_);
    std::string error;
    const std::int64_t now = secondsNow();
    if (store_ == nullptr || !store_->recordUploadedArchives(added, now, error)) {
        return {500, "cannot record the upload"};
    }
    for (const auto& added_archive : added) {
        held_.insert(added_archive.first);
    }
    if (!store_->recordUploadHoldings(installation, hashes, now, error)) {
        return {500, "cannot record the upload"};
    }
    return {};
}

}  // namespace Service

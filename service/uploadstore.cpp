#include "uploadstore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <regex>

#include <httplib.h>
#include <openssl/evp.h>

#include "formats/text.h"

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

// One archive on its way in: a temporary file in the store's folder and its running SHA-1.
class UploadStore::Incoming {
public:
    explicit Incoming(const std::string& folder) : path_(folder + "/.incoming-XXXXXX") {
        fd_ = ::mkstemp(path_.data());
        digest_ = EVP_MD_CTX_new();
        if (digest_ != nullptr && EVP_DigestInit_ex(digest_, EVP_sha1(), nullptr) != 1) {
            EVP_MD_CTX_free(digest_);
            digest_ = nullptr;
        }
    }
    ~Incoming() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!committed_) {
            ::unlink(path_.c_str());
        }
        EVP_MD_CTX_free(digest_);
    }
    Incoming(const Incoming&) = delete;
    Incoming& operator=(const Incoming&) = delete;

    bool isOpen() const { return fd_ >= 0 && digest_ != nullptr; }

    bool append(const char* data, std::size_t length) {
        if (EVP_DigestUpdate(digest_, data, length) != 1) {
            return false;
        }
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

    // Moves the file under its hash; an archive already held is simply kept.
    bool commit(const std::string& folder, std::string& sha1) {
        unsigned char hash[EVP_MAX_MD_SIZE];
        unsigned int size = 0;
        if (EVP_DigestFinal_ex(digest_, hash, &size) != 1 || ::fsync(fd_) != 0) {
            return false;
        }
        static const char kHex[] = "0123456789abcdef";
        sha1.clear();
        for (unsigned int i = 0; i < size; ++i) {
            sha1 += kHex[hash[i] >> 4];
            sha1 += kHex[hash[i] & 15];
        }
        if (::rename(path_.c_str(), (folder + "/" + sha1).c_str()) != 0) {
            return false;
        }
        committed_ = true;
        return true;
    }

private:
    std::string path_;
    int fd_ = -1;
    EVP_MD_CTX* digest_ = nullptr;
    bool committed_ = false;
};

UploadStore::UploadStore() = default;
UploadStore::~UploadStore() = default;

bool UploadStore::open(const std::string& folder, std::string& error) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot create the upload folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    folder_ = folder;
    return true;
}

bool UploadStore::isSha1(const std::string& text) {
    return text.size() == 40 && std::all_of(text.begin(), text.end(), formats::text::isHexDigit);
}

std::string UploadStore::lowerCase(std::string text) {
    return formats::text::lower(std::move(text));
}

bool UploadStore::has(const std::string& sha1) const {
    struct stat info {};
    return isSha1(sha1) && ::stat((folder_ + "/" + lowerCase(sha1)).c_str(), &info) == 0 &&
           S_ISREG(info.st_mode);
}

UploadStore::Failure UploadStore::receive(const httplib::Request& request,
                                          const httplib::ContentReader& reader, std::size_t limit,
                                          std::vector<std::string>& hashes) {
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
    for (const std::unique_ptr<Incoming>& part : parts) {
        std::string sha1;
        if (!part->commit(folder_, sha1)) {
            return {500, "cannot store the upload"};
        }
        if (std::find(hashes.begin(), hashes.end(), sha1) == hashes.end()) {
            hashes.push_back(sha1);
        }
    }
    // The renames last as long as the folder's entry does.
    const int folder = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

}  // namespace Service

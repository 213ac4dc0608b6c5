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
#include <sqlite3.h>

#include <formats/text.h>

#include "drivercontenthash.h"

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

const char kSchema[] =
    "CREATE TABLE IF NOT EXISTS upload_archives ("
    " hash TEXT PRIMARY KEY, size INTEGER NOT NULL, received_at INTEGER NOT NULL)"
    " WITHOUT ROWID;"
    "CREATE TABLE IF NOT EXISTS upload_holdings ("
    " appid TEXT NOT NULL, hash TEXT NOT NULL, recorded_at INTEGER NOT NULL,"
    " PRIMARY KEY (appid, hash)) WITHOUT ROWID;";

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

bool UploadStore::open(const std::string& folder, const std::string& database, std::string& error) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot create the upload folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    folder_ = folder;
    if (sqlite3_open_v2(database.c_str(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX |
                            SQLITE_OPEN_NOFOLLOW,
                        nullptr) != SQLITE_OK) {
        error = "cannot open " + database + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory");
        sqlite3_close(db_);
        db_ = nullptr;
        return false;
    }
    sqlite3_busy_timeout(db_, 5000);
    if (!executeSql(db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;", error) ||
        !executeSql(db_, kSchema, error) ||
        !(insertArchive_ = std::make_unique<SqliteStatement>())
             ->prepare(db_,
                       "INSERT OR IGNORE INTO upload_archives (hash, size, received_at)"
                       " VALUES (?1, ?2, ?3)") ||
        !(insertHolding_ = std::make_unique<SqliteStatement>())
             ->prepare(db_,
                       "INSERT OR IGNORE INTO upload_holdings (appid, hash, recorded_at)"
                       " VALUES (?1, ?2, ?3)")) {
        error =
            "upload tables in " + database + ": " + (error.empty() ? sqlite3_errmsg(db_) : error);
        return false;
    }
    // A check asks about every driver of a machine at once: the answer is a set lookup each.
    SqliteStatement all(db_, "SELECT hash FROM upload_archives");
    held_.clear();
    while (all.next()) {
        held_.insert(all.text(0));
    }
    if (all.failed()) {
        error = "upload tables in " + database + ": " + sqlite3_errmsg(db_);
        return false;
    }
    return true;
}

void UploadStore::close() {
    std::lock_guard<std::mutex> lock(mutex_);
    insertArchive_.reset();
    insertHolding_.reset();
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
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

bool UploadStore::recordHoldings(const std::string& installation,
                                 const std::vector<std::string>& hashes, std::string& error) {
    if (db_ == nullptr) {
        error = "the store is closed";
        return false;
    }
    if (hashes.empty()) {
        return true;
    }
    if (!executeSql(db_, "BEGIN IMMEDIATE", error)) {
        return false;
    }
    const std::int64_t now = secondsNow();
    for (const std::string& hash : hashes) {
        insertHolding_->bind(1, installation);
        insertHolding_->bind(2, hash);
        insertHolding_->bind(3, now);
        if (!insertHolding_->run()) {
            error = sqlite3_errmsg(db_);
            std::string ignored;
            executeSql(db_, "ROLLBACK", ignored);
            return false;
        }
    }
    return executeSql(db_, "COMMIT", error);
}

bool UploadStore::check(const std::string& installation, const std::vector<std::string>& hashes,
                        std::vector<std::string>& wanted, std::string& error) {
    std::unordered_set<std::string> seen;
    std::vector<std::string> held;
    std::lock_guard<std::mutex> lock(mutex_);
    for (const std::string& asked : hashes) {
        std::string hash = lowerCase(asked);
        if (!seen.insert(hash).second) {
            continue;
        }
        if (held_.count(hash) != 0) {
            held.push_back(std::move(hash));
        } else {
            wanted.push_back(std::move(hash));
        }
    }
    // What another installation sent already is this one's copy too.
    return recordHoldings(installation, held, error);
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
    if (db_ == nullptr || !executeSql(db_, "BEGIN IMMEDIATE", error)) {
        return {500, "cannot record the upload"};
    }
    const std::int64_t now = secondsNow();
    for (const auto& [hash, size] : added) {
        insertArchive_->bind(1, hash);
        insertArchive_->bind(2, size);
        insertArchive_->bind(3, now);
        if (!insertArchive_->run()) {
            executeSql(db_, "ROLLBACK", error);
            return {500, "cannot record the upload"};
        }
    }
    if (!executeSql(db_, "COMMIT", error)) {
        return {500, "cannot record the upload"};
    }
    for (const auto& added_archive : added) {
        held_.insert(added_archive.first);
    }
    if (!recordHoldings(installation, hashes, error)) {
        return {500, "cannot record the upload"};
    }
    return {};
}

bool UploadStore::totals(const std::string& database, Totals& totals, std::string& error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(database.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW,
                        nullptr) != SQLITE_OK) {
        error = "cannot open " + database + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
        sqlite3_close(db);
        return false;
    }
    bool ok = true;
    {
        SqliteStatement archives(db,
                                 "SELECT count(*), coalesce(sum(size), 0) FROM upload_archives");
        SqliteStatement holdings(db, "SELECT count(DISTINCT appid), count(*) FROM upload_holdings");
        if (!archives.valid() || !holdings.valid()) {
            // A store that never received an upload has no upload tables yet.
            totals = Totals();
        } else if (archives.next() && holdings.next()) {
            totals.archives = archives.integer(0);
            totals.bytes = archives.integer(1);
            totals.installations = holdings.integer(0);
            totals.holdings = holdings.integer(1);
            archives.reset();
            holdings.reset();
        } else {
            error = database + ": " + sqlite3_errmsg(db);
            ok = false;
        }
    }
    sqlite3_close(db);
    return ok;
}

}  // namespace Service

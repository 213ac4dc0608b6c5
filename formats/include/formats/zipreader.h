#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "formats/zip.h"

namespace formats {

class ArchiveFile;

// Reads a zip archive: its entries and, one at a time, an entry's bytes. An archive with one
// entry that could not be extracted safely on Windows or Linux (a name outside its root or
// that the one name rule refuses, a link, a name repeated or colliding when case is ignored,
// sizes beyond the limits) is refused as a whole, so no caller ever has to think about them.
class ZipReader {
public:
    struct Entry {
        // UTF-8 (a name without the UTF-8 flag that is not UTF-8 is read as code page 437);
        // '/' and '\' both separate folders
        std::string name;
        std::uint64_t size = 0;
        std::uint64_t compressedSize = 0;
        std::uint32_t crc = 0;
        bool directory = false;
    };

    // Central directories claiming more are not archives anyone builds by hand or by tool.
    static constexpr std::size_t kMaxEntries = 100000;
    static constexpr std::size_t kMaxNameBytes = 1024;

    ZipReader();
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    bool open(const std::string& path, std::string& error);
    bool open(const std::string& path, const ZipLimits& limits, std::string& error);
    void close();
    bool isOpen() const { return handle_ != nullptr; }

    const std::vector<Entry>& entries() const { return entries_; }
    // The index of the entry of that name (exact bytes), or -1.
    long find(const std::string& name) const;

    // The whole entry, checked against its CRC; refused when it is, or inflates to, more than
    // maxBytes.
    bool read(std::size_t index, std::size_t maxBytes, std::string& out, std::string& error);

    // Streams the entry's inflated bytes to sink in blocks of at most 256 KiB, never more
    // than its directory claims, and checks its CRC at the end. sink answers false (setting
    // error) to stop.
    using Sink = std::function<bool(const char* data, std::size_t size, std::string& error)>;
    bool readTo(std::size_t index, const Sink& sink, const ZipCancel* cancel, std::string& error);

    // False for names that would leave the folder they are extracted into; a directory
    // entry's one trailing separator is allowed.
    static bool isSafeName(const std::string& name);

private:
    struct Position {
        std::uint64_t directoryOffset = 0;
        std::uint64_t fileNumber = 0;
        int method = 0;
        bool encrypted = false;
    };

    bool check(const std::string& path, const ZipLimits& limits, std::string& error);

    void* handle_ = nullptr;
    std::unique_ptr<ArchiveFile> file_;
    std::vector<char> buffer_;
    std::vector<Entry> entries_;
    std::vector<Position> positions_;
};

}  // namespace formats

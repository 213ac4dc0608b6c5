#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace formats {

// Reads a zip archive: its entries and, one at a time, an entry's bytes into memory.
// An archive that names an entry outside its root (absolute, a drive letter, "..") is
// refused as a whole, so no caller ever has to think about such names.
class ZipReader {
public:
    struct Entry {
        std::string name;  // as stored; '/' and '\' both separate folders
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
    void close();
    bool isOpen() const { return handle_ != nullptr; }

    const std::vector<Entry>& entries() const { return entries_; }
    // The index of the entry of that name (exact bytes), or -1.
    long find(const std::string& name) const;

    // The whole entry, checked against its CRC; refused when it is, or inflates to, more than
    // maxBytes.
    bool read(std::size_t index, std::size_t maxBytes, std::string& out, std::string& error);

    // False for names that would leave the folder they are extracted into.
    static bool isSafeName(const std::string& name);

private:
    struct Position {
        std::uint64_t directoryOffset = 0;
        std::uint64_t fileNumber = 0;
    };

    void* handle_ = nullptr;
    std::vector<Entry> entries_;
    std::vector<Position> positions_;
};

}  // namespace formats

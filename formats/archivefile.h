#pragma once

#include <minizip/ioapi.h>

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

// The files and folders under the zip component: UTF-8 paths on every system (UTF-16 inside
// the Windows variant), buffered so minizip's many small header reads and writes stay cheap.
namespace formats {

class ArchiveFile {
public:
    enum class Mode { Read, CreateNew };

    ArchiveFile() = default;
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    // CreateNew fails when anything, a link included, is already at path.
    bool open(const std::string& path, Mode mode, std::string& error);
    bool isOpen() const { return handle_ != kNoHandle; }

    // got < size only at the end of the file.
    bool read(void* data, std::size_t size, std::size_t& got);
    bool write(const void* data, std::size_t size);
    bool seek(std::int64_t offset, int origin);
    std::int64_t tell() const;
    // Flushes the buffer and then the system's caches to the disk.
    bool sync(std::string& error);
    bool close(std::string& error);

    std::uint64_t size() const { return size_; }
    // Seconds since 1970 of the last write, as the file had it when opened.
    std::int64_t modified() const { return modified_; }
    // The first failure's text; writes after it do nothing.
    const std::string& failure() const { return failure_; }

    // A table that makes minizip read or write this (already open) file; its open ignores the
    // name it is given.
    zlib_filefunc64_def functions();

private:
    static constexpr std::intptr_t kNoHandle = -1;
    static constexpr std::size_t kBufferBytes = 256 * 1024;

    bool flushWrites();
    bool fail(const std::string& what);
    // One file per system defines these.
    bool osOpen(const std::string& path, Mode mode, std::string& error);
    bool osRead(void* data, std::size_t size, std::size_t& got);
    bool osWrite(const void* data, std::size_t size);
    bool osSeek(std::int64_t offset, int origin, std::int64_t& position);
    bool osSync();
    bool osClose();
    std::string osError() const;

    std::intptr_t handle_ = kNoHandle;
    Mode mode_ = Mode::Read;
    std::vector<char> buffer_;
    std::size_t bufferStart_ = 0;  // read: next byte to hand out
    std::size_t bufferEnd_ = 0;    // read: bytes held; write: bytes waiting
    std::int64_t position_ = 0;    // the system's position
    std::uint64_t size_ = 0;
    std::int64_t modified_ = 0;
    std::string path_;
    std::string failure_;
};

// Moves from over to, replacing a file there in one step, and makes the move durable.
bool replaceFile(const std::string& from, const std::string& to, std::string& error);

// A new, empty folder beside target (same parent, created when missing) named after it.
bool makeFolderBeside(const std::string& target, const std::string& tag, std::string& created,
                      std::string& error);

// Puts folder in place of target; an earlier target is removed only once folder is there.
bool replaceFolder(const std::string& folder, const std::string& target, std::string& error);

void removeTree(const std::string& path);

// Sixteen hex digits that no other call of this process or another one is likely to pick.
std::string randomTag();

// Local calendar time of seconds since 1970, as zip stores dates.
std::tm localTime(std::int64_t seconds);

}  // namespace formats

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "archivefile.h"
#include "formats/utf.h"

namespace formats {

namespace {

HANDLE handleOf(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// Every path is UTF-8 at the interface; Win32 gets UTF-16, so any user profile name works.
std::wstring wide(const std::string& path) {
    const std::u16string utf16 = toUtf16(path);
    return std::wstring(utf16.begin(), utf16.end());
}

std::string lastError() {
    return "Windows error " + std::to_string(GetLastError());
}

}  // namespace

bool ArchiveFile::osOpen(const std::string& path, Mode mode, std::string& error) {
    const bool read = mode == Mode::Read;
    HANDLE file = CreateFileW(
        wide(path).c_str(), read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
        nullptr, read ? OPEN_EXISTING : CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = path + (read ? ": cannot open: " : ": cannot create: ") + lastError();
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
        error = path + ": not a regular file";
        CloseHandle(file);
        return false;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    size_ = (std::uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    const std::uint64_t ticks = (std::uint64_t(info.ftLastWriteTime.dwHighDateTime) << 32) |
                                info.ftLastWriteTime.dwLowDateTime;
    // FILETIME counts 100 ns steps since 1601.
    modified_ = static_cast<std::int64_t>(ticks / 10000000u) - 11644473600LL;
    return true;
}

bool ArchiveFile::osRead(void* data, std::size_t size, std::size_t& got) {
    got = 0;
    char* bytes = static_cast<char*>(data);
    while (got < size) {
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(size - got, 1u << 30));
        DWORD read = 0;
        if (!ReadFile(handleOf(handle_), bytes + got, ask, &read, nullptr)) {
            return false;
        }
        if (read == 0) {
            break;
        }
        got += read;
    }
    return true;
}

bool ArchiveFile::osWrite(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(handleOf(handle_), bytes, ask, &written, nullptr) || written == 0) {
            return false;
        }
        bytes += written;
        size -= written;
    }
    return true;
}

bool ArchiveFile::osSeek(std::int64_t offset, int origin, std::int64_t& position) {
    const DWORD method = origin == SEEK_CUR   ? FILE_CURRENT
                         : origin == SEEK_END ? FILE_END
                                              : FILE_BEGIN;
    LARGE_INTEGER distance{};
    distance.QuadPart = offset;
    LARGE_INTEGER now{};
    if (!SetFilePointerEx(handleOf(handle_), distance, &now, method)) {
        return false;
    }
    position = now.QuadPart;
    return true;
}

bool ArchiveFile::osSync() {
    return FlushFileBuffers(handleOf(handle_)) != FALSE;
}

bool ArchiveFile::osClose() {
    return CloseHandle(handleOf(handle_)) != FALSE;
}

std::string ArchiveFile::osError() const {
    return lastError();
}

std::tm localTime(std::int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm parts{};
    localtime_s(&parts, &time);
    return parts;
}

bool replaceFile(const std::string& from, const std::string& to, std::string& error) {
    if (!MoveFileExW(wide(from).c_str(), wide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = to + ": cannot replace: " + lastError();
        return false;
    }
    return true;
}

}  // namespace formats

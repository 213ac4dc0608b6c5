#include "platform/systemactions.h"

#include <windows.h>

#include <shellapi.h>

#include <cstring>

#include "formats/sha1.h"
#include "platform/systemerror.h"
#include "winutil.h"

namespace platform {

namespace {

constexpr DWORD kRestartReason = SHTDN_REASON_FLAG_PLANNED | SHTDN_REASON_MINOR_HARDWARE_DRIVER;

std::wstring nativePath(const std::string& path) {
    std::wstring wide = win::toWide(path);
    for (wchar_t& c : wide) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return wide;
}

bool restartWithPrivilege(std::uint32_t& error) {
    HANDLE rawToken = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                            &rawToken)) {
        error = ::GetLastError();
        return false;
    }
    win::UniqueHandle token(rawToken);
    TOKEN_PRIVILEGES enable{};
    enable.PrivilegeCount = 1;
    enable.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!::LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &enable.Privileges[0].Luid)) {
        error = ::GetLastError();
        return false;
    }
    TOKEN_PRIVILEGES previous{};
    DWORD previousSize = sizeof previous;
    if (!::AdjustTokenPrivileges(token.get(), FALSE, &enable, sizeof enable, &previous,
                                 &previousSize)) {
        error = ::GetLastError();
        return false;
    }
    const bool restarted = ::ExitWindowsEx(EWX_REBOOT, kRestartReason) != FALSE;
    error = restarted ? 0 : ::GetLastError();
    if (!::AdjustTokenPrivileges(token.get(), FALSE, &previous, 0, nullptr, nullptr) ||
        ::GetLastError() == ERROR_NOT_ALL_ASSIGNED) {
        if (restarted) {
            error = ::GetLastError();
        }
        return false;
    }
    return restarted;
}

}  // namespace

bool rebootComputer(std::uint32_t& error) {
    if (::ExitWindowsEx(EWX_REBOOT, kRestartReason)) {
        error = 0;
        return true;
    }
    error = ::GetLastError();
    if (error != ERROR_PRIVILEGE_NOT_HELD) {
        return false;
    }
    return restartWithPrivilege(error);
}

bool openPath(const std::string& path, const std::string& arguments, std::string& error) {
    const std::wstring file = nativePath(path);
    const std::wstring parameters = win::toWide(arguments);
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", file.c_str(),
                        parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL));
    // Values up to 32 mean failure; the reason is in the last error.
    if (result <= 32) {
        const DWORD code = ::GetLastError();
        error = "ShellExecute: " + systemErrorMessage(code) + " (" + std::to_string(code) + ")";
        return false;
    }
    return true;
}

std::string programFile(const std::string& path) {
    return path;
}

bool showInFileManager(const std::string& path, std::string& error) {
    std::wstring command = L"explorer /select,\"" + nativePath(path) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                          nullptr, &startup, &process)) {
        const DWORD code = ::GetLastError();
        error =
            "explorer not started: " + systemErrorMessage(code) + " (" + std::to_string(code) + ")";
        return false;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

bool copyToClipboard(const std::string& text) {
    const std::wstring wide = win::toWide(text);
    if (!::OpenClipboard(nullptr)) {
        return false;
    }
    bool placed = false;
    if (::EmptyClipboard()) {
        const SIZE_T bytes = (wide.size() + 1) * sizeof(wchar_t);
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
        if (memory) {
            if (void* target = ::GlobalLock(memory)) {
                std::memcpy(target, wide.c_str(), bytes);
                ::GlobalUnlock(memory);
                // The clipboard owns the memory once it accepts it.
                placed = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
            }
            if (!placed) {
                ::GlobalFree(memory);
            }
        }
    }
    ::CloseClipboard();
    return placed;
}

std::string sha1Hex(const void* data, std::size_t size) {
    formats::Sha1 hash;
    hash.add(data, size);
    return hash.hexDigest(false);
}

std::string fileSha1(const std::string& path) {
    win::UniqueHandle file(::CreateFileW(nativePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                                         nullptr));
    return file.isValid() ? win::sha1OfFile(file.get(), false) : std::string();
}

}  // namespace platform

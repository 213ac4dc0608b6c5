#include "platform/systemactions.h"

#include <windows.h>

#include <bcrypt.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

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

class HashAlgorithm {
public:
    HashAlgorithm() {
        if (!BCRYPT_SUCCESS(
                ::BCryptOpenAlgorithmProvider(&handle_, BCRYPT_SHA1_ALGORITHM, nullptr, 0))) {
            handle_ = nullptr;
        }
    }
    ~HashAlgorithm() {
        if (handle_) {
            ::BCryptCloseAlgorithmProvider(handle_, 0);
        }
    }
    HashAlgorithm(const HashAlgorithm&) = delete;
    HashAlgorithm& operator=(const HashAlgorithm&) = delete;
    BCRYPT_ALG_HANDLE get() const { return handle_; }

private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
};

class Hash {
public:
    explicit Hash(BCRYPT_ALG_HANDLE algorithm) {
        if (!algorithm ||
            !BCRYPT_SUCCESS(::BCryptCreateHash(algorithm, &handle_, nullptr, 0, nullptr, 0, 0))) {
            handle_ = nullptr;
        }
    }
    ~Hash() {
        if (handle_) {
            ::BCryptDestroyHash(handle_);
        }
    }
    Hash(const Hash&) = delete;
    Hash& operator=(const Hash&) = delete;

    bool isValid() const { return handle_ != nullptr; }
    bool add(const void* data, ULONG size) {
        return BCRYPT_SUCCESS(
            ::BCryptHashData(handle_, static_cast<PUCHAR>(const_cast<void*>(data)), size, 0));
    }
    std::string hex() {
        UCHAR digest[20];
        if (!BCRYPT_SUCCESS(::BCryptFinishHash(handle_, digest, sizeof digest, 0))) {
            return {};
        }
        std::string text;
        char pair[3];
        for (UCHAR byte : digest) {
            std::snprintf(pair, sizeof pair, "%02x", byte);
            text += pair;
        }
        return text;
    }

private:
    BCRYPT_HASH_HANDLE handle_ = nullptr;
};

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
    // Values up to 32 are error codes.
    if (result <= 32) {
        error = "ShellExecute failed: " + std::to_string(result);
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
        error = "explorer not started: " + std::to_string(::GetLastError());
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
    HashAlgorithm algorithm;
    Hash hash(algorithm.get());
    if (!hash.isValid()) {
        return {};
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const ULONG chunk = static_cast<ULONG>(std::min<std::size_t>(size, 1u << 30));
        if (!hash.add(bytes, chunk)) {
            return {};
        }
        bytes += chunk;
        size -= chunk;
    }
    return hash.hex();
}

std::string fileSha1(const std::string& path) {
    win::UniqueHandle file(::CreateFileW(nativePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                                         nullptr));
    if (!file.isValid()) {
        return {};
    }
    HashAlgorithm algorithm;
    Hash hash(algorithm.get());
    if (!hash.isValid()) {
        return {};
    }
    std::vector<char> buffer(1 << 16);
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read,
                        nullptr)) {
            return {};
        }
        if (read == 0) {
            break;
        }
        if (!hash.add(buffer.data(), read)) {
            return {};
        }
    }
    return hash.hex();
}

}  // namespace platform

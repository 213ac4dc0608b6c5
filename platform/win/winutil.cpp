#include "winutil.h"

#include <memory>

#include "formats/sha1.h"

namespace platform::win {

std::wstring toWide(const std::string& utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int length =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          length);
    return wide;
}

std::string toUtf8(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                             nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                          length, nullptr, nullptr);
    return utf8;
}

std::string sha1OfFile(HANDLE file, bool upperCase) {
    // One buffer per thread, left uninitialised: a fresh or zeroed megabyte for every small INF
    // would cost more than its hash.
    constexpr DWORD kReadSize = 1 << 20;
    thread_local const std::unique_ptr<unsigned char[]> buffer(new unsigned char[kReadSize]);
    formats::Sha1 hash;
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file, buffer.get(), kReadSize, &got, nullptr)) {
            return {};
        }
        if (got == 0) {
            return hash.hexDigest(upperCase);
        }
        hash.add(buffer.get(), got);
    }
}

}  // namespace platform::win

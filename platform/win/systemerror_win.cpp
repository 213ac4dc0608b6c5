#include "platform/systemerror.h"

#include "winutil.h"

namespace platform {

std::string systemErrorMessage(std::uint32_t code) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM,
        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = length && buffer ? win::toUtf8(std::wstring(buffer, length))
                                        : "error " + std::to_string(code);
    ::LocalFree(buffer);
    // The system's texts end with a line break, which would split the log line.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

std::uint32_t invalidDataError() {
    return ERROR_INVALID_DATA;
}

}  // namespace platform

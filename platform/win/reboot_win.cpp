#include "platform/reboot.h"

#include "winutil.h"

namespace platform {

namespace {

// Recorded in the system's shutdown log as a planned restart.
constexpr DWORD kShutdownReason = 0x8000000D;

bool enableShutdownPrivilege() {
    HANDLE raw = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) {
        return false;
    }
    win::UniqueHandle token(raw);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!::LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        return false;
    }
    if (!::AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr)) {
        return false;
    }
    // AdjustTokenPrivileges succeeds even when it assigned nothing.
    return ::GetLastError() == ERROR_SUCCESS;
}

}  // namespace

RebootResult rebootComputer() {
    if (::ExitWindowsEx(EWX_REBOOT, kShutdownReason)) {
        return {true, 0};
    }
    RebootResult result{false, static_cast<std::uint32_t>(::GetLastError())};
    if (!enableShutdownPrivilege()) {
        result.error = static_cast<std::uint32_t>(::GetLastError());
        return result;
    }
    if (::ExitWindowsEx(EWX_REBOOT, kShutdownReason)) {
        return {true, 0};
    }
    result.error = static_cast<std::uint32_t>(::GetLastError());
    return result;
}

}  // namespace platform

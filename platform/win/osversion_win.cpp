#include "platform/osversion.h"

#include <windows.h>

namespace platform {

namespace {

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOEXW*);
using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, BOOL*);
using GetProductInfoFunction = BOOL(WINAPI*)(DWORD, DWORD, DWORD, DWORD, DWORD*);

template <typename Function>
Function lookUp(const wchar_t* module, const char* name) {
    HMODULE handle = ::GetModuleHandleW(module);
    // GetProcAddress returns a generic function pointer; the cast names its real type.
    return handle
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(handle, name)))
               : nullptr;
}

}  // namespace

OsVersionInfo readOsVersion() {
    OsVersionInfo info;
    // GetVersionEx lies to programs without a manifest; the kernel's own call does not.
    if (auto rtlGetVersion = lookUp<RtlGetVersionFunction>(L"ntdll.dll", "RtlGetVersion")) {
        OSVERSIONINFOEXW version{};
        version.dwOSVersionInfoSize = sizeof version;
        if (rtlGetVersion(&version) == 0) {
            info.major = version.dwMajorVersion;
            info.minor = version.dwMinorVersion;
            info.platformId = version.dwPlatformId;
            info.productType = version.wProductType;
            info.suiteMask = version.wSuiteMask;
            info.build = version.dwBuildNumber;
        }
    }
    if (auto isWow64 = lookUp<IsWow64ProcessFunction>(L"kernel32", "IsWow64Process")) {
        BOOL wow64 = FALSE;
        if (isWow64(::GetCurrentProcess(), &wow64)) {
            info.is64 = wow64 != FALSE;
        }
    }
    if (info.major >= 6) {
        if (auto productInfo = lookUp<GetProductInfoFunction>(L"kernel32", "GetProductInfo")) {
            DWORD type = 0;
            if (productInfo(info.major, info.minor, 0, 0, &type)) {
                info.productInfo = type;
            }
        }
    }
    SYSTEM_INFO system{};
    ::GetNativeSystemInfo(&system);
    info.processorArchitecture = system.wProcessorArchitecture;
    info.serverR2 = static_cast<std::uint32_t>(::GetSystemMetrics(SM_SERVERR2));
    return info;
}

}  // namespace platform

// clang-format off
#include "winutil.h"
#include <cfgmgr32.h>
#include <newdev.h>
#include <setupapi.h>
// clang-format on

#include <cwctype>
#include <vector>

#include "platform/driverinstall.h"
#include "platform/infsearch.h"

namespace platform {

namespace {

#ifndef ROLLBACK_FLAG_NO_UI
#define ROLLBACK_FLAG_NO_UI 0x00000001
#endif

using DiRollbackDriverFunction = BOOL(WINAPI*)(HDEVINFO, PSP_DEVINFO_DATA, HWND, DWORD, PBOOL);

class DeviceSet {
public:
    explicit DeviceSet(DWORD flags)
        : set_(::SetupDiGetClassDevsW(nullptr, nullptr, nullptr, flags | DIGCF_ALLCLASSES)) {}
    ~DeviceSet() {
        if (isValid()) {
            ::SetupDiDestroyDeviceInfoList(set_);
        }
    }
    DeviceSet(const DeviceSet&) = delete;
    DeviceSet& operator=(const DeviceSet&) = delete;
    bool isValid() const { return set_ != INVALID_HANDLE_VALUE; }
    HDEVINFO get() const { return set_; }

private:
    HDEVINFO set_;
};

std::wstring lower(std::wstring text) {
    for (wchar_t& c : text) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return text;
}

enum class Search { Found, NotFound, Failed };

constexpr int kPropertyReadAttempts = 4;
constexpr DWORD kMaxPropertyBytes = 64 * 1024;

// Reads a multi-string property; Failed for errors other than a missing property.
Search readIds(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property, std::vector<wchar_t>& ids) {
    DWORD size = 0;
    ::SetupDiGetDeviceRegistryPropertyW(set, &device, property, nullptr, nullptr, 0, &size);
    // The size may change between calls; a list that keeps growing is given up on.
    for (int attempt = 0; attempt < kPropertyReadAttempts; ++attempt) {
        DWORD last = ::GetLastError();
        if (last == ERROR_INVALID_DATA) {
            return Search::NotFound;
        }
        if ((last != ERROR_INSUFFICIENT_BUFFER && last != ERROR_SUCCESS) ||
            size > kMaxPropertyBytes) {
            return Search::Failed;
        }
        // Rounded up, so an odd byte count fits; two spare characters keep a malformed list
        // terminated.
        ids.assign((size + sizeof(wchar_t) - 1) / sizeof(wchar_t) + 2, L'\0');
        if (::SetupDiGetDeviceRegistryPropertyW(
                set, &device, property, nullptr, reinterpret_cast<BYTE*>(ids.data()),
                static_cast<DWORD>((ids.size() - 2) * sizeof(wchar_t)), &size)) {
            return Search::Found;
        }
    }
    return Search::Failed;
}

Search findByProperty(HDEVINFO set, DWORD property, const std::wstring& wanted,
                      SP_DEVINFO_DATA& found) {
    std::vector<wchar_t> ids;
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof(device);
        if (!::SetupDiEnumDeviceInfo(set, index, &device)) {
            return ::GetLastError() == ERROR_NO_MORE_ITEMS ? Search::NotFound : Search::Failed;
        }
        const Search read = readIds(set, device, property, ids);
        if (read == Search::Failed) {
            return Search::Failed;
        }
        if (read == Search::NotFound) {
            continue;
        }
        for (const wchar_t* id = ids.data(); *id; id += wcslen(id) + 1) {
            if (lower(id) == wanted) {
                found = device;
                return Search::Found;
            }
        }
    }
}

bool findDevice(HDEVINFO set, const std::wstring& hardwareId, SP_DEVINFO_DATA& found) {
    const std::wstring wanted = lower(hardwareId);
    const Search byHardware = findByProperty(set, SPDRP_HARDWAREID, wanted, found);
    if (byHardware == Search::Found) {
        return true;
    }
    if (byHardware == Search::Failed) {
        return false;
    }
    return findByProperty(set, SPDRP_COMPATIBLEIDS, wanted, found) == Search::Found;
}

// The device's hardware and compatible ids, lower-cased as the INF check compares them.
std::vector<std::string> deviceIds(HDEVINFO set, SP_DEVINFO_DATA& device) {
    std::vector<std::string> all;
    std::vector<wchar_t> ids;
    for (const DWORD property : {SPDRP_HARDWAREID, SPDRP_COMPATIBLEIDS}) {
        if (readIds(set, device, property, ids) != Search::Found) {
            continue;
        }
        for (const wchar_t* id = ids.data(); *id; id += wcslen(id) + 1) {
            all.push_back(win::toUtf8(id));
        }
    }
    return all;
}

std::wstring currentInfName(HDEVINFO set, SP_DEVINFO_DATA& device) {
    const win::UniqueKey key(
        ::SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DRV, KEY_QUERY_VALUE));
    if (!key.isValid()) {
        return {};
    }
    wchar_t name[130] = {};
    DWORD size = sizeof(name) - sizeof(wchar_t);
    DWORD type = 0;
    const LSTATUS status = ::RegQueryValueExW(key.get(), L"InfPath", nullptr, &type,
                                              reinterpret_cast<BYTE*>(name), &size);
    return status == ERROR_SUCCESS && type == REG_SZ ? std::wstring(name) : std::wstring();
}

}  // namespace

formats::wire::InstallResult installDriver(const formats::wire::InstallRequest& request) {
    formats::wire::InstallResult result;
    const std::string inf = findInfBySha1(request.tempDir, request.infSha1);
    if (inf.empty()) {
        result.errorCode = kInfNotFound;
        return result;
    }
    const std::wstring hardwareId = win::toWide(request.hardwareId);

    DeviceSet present(DIGCF_PRESENT);
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    if (!present.isValid() || !findDevice(present.get(), hardwareId, device)) {
        DeviceSet all(0);
        SP_DEVINFO_DATA absent{};
        absent.cbSize = sizeof(absent);
        const bool exists = all.isValid() && findDevice(all.get(), hardwareId, absent);
        result.systemErrorCode = ::GetLastError();
        result.errorCode = exists ? kDeviceNotPresent : kDeviceNotFound;
        return result;
    }

    ULONG status = 0;
    ULONG problem = 0;
    if (::CM_Get_DevNode_Status(&status, &problem, device.DevInst, 0) != CR_SUCCESS) {
        result.systemErrorCode = ::GetLastError();
        result.errorCode = kDeviceNotPresent;
        return result;
    }

    if (request.rollback) {
        // Forcing the current package out of the store is only safe when this INF is
        // going to install in its place.
        formats::inf::InfFile file;
        std::string error;
        if (!file.load(inf, error) ||
            !infListsDevice(file, infPlatform(readOsVersion()), deviceIds(present.get(), device))) {
            result.systemErrorCode = ERROR_NO_MORE_ITEMS;
            result.errorCode = kDriverUpdateFailed;
            return result;
        }
        const std::wstring current = currentInfName(present.get(), device);
        const BOOL removed = ::SetupUninstallOEMInfW(current.c_str(), SUOI_FORCEDELETE, nullptr);
        if (!removed && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
            HMODULE newdev = ::GetModuleHandleW(L"newdev");
            if (!newdev) {
                newdev = ::LoadLibraryW(L"newdev.dll");
            }
            const auto rollbackDriver =
                newdev ? reinterpret_cast<DiRollbackDriverFunction>(
                             reinterpret_cast<void*>(::GetProcAddress(newdev, "DiRollbackDriver")))
                       : nullptr;
            BOOL reboot = FALSE;
            if (!rollbackDriver ||
                !rollbackDriver(present.get(), &device, nullptr, ROLLBACK_FLAG_NO_UI, &reboot)) {
                result.systemErrorCode = ::GetLastError();
                result.errorCode = kRollbackFailed;
                return result;
            }
            if (reboot) {
                result.systemErrorCode = ::GetLastError();
                result.errorCode = kRolledBackNeedsReboot;
                return result;
            }
        }
    }

    BOOL rebootRequired = FALSE;
    if (!::UpdateDriverForPlugAndPlayDevicesW(nullptr, hardwareId.c_str(), win::toWide(inf).c_str(),
                                              0, &rebootRequired)) {
        result.systemErrorCode = ::GetLastError();
        result.errorCode = kDriverUpdateFailed;
        return result;
    }
    result.needReboot = rebootRequired == TRUE;
    return result;
}

}  // namespace platform

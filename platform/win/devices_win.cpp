#include "platform/devices.h"

#include <windows.h>
// clang-format off
#include <initguid.h>
#include <devpkey.h>
// clang-format on
#include <cfgmgr32.h>
#include <objbase.h>
#include <setupapi.h>

#include <cwctype>

#include "winutil.h"

namespace platform {

namespace {

using GetInfDriverStoreLocationFunction = BOOL(WINAPI*)(PCWSTR, PSP_ALTPLATFORM_INFO, PCWSTR, PWSTR,
                                                        DWORD, PDWORD);

constexpr DEVPROPTYPE kStringType = 0x12;
constexpr DEVPROPTYPE kStringListType = 0x2012;
constexpr DEVPROPTYPE kUint32Type = 0x7;

class DeviceList {
public:
    explicit DeviceList(HDEVINFO set) : set_(set) {}
    ~DeviceList() {
        if (set_ != INVALID_HANDLE_VALUE) {
            ::SetupDiDestroyDeviceInfoList(set_);
        }
    }
    DeviceList(const DeviceList&) = delete;
    DeviceList& operator=(const DeviceList&) = delete;
    HDEVINFO get() const { return set_; }

private:
    HDEVINFO set_;
};

std::string guidText(const GUID& guid) {
    if (::IsEqualGUID(guid, GUID{})) {
        return {};
    }
    wchar_t text[40] = {};
    ::StringFromGUID2(guid, text, 40);
    std::wstring lower = text;
    for (wchar_t& c : lower) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return win::toUtf8(lower);
}

// A string value of at most bufferBytes; only REG_SZ and REG_EXPAND_SZ count.
std::wstring readRegistryString(HKEY key, const wchar_t* name, DWORD bufferBytes) {
    std::wstring buffer(bufferBytes / sizeof(wchar_t) + 1, L'\0');
    DWORD type = 0;
    DWORD size = bufferBytes;
    if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&buffer[0]), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return {};
    }
    buffer.resize(size / sizeof(wchar_t));
    while (!buffer.empty() && buffer.back() == L'\0') {
        buffer.pop_back();
    }
    return buffer;
}

std::wstring lowerWide(std::wstring text) {
    for (wchar_t& c : text) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return text;
}

bool readProperty(HDEVINFO set, SP_DEVINFO_DATA& data, const DEVPROPKEY& key, DEVPROPTYPE wanted,
                  std::vector<BYTE>& buffer, DWORD& size) {
    DEVPROPTYPE type = 0;
    size = 0;
    if (!::SetupDiGetDevicePropertyW(set, &data, &key, &type, buffer.data(),
                                     static_cast<DWORD>(buffer.size()), &size, 0) ||
        type != wanted) {
        return false;
    }
    return true;
}

std::string stringProperty(HDEVINFO set, SP_DEVINFO_DATA& data, const DEVPROPKEY& key) {
    std::vector<BYTE> buffer(2048);
    DWORD size = 0;
    if (!readProperty(set, data, key, kStringType, buffer, size)) {
        return {};
    }
    const auto* text = reinterpret_cast<const wchar_t*>(buffer.data());
    std::wstring value(text, std::min<std::size_t>(size, buffer.size()) / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') {
        value.pop_back();
    }
    return win::toUtf8(value);
}

std::vector<std::string> listProperty(HDEVINFO set, SP_DEVINFO_DATA& data, const DEVPROPKEY& key) {
    std::vector<BYTE> buffer(8192);
    DWORD size = 0;
    std::vector<std::string> result;
    if (!readProperty(set, data, key, kStringListType, buffer, size)) {
        return result;
    }
    const auto* text = reinterpret_cast<const wchar_t*>(buffer.data());
    const std::size_t count = std::min<std::size_t>(size, buffer.size()) / sizeof(wchar_t);
    std::size_t start = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] == L'\0') {
            if (i > start) {
                result.push_back(win::toUtf8(std::wstring(text + start, i - start)));
            }
            start = i + 1;
        }
    }
    if (start < count) {
        result.push_back(win::toUtf8(std::wstring(text + start, count - start)));
    }
    return result;
}

bool fileExists(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// "%windir%\inf\" once per run, as the pattern the INF name is filled into.
const std::wstring& windowsInfFolder() {
    static const std::wstring folder = [] {
        wchar_t buffer[MAX_PATH] = {};
        const DWORD length = ::GetEnvironmentVariableW(L"windir", buffer, MAX_PATH);
        return std::wstring(buffer, length < MAX_PATH ? length : 0) + L"\\inf\\";
    }();
    return folder;
}

GetInfDriverStoreLocationFunction driverStoreLocation() {
    static const auto function = [] {
        HMODULE setupapi = ::GetModuleHandleW(L"setupapi.dll");
        return setupapi
                   ? reinterpret_cast<GetInfDriverStoreLocationFunction>(reinterpret_cast<void*>(
                         ::GetProcAddress(setupapi, "SetupGetInfDriverStoreLocationW")))
                   : nullptr;
    }();
    return function;
}

void readInstalledDriver(HDEVINFO set, SP_DEVINFO_DATA& data, DeviceRecord& record) {
    SP_DEVINSTALL_PARAMS_W params{};
    params.cbSize = sizeof params;
    params.FlagsEx = DI_FLAGSEX_INSTALLEDDRIVER | DI_FLAGSEX_ALLOWEXCLUDEDDRVS;
    ::SetupDiSetDeviceInstallParamsW(set, &data, &params);
    for (DWORD type : {DWORD(SPDIT_COMPATDRIVER), DWORD(SPDIT_CLASSDRIVER)}) {
        if (!::SetupDiBuildDriverInfoList(set, &data, type)) {
            continue;
        }
        SP_DRVINFO_DATA_W driver{};
        driver.cbSize = sizeof driver;
        const bool found = ::SetupDiEnumDriverInfoW(set, &data, type, 0, &driver);
        ::SetupDiDestroyDriverInfoList(set, &data, type);
        if (!found) {
            continue;
        }
        record.driverType = driver.DriverType;
        SYSTEMTIME time{};
        if ((driver.DriverDate.dwLowDateTime || driver.DriverDate.dwHighDateTime) &&
            ::FileTimeToSystemTime(&driver.DriverDate, &time)) {
            record.year = time.wYear;
            record.month = time.wMonth;
            record.day = time.wDay;
        }
        return;
    }
}

void readInfLocation(HDEVINFO set, SP_DEVINFO_DATA& data, DeviceRecord& record) {
    std::wstring infName = win::toWide(stringProperty(set, data, DEVPKEY_Device_DriverInfPath));
    if (!looksLikeInfName(win::toUtf8(infName))) {
        win::UniqueKey key(
            ::SetupDiOpenDevRegKey(set, &data, DICS_FLAG_GLOBAL, 0, DIREG_DRV, KEY_QUERY_VALUE));
        infName = key.isValid() ? readRegistryString(key.get(), L"InfPath", 260) : std::wstring();
    }
    record.infName = win::toUtf8(infName);
    if (infName.empty()) {
        return;
    }
    std::wstring storePath;
    if (auto locate = driverStoreLocation()) {
        wchar_t buffer[MAX_PATH] = {};
        DWORD required = 0;
        if (locate(infName.c_str(), nullptr, nullptr, buffer, MAX_PATH, &required)) {
            storePath = buffer;
        }
    }
    if (!storePath.empty() && fileExists(storePath)) {
        record.infPath = win::toUtf8(storePath);
        return;
    }
    const std::wstring inboxPath = windowsInfFolder() + infName;
    record.infPath = win::toUtf8(fileExists(inboxPath) ? inboxPath : storePath);
}

DeviceRecord describe(HDEVINFO set, SP_DEVINFO_DATA& data) {
    DeviceRecord record;
    record.devInst = data.DevInst;
    record.classGuid = guidText(data.ClassGuid);
    wchar_t instanceId[201] = {};
    if (::SetupDiGetDeviceInstanceIdW(set, &data, instanceId, 201, nullptr)) {
        record.instanceId = win::toUtf8(instanceId);
    }

    win::UniqueKey classKey(::SetupDiOpenClassRegKeyExW(&data.ClassGuid, KEY_QUERY_VALUE,
                                                        DIOCR_INSTALLER, nullptr, nullptr));
    if (classKey.isValid()) {
        record.lowerLogoVersion =
            win::toUtf8(lowerWide(readRegistryString(classKey.get(), L"LowerLogoVersion", 256)));
    }

    ULONG status = 0, problem = 0;
    record.connected = ::CM_Get_DevNode_Status(&status, &problem, data.DevInst, 0) == CR_SUCCESS;
    record.status = status;
    record.problem = problem;

    readInstalledDriver(set, data, record);

    record.className = stringProperty(set, data, DEVPKEY_Device_Class);
    record.description = stringProperty(set, data, DEVPKEY_Device_DeviceDesc);
    record.manufacturer = stringProperty(set, data, DEVPKEY_Device_Manufacturer);
    record.name = stringProperty(set, data, DEVPKEY_NAME);
    record.hardwareIds = listProperty(set, data, DEVPKEY_Device_HardwareIds);
    record.compatibleIds = listProperty(set, data, DEVPKEY_Device_CompatibleIds);

    std::vector<BYTE> buffer(sizeof(ULONG));
    DWORD size = 0;
    if (readProperty(set, data, DEVPKEY_Device_DriverRank, kUint32Type, buffer, size) &&
        size == sizeof(ULONG)) {
        record.rank = *reinterpret_cast<const ULONG*>(buffer.data());
    }
    record.matchingId = matchingIdFromRank(record.rank, record.hardwareIds, record.compatibleIds);

    record.provider = stringProperty(set, data, DEVPKEY_Device_DriverProvider);
    record.version = stringProperty(set, data, DEVPKEY_Device_DriverVersion);
    record.driverDescription = stringProperty(set, data, DEVPKEY_Device_DriverDesc);
    readInfLocation(set, data, record);
    return record;
}

}  // namespace

bool enumerateDevices(const std::atomic<bool>& keepGoing,
                      const std::function<void(const DeviceRecord&)>& visit, std::string& error) {
    DeviceList devices(::SetupDiGetClassDevsW(nullptr, nullptr, nullptr, DIGCF_ALLCLASSES));
    if (devices.get() == INVALID_HANDLE_VALUE) {
        return true;
    }
    for (DWORD index = 0;; ++index) {
        if (!keepGoing.load()) {
            return true;
        }
        SP_DEVINFO_DATA data{};
        data.cbSize = sizeof data;
        if (!::SetupDiEnumDeviceInfo(devices.get(), index, &data)) {
            const DWORD code = ::GetLastError();
            if (code == ERROR_NO_MORE_ITEMS) {
                return true;
            }
            error = "SetupDiEnumDeviceInfo failed at device " + std::to_string(index) + ": " +
                    std::to_string(code);
            return false;
        }
        visit(describe(devices.get(), data));
    }
}

}  // namespace platform

// The inventory services of the platform layer. Natively they read the sample
// PC; under Wine they prove the Win32 calls Wine implements, and create a device
// of their own because Wine serves none of the built-in device properties.
#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "check.h"
#include "platform/devices.h"
#include "platform/osversion.h"
#include "platform/systemactions.h"
#include "platform/wmi.h"

#ifndef _WIN32
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/machinemodel.h"
#include "platform/process.h"
#endif

#ifdef _WIN32
#include <windows.h>
// clang-format off
#include <initguid.h>
#include <devpropdef.h>
// clang-format on
#include <setupapi.h>
#endif

namespace {

std::vector<platform::DeviceRecord> walkAll(bool& ok, std::string& error) {
    std::vector<platform::DeviceRecord> devices;
    std::atomic<bool> keepGoing{true};
    ok = platform::enumerateDevices(
        keepGoing, [&](const platform::DeviceRecord& device) { devices.push_back(device); }, error);
    return devices;
}

const platform::DeviceRecord* findDevice(const std::vector<platform::DeviceRecord>& devices,
                                         const std::string& instanceId) {
    for (const auto& device : devices) {
        if (device.instanceId == instanceId) {
            return &device;
        }
    }
    return nullptr;
}

}  // namespace

TEST_CASE("matching id from the driver rank") {
    const std::vector<std::string> hardware{"H0", "H1", "H2"};
    const std::vector<std::string> compatible{"C0", "C1"};
    struct Row {
        const char* name;
        std::uint32_t rank;
        std::vector<std::string> compatible;
        std::string expected;
    };
    const Row rows[] = {
        {"rank 0", 0, compatible, "H0"},
        {"hardware id index 2", 0x00FF0002, compatible, "H2"},
        {"T = 1 names a hardware id", 0x00FF1001, compatible, "H1"},
        {"T = 2, i = 1", 0x00FF2001, compatible, "C1"},
        {"T = 2, i = 1 with one compatible id", 0x00FF2001, {"C0"}, ""},
        {"T = 3", 0x00003000, compatible, "C0"},
        {"hardware index out of range", 0x00000005, compatible, ""},
        {"T = 4 names nothing", 0x00004000, compatible, ""},
    };
    for (const Row& row : rows) {
        const std::string got = platform::matchingIdFromRank(row.rank, hardware, row.compatible);
        if (got != row.expected) {
            check::fail(__FILE__, __LINE__, std::string(row.name) + ": got \"" + got + "\"");
        }
    }
}

TEST_CASE("INF names end in .inf in any case") {
    CHECK(platform::looksLikeInfName("oem12.inf"));
    CHECK(platform::looksLikeInfName("OEM12.INF"));
    CHECK(!platform::looksLikeInfName("oem12"));
    CHECK(!platform::looksLikeInfName(".in"));
    CHECK(!platform::looksLikeInfName("driver.inf.bak"));
}

TEST_CASE("SHA-1 of buffers and files") {
    CHECK_EQ(platform::sha1Hex("", 0), std::string("da39a3ee5e6b4b0d3255bfef95601890afd80709"));
    CHECK_EQ(platform::sha1Hex("abc", 3), std::string("a9993e364706816aba3e25717850c26c9cd0d89d"));
    // Crosses the 64-byte block and the length field's boundary.
    const std::string twoBlocks = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
    CHECK_EQ(platform::sha1Hex(twoBlocks.data(), twoBlocks.size()),
             std::string("84983e441c3bd26ebaae4aa1f95129e5e54670f1"));
    const std::string million(1000000, 'a');
    const std::string file = "sha1-test.bin";
    {
        std::ofstream out(file, std::ios::binary);
        out << million;
    }
    CHECK_EQ(platform::fileSha1(file), std::string("34aa973cd4c4daa4f61eeb2bdbad27316534016f"));
    std::remove(file.c_str());
    CHECK_EQ(platform::fileSha1(file), std::string());
}

TEST_CASE("OS version fields are read") {
    const platform::OsVersionInfo os = platform::readOsVersion();
    CHECK(os.major >= 6);
    CHECK(os.build > 0);
    CHECK_EQ(os.platformId, 2u);
    CHECK(os.productType >= 1 && os.productType <= 3);
    CHECK(os.processorArchitecture == 9 || os.processorArchitecture == 0);
#ifdef _WIN32
    // This test is a 64-bit program, which never runs under WOW64.
    CHECK(!os.is64);
    CHECK_EQ(os.processorArchitecture, 9u);
#else
    CHECK_EQ(os.major, 10u);
    CHECK(os.is64);
    CHECK_EQ(os.productInfo, 48u);
#endif
}

TEST_CASE("WMI gives the processor and BIOS records") {
    platform::WmiInventory inventory;
    std::string error;
    std::vector<std::string> warnings;
    REQUIRE(platform::wmiCollect(true, inventory, error, warnings, 30000));
    CHECK_EQ(error, std::string());
    REQUIRE(!inventory["Win32_Processor"].empty());
    const platform::WmiObject& processor = inventory["Win32_Processor"].front();
    CHECK(processor.count("name") == 1);
    CHECK(processor.at("Name").type == platform::WmiValue::Type::Text);
    CHECK(!processor.at("Name").text.empty());
    CHECK(processor.at("NumberOfCores").type == platform::WmiValue::Type::Number);
    REQUIRE(!inventory["Win32_BIOS"].empty());
    CHECK(inventory["Win32_BIOS"].front().at("Manufacturer").type ==
          platform::WmiValue::Type::Text);
    REQUIRE(!inventory["Win32_SystemEnclosure"].empty());
    const platform::WmiValue& chassis =
        inventory["Win32_SystemEnclosure"].front().at("ChassisTypes");
    REQUIRE(chassis.type == platform::WmiValue::Type::NumberArray);
    REQUIRE(!chassis.numbers.empty());
    for (std::int64_t type : chassis.numbers) {
        CHECK(type >= 1 && type <= 0xFFFF);
    }
}

TEST_CASE("device walk runs to the end, and a cleared flag visits nothing") {
    bool ok = false;
    std::string error;
    const auto devices = walkAll(ok, error);
    CHECK(ok);
    CHECK_EQ(error, std::string());
    CHECK(devices.size() >= 5);
    for (const auto& device : devices) {
        CHECK(!device.instanceId.empty());
    }
    std::atomic<bool> keepGoing{false};
    int visited = 0;
    CHECK(platform::enumerateDevices(
        keepGoing, [&](const platform::DeviceRecord&) { ++visited; }, error));
    CHECK_EQ(visited, 0);
}

#ifndef _WIN32

TEST_CASE("sample PC devices carry their installed drivers") {
    bool ok = false;
    std::string error;
    const auto devices = walkAll(ok, error);
    REQUIRE(ok);
    const auto* ethernet =
        findDevice(devices, "PCI\\VEN_8086&DEV_15BC&SUBSYS_86721043&REV_10\\3&11583659&0&FE");
    REQUIRE(ethernet);
    CHECK(ethernet->connected);
    CHECK_EQ(ethernet->classGuid, std::string("{4d36e972-e325-11ce-bfc1-08002be10318}"));
    CHECK_EQ(ethernet->lowerLogoVersion, std::string("6.1"));
    CHECK_EQ(ethernet->matchingId, std::string("PCI\\VEN_8086&DEV_15BC&SUBSYS_86721043"));
    CHECK_EQ(ethernet->infName, std::string("oem9.inf"));
    CHECK(ethernet->infPath.find("FileRepository/e1d68x64.inf_amd64_") != std::string::npos);
    CHECK_EQ(ethernet->year, 2020);
    CHECK_EQ(ethernet->month, 3);
    CHECK_EQ(ethernet->day, 17);
    const auto* igpu =
        findDevice(devices, "PCI\\VEN_8086&DEV_3E98&SUBSYS_86941043&REV_02\\3&11583659&0&10");
    REQUIRE(igpu);
    CHECK(!igpu->connected);
    const auto* unknown = findDevice(devices, "ACPI\\INT3F0D\\4&1D401FB5&0");
    REQUIRE(unknown);
    CHECK(unknown->classGuid.empty());
    CHECK_EQ(unknown->problem, 28u);
    CHECK(unknown->infPath.empty());
}

TEST_CASE("shell actions start programs and report a missing desktop") {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("qln-shell-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path script = dir / "tool.sh";
    const fs::path marker = dir / "ran";
    std::ofstream(script) << "#!/bin/sh\necho \"$1|$2\" > \"$3.tmp\" && mv \"$3.tmp\" \"$3\"\n";
    fs::permissions(script, fs::perms::owner_all);
    std::string error;
    REQUIRE(platform::openPath(script.string(), "first \"second word\" " + marker.string(), error));
    // The program runs detached; wait for its mark.
    for (int i = 0; i < 500 && !fs::exists(marker); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::string line;
    std::getline(std::ifstream(marker), line);
    CHECK_EQ(line, std::string("first|second word"));

    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", dir.c_str(), 1);
    CHECK(!platform::openPath((dir / "document.txt").string(), "", error));
    CHECK_EQ(error, std::string("xdg-open is not installed"));
    CHECK(!platform::showInFileManager(script.string(), error));
    ::setenv("PATH", path.c_str(), 1);

    // The modelled PC records the restart instead of restarting this one.
    fs::copy(platform::machine::sampleMachineRoot() + "/machine.json", dir / "machine.json");
    const std::string previous =
        std::getenv("QUILLON_MACHINE") ? std::getenv("QUILLON_MACHINE") : "";
    ::setenv("QUILLON_MACHINE", dir.c_str(), 1);
    std::uint32_t code = 1;
    CHECK(platform::rebootComputer(code));
    CHECK_EQ(code, 0u);
    CHECK(fs::file_size(dir / "restart-requests.log") > 0);
    ::setenv("QUILLON_MACHINE", previous.c_str(), 1);
    fs::remove_all(dir);
}

// An Installer still running when its owner lets go must not stay a zombie once it ends.
TEST_CASE("a child still running when its Process ends is reaped when it exits") {
    namespace fs = std::filesystem;
    std::uint32_t pid = 0;
    {
        platform::Process child;
        REQUIRE(child.start("/bin/sleep", {"0.2"}));
        pid = child.pid();
    }
    const fs::path entry = "/proc/" + std::to_string(pid);
    for (int i = 0; i < 1000 && fs::exists(entry); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    CHECK(!fs::exists(entry));
}

#else

namespace {

using SetPropertyFunction = BOOL(WINAPI*)(HDEVINFO, PSP_DEVINFO_DATA, const DEVPROPKEY*,
                                          DEVPROPTYPE, const BYTE*, DWORD, DWORD);

DEFINE_DEVPROPKEY(kClassKey, 0xa45c254e, 0xdf1c, 0x4efd, 0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50,
                  0xe0, 9);
DEFINE_DEVPROPKEY(kNameKey, 0xb725f130, 0x47ef, 0x101a, 0xa5, 0xf1, 0x02, 0x60, 0x8c, 0x9e, 0xeb,
                  0xac, 10);
DEFINE_DEVPROPKEY(kHardwareIdsKey, 0xa45c254e, 0xdf1c, 0x4efd, 0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8,
                  0x50, 0xe0, 3);
DEFINE_DEVPROPKEY(kCompatibleIdsKey, 0xa45c254e, 0xdf1c, 0x4efd, 0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8,
                  0x50, 0xe0, 4);
DEFINE_DEVPROPKEY(kInfPathKey, 0xa8b865dd, 0x2e3d, 0x4094, 0xad, 0x97, 0xe5, 0x93, 0xa7, 0xc, 0x75,
                  0xd6, 5);
DEFINE_DEVPROPKEY(kRankKey, 0xa8b865dd, 0x2e3d, 0x4094, 0xad, 0x97, 0xe5, 0x93, 0xa7, 0xc, 0x75,
                  0xd6, 14);
DEFINE_DEVPROPKEY(kProviderKey, 0xa8b865dd, 0x2e3d, 0x4094, 0xad, 0x97, 0xe5, 0x93, 0xa7, 0xc, 0x75,
                  0xd6, 9);

// {8e1c5f0a-3b7d-4c2e-9a61-2f4b8d0c7e15}: a class of our own, so the test's
// devices never mix with Wine's.
const GUID kTestClass = {
    0x8e1c5f0a, 0x3b7d, 0x4c2e, {0x9a, 0x61, 0x2f, 0x4b, 0x8d, 0x0c, 0x7e, 0x15}};

std::vector<BYTE> multiString(const std::vector<std::wstring>& items) {
    std::wstring joined;
    for (const auto& item : items) {
        joined += item;
        joined += L'\0';
    }
    joined += L'\0';
    const auto* bytes = reinterpret_cast<const BYTE*>(joined.c_str());
    return std::vector<BYTE>(bytes, bytes + joined.size() * sizeof(wchar_t));
}

std::vector<BYTE> string(const std::wstring& text) {
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
}

struct TestDevice {
    std::string instanceId;
};

// Creates and registers a device and sets the properties the walk reads.
bool createDevice(SetPropertyFunction setProperty, const wchar_t* name, const std::wstring& infPath,
                  const wchar_t* driverKeyInfPath, TestDevice& created) {
    HDEVINFO set = ::SetupDiCreateDeviceInfoList(&kTestClass, nullptr);
    if (set == INVALID_HANDLE_VALUE) {
        return false;
    }
    SP_DEVINFO_DATA data{};
    data.cbSize = sizeof data;
    bool ok = ::SetupDiCreateDeviceInfoW(set, name, &kTestClass, L"Quillon test device", nullptr,
                                         DICD_GENERATE_ID, &data) &&
              ::SetupDiRegisterDeviceInfo(set, &data, 0, nullptr, nullptr, nullptr);
    if (ok) {
        wchar_t id[201] = {};
        ::SetupDiGetDeviceInstanceIdW(set, &data, id, 201, nullptr);
        created.instanceId = std::string(id, id + wcslen(id));
        const auto hardwareIds = multiString({L"ROOT\\QLN_TEST&REV_01", L"ROOT\\QLN_TEST"});
        const auto compatibleIds = multiString({L"QLN_GENERIC", L"QLN_ANY"});
        const auto className = string(L"QuillonTest");
        const auto friendly = string(L"Quillon Test Device");
        const auto inf = string(infPath);
        const auto provider = string(L"Quillon Labs");
        const ULONG rank = 0x00FF2001;
        ok = setProperty(set, &data, &kHardwareIdsKey, 0x2012, hardwareIds.data(),
                         static_cast<DWORD>(hardwareIds.size()), 0) &&
             setProperty(set, &data, &kCompatibleIdsKey, 0x2012, compatibleIds.data(),
                         static_cast<DWORD>(compatibleIds.size()), 0) &&
             setProperty(set, &data, &kClassKey, 0x12, className.data(),
                         static_cast<DWORD>(className.size()), 0) &&
             setProperty(set, &data, &kNameKey, 0x12, friendly.data(),
                         static_cast<DWORD>(friendly.size()), 0) &&
             setProperty(set, &data, &kInfPathKey, 0x12, inf.data(), static_cast<DWORD>(inf.size()),
                         0) &&
             setProperty(set, &data, &kProviderKey, 0x12, provider.data(),
                         static_cast<DWORD>(provider.size()), 0) &&
             setProperty(set, &data, &kRankKey, 0x7, reinterpret_cast<const BYTE*>(&rank),
                         sizeof rank, 0);
        if (!ok) {
            std::printf("  setting a property failed: %lu\n", ::GetLastError());
        }
    } else {
        std::printf("  creating the device failed: %lu\n", ::GetLastError());
    }
    if (ok && driverKeyInfPath) {
        HKEY key =
            ::SetupDiCreateDevRegKeyW(set, &data, DICS_FLAG_GLOBAL, 0, DIREG_DRV, nullptr, nullptr);
        ok = key != INVALID_HANDLE_VALUE;
        if (ok) {
            const auto value = string(driverKeyInfPath);
            ok = ::RegSetValueExW(key, L"InfPath", 0, REG_SZ, value.data(),
                                  static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
            ::RegCloseKey(key);
        }
    }
    ::SetupDiDestroyDeviceInfoList(set);
    return ok;
}

void removeTestDevices() {
    HDEVINFO set = ::SetupDiGetClassDevsW(&kTestClass, nullptr, nullptr, 0);
    if (set == INVALID_HANDLE_VALUE) {
        return;
    }
    SP_DEVINFO_DATA data{};
    data.cbSize = sizeof data;
    for (DWORD i = 0; ::SetupDiEnumDeviceInfo(set, i, &data); ++i) {
        ::SetupDiRemoveDevice(set, &data);
    }
    ::SetupDiDestroyDeviceInfoList(set);
}

std::string windowsInf(const char* name) {
    char windir[MAX_PATH] = {};
    ::GetEnvironmentVariableA("windir", windir, MAX_PATH);
    return std::string(windir) + "\\inf\\" + name;
}

}  // namespace

TEST_CASE("a created device is read back with its properties") {
    auto setProperty = reinterpret_cast<SetPropertyFunction>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"setupapi.dll"), "SetupDiSetDevicePropertyW")));
    REQUIRE(setProperty);
    removeTestDevices();
    // The system's INF folder is the fallback when the driver store has no answer.
    const std::string upperInf = windowsInf("QLNTEST12.INF");
    const std::string keyInf = windowsInf("qlnkey.inf");
    std::ofstream(upperInf) << "[Version]\n";
    std::ofstream(keyInf) << "[Version]\n";

    TestDevice upper, fallback;
    REQUIRE(createDevice(setProperty, L"QLNTEST", L"QLNTEST12.INF", nullptr, upper));
    REQUIRE(createDevice(setProperty, L"QLNTEST", L"no-ending", L"qlnkey.inf", fallback));

    bool ok = false;
    std::string error;
    const auto devices = walkAll(ok, error);
    CHECK(ok);
    const auto* device = findDevice(devices, upper.instanceId);
    REQUIRE(device);
    CHECK_EQ(device->classGuid, std::string("{8e1c5f0a-3b7d-4c2e-9a61-2f4b8d0c7e15}"));
    CHECK_EQ(device->hardwareIds.size(), std::size_t(2));
    CHECK_EQ(device->hardwareIds.at(0), std::string("ROOT\\QLN_TEST&REV_01"));
    CHECK_EQ(device->compatibleIds.size(), std::size_t(2));
    CHECK_EQ(device->name, std::string("Quillon Test Device"));
    CHECK_EQ(device->className, std::string("QuillonTest"));
    CHECK_EQ(device->provider, std::string("Quillon Labs"));
    CHECK_EQ(device->rank, 0x00FF2001u);
    CHECK_EQ(device->matchingId, std::string("QLN_ANY"));
    CHECK_EQ(device->infName, std::string("QLNTEST12.INF"));
    CHECK_EQ(device->infPath, upperInf);

    const auto* other = findDevice(devices, fallback.instanceId);
    REQUIRE(other);
    CHECK_EQ(other->infName, std::string("qlnkey.inf"));
    CHECK_EQ(other->infPath, keyInf);

    removeTestDevices();
    std::remove(upperInf.c_str());
    std::remove(keyInf.c_str());
}

TEST_CASE("clipboard takes text") {
    CHECK(platform::copyToClipboard("Quillon clipboard test"));
}

#endif

CHECK_MAIN

// The Installer program driven over the real pipe by this test acting as the
// server, natively against a copy of the sample machine and under Wine against
// Wine's device tree.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "check.h"
#include "formats/installwire.h"
#include "formats/sha1.h"
#include "platform/installpipe.h"
#include "platform/machinemodel.h"
#include "platform/process.h"

#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <setupapi.h>
// clang-format on
#else
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

const std::string kInf =
    "[Version]\nSignature=\"$WINDOWS NT$\"\nClass=Media\nProvider=%Vendor%\n"
    "DriverVer=03/04/2024,6.0.9999.1\n[Manufacturer]\n%Vendor%=Models,NTamd64\n"
    "[Models.NTamd64]\n%Device%=Install,QLN\\TEST_DEVICE\n[Strings]\nVendor=\"Quillon Test\"\n"
    "Device=\"Test device\"\n";

using Clock = std::chrono::steady_clock;

std::string installerPath() {
    const fs::path self = fs::u8path(platform::currentExecutablePath());
    return (self.parent_path() / fs::u8path(QLN_INSTALLER_RELATIVE)).lexically_normal().u8string();
}

fs::path scratch(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() /
                            ("qln-installer-" + std::to_string(platform::currentProcessId())) /
                            name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string sha1Of(const std::string& content) {
    formats::Sha1 hash;
    hash.add(content.data(), content.size());
    return hash.hexDigest(false);
}

platform::InstallPipeServer::KeepWaiting until(const platform::Process& process, int seconds) {
    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    return [&process, deadline] { return process.isRunning() && Clock::now() < deadline; };
}

struct Exchange {
    int exitCode = -1;
    bool replied = false;
    formats::wire::InstallResult result{0, 1, false};
};

// Serves one request as QuillonPro does; the raw bytes let a test send what QuillonPro never would.
// With a delay the pipe is created that long after Installer started, not before.
Exchange serve(const std::vector<unsigned char>& bytes, std::uint32_t pipeDelayMs = 0) {
    Exchange exchange;
    platform::InstallPipeServer server;
    const auto create = [&server] {
        if (!server.create()) {
            check::fail(__FILE__, __LINE__, "pipe not created: " + std::to_string(server.error()));
            return false;
        }
        return true;
    };
    if (pipeDelayMs == 0 && !create()) {
        return exchange;
    }
    platform::Process installer;
    if (!installer.start(installerPath(), {})) {
        std::printf("  cannot start %s (%u)\n", installerPath().c_str(), installer.error());
        return exchange;
    }
    if (pipeDelayMs > 0) {
        platform::sleepMs(pipeDelayMs);
        if (!create()) {
            installer.waitForExit(20000);
            return exchange;
        }
    }
    if (server.accept(until(installer, 20)) && server.write(bytes.data(), bytes.size())) {
        unsigned char header[4];
        std::int32_t length = 0;
        if (server.read(header, sizeof(header), until(installer, 60)) &&
            formats::wire::decodeLength(header, length)) {
            std::vector<unsigned char> text(static_cast<size_t>(length));
            if (server.read(text.data(), text.size(), until(installer, 20))) {
                std::string reply;
                exchange.replied = formats::wire::decodeText(text, reply) &&
                                   formats::wire::parseReply(reply, exchange.result);
            }
        }
    }
    if (!installer.waitForExit(20000)) {
        installer.kill();
        return exchange;
    }
    exchange.exitCode = installer.exitCode();
    return exchange;
}

std::vector<unsigned char> message(const std::string& text) {
    std::vector<unsigned char> bytes = formats::wire::encodeLength(text);
    const std::vector<unsigned char> body = formats::wire::encodeText(text);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

formats::wire::InstallRequest requestFor(const fs::path& folder, const std::string& sha1,
                                         const std::string& hardwareId) {
    formats::wire::InstallRequest request;
    request.tempDir = folder.u8string();
    request.hardwareId = hardwareId;
    request.infPath = "test/test.inf";
    request.infSha1 = sha1;
    return request;
}

// The second process of the untrusted-server case: it owns the pipe, but did not start Installer.
int childServe(const std::string& marker) {
    platform::InstallPipeServer server;
    if (!server.create()) {
        return 2;
    }
    std::ofstream(fs::u8path(marker)) << "ready";
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    const auto keepWaiting = [deadline] { return Clock::now() < deadline; };
    if (!server.accept(keepWaiting)) {
        return 3;
    }
    const std::vector<unsigned char> bytes =
        message(formats::wire::requestText(
                    requestFor(fs::u8path(marker).parent_path(), sha1Of(kInf), "QLN\\TEST_DEVICE"))
                    .value());
    server.write(bytes.data(), bytes.size());
    unsigned char header[4];
    // Installer must hang up without answering.
    return server.read(header, sizeof(header), keepWaiting) ? 4 : 0;
}

#ifndef _WIN32
// A socket file no one listens on, as a server that died leaves it: connecting is refused.
void leaveStaleSocket() {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = std::string(std::getenv("QUILLON_RUNTIME_DIR")) + "/zavirepipe.sock";
    fs::create_directories(fs::u8path(path).parent_path());
    fs::permissions(fs::u8path(path).parent_path(), fs::perms::owner_all);
    fs::remove(fs::u8path(path));
    std::snprintf(address.sun_path, sizeof(address.sun_path), "%s", path.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    CHECK(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0);
    ::close(fd);
}
#endif

#ifdef _WIN32
// A device registered in Wine's device tree for the length of one case; it counts as present.
class TestDevice {
public:
    // oddLength stores the hardware ids with one byte more than their characters take.
    TestDevice(const std::wstring& hardwareIds, const std::wstring& compatibleIds,
               bool oddLength = false)
        : oddLength_(oddLength) {
        // The System setup class.
        const GUID system = {
            0x4d36e97d, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
        set_ = ::SetupDiCreateDeviceInfoList(&system, nullptr);
        device_.cbSize = sizeof(device_);
        registered_ = set_ != INVALID_HANDLE_VALUE &&
                      ::SetupDiCreateDeviceInfoW(set_, L"QLNTEST", &system, nullptr, nullptr,
                                                 DICD_GENERATE_ID, &device_) &&
                      setIds(SPDRP_HARDWAREID, hardwareIds) &&
                      setIds(SPDRP_COMPATIBLEIDS, compatibleIds) &&
                      ::SetupDiRegisterDeviceInfo(set_, &device_, 0, nullptr, nullptr, nullptr);
    }
    ~TestDevice() {
        if (registered_) {
            ::SetupDiRemoveDevice(set_, &device_);
        }
        if (set_ != INVALID_HANDLE_VALUE) {
            ::SetupDiDestroyDeviceInfoList(set_);
        }
    }
    bool registered() const { return registered_; }

private:
    bool setIds(DWORD property, const std::wstring& ids) {
        if (ids.empty()) {
            return true;
        }
        std::wstring list = ids;
        list.push_back(L'\0');
        list.push_back(L'\0');
        const bool odd = oddLength_ && property == SPDRP_HARDWAREID;
        return ::SetupDiSetDeviceRegistryPropertyW(
            set_, &device_, property, reinterpret_cast<const BYTE*>(list.c_str()),
            static_cast<DWORD>(list.size() * sizeof(wchar_t) + (odd ? 1 : 0)));
    }

    bool oddLength_ = false;
    HDEVINFO set_ = INVALID_HANDLE_VALUE;
    SP_DEVINFO_DATA device_{};
    bool registered_ = false;
};
#endif

}  // namespace

TEST_CASE("no INF with the given SHA-1 answers 100, even one at infPath") {
    const fs::path folder = scratch("none");
    // infPath names test/test.inf; the file there has other content.
    fs::create_directories(folder / "test");
    std::ofstream(folder / "test" / "test.inf", std::ios::binary) << kInf << "; changed\n";
    const Exchange exchange = serve(message(
        formats::wire::requestText(requestFor(folder, sha1Of(kInf), "QLN\\TEST_DEVICE")).value()));
    CHECK_EQ(exchange.exitCode, 0);
    CHECK(exchange.replied);
    CHECK_EQ(exchange.result.errorCode, 100);
}

TEST_CASE("matching INF for an unknown hardware id answers 103") {
    const fs::path folder = scratch("unknown");
    std::ofstream(folder / "test.inf", std::ios::binary) << kInf;
    const Exchange exchange = serve(message(
        formats::wire::requestText(requestFor(folder, sha1Of(kInf), "QLN\\NO_SUCH_DEVICE_4711"))
            .value()));
    CHECK_EQ(exchange.exitCode, 0);
    CHECK(exchange.replied);
    CHECK_EQ(exchange.result.errorCode, 103);
}

#ifdef _WIN32
// Wine's UpdateDriverForPlugAndPlayDevicesW succeeds without installing; what these prove is
// the device lookup: hardware ids, then compatible ids, compared without regard to case.
TEST_CASE("a registered device is found by hardware or compatible id and installed") {
    const std::wstring suffix = std::to_wstring(platform::currentProcessId());
    const TestDevice byHardware(L"QLN\\HW_" + suffix, L"");
    const TestDevice byCompatible(L"QLN\\OTHER_" + suffix, L"QLN\\COMPAT_" + suffix);
    REQUIRE(byHardware.registered());
    REQUIRE(byCompatible.registered());
    const fs::path folder = scratch("registered");
    std::ofstream(folder / "test.inf", std::ios::binary) << kInf;
    const std::string id = std::to_string(platform::currentProcessId());
    for (const std::string& hardwareId : {"QLN\\HW_" + id, "qln\\hw_" + id, "QLN\\COMPAT_" + id}) {
        const Exchange exchange = serve(message(
            formats::wire::requestText(requestFor(folder, sha1Of(kInf), hardwareId)).value()));
        CHECK_EQ(exchange.exitCode, 0);
        CHECK(exchange.replied);
        CHECK_EQ(exchange.result.errorCode, 0);
        CHECK_EQ(exchange.result.systemErrorCode, 0u);
    }
}

// A size that is not a whole number of characters once made the lookup ask again forever.
TEST_CASE("a hardware id list of odd byte length is read to its end") {
    const std::wstring suffix = std::to_wstring(platform::currentProcessId());
    const TestDevice odd(L"QLN\\ODD_" + suffix, L"", true);
    REQUIRE(odd.registered());
    const fs::path folder = scratch("odd");
    std::ofstream(folder / "test.inf", std::ios::binary) << kInf;
    const Exchange exchange =
        serve(message(formats::wire::requestText(
                          requestFor(folder, sha1Of(kInf),
                                     "QLN\\ODD_" + std::to_string(platform::currentProcessId())))
                          .value()));
    CHECK_EQ(exchange.exitCode, 0);
    CHECK_EQ(exchange.result.errorCode, 0);
}
#endif

// INFs a rollback must not act on: one for another device, and one that lists the device only
// for another architecture.
std::vector<std::string> foreignInfs(const std::string& deviceId) {
    return {kInf,
            "[Version]\nSignature=\"$WINDOWS NT$\"\nClass=System\nProvider=Q\n"
            "DriverVer=03/04/2024,6.0.9999.2\n[Manufacturer]\nQ=Models,NTx86,NTamd64\n"
            "[Models.NTx86]\nDevice=Install," +
                deviceId +
                "\n[Models.NTamd64]\n"
                "Device=Install,QLN\\OTHER_DEVICE\n"};
}

#ifndef _WIN32
std::map<std::string, std::string> fileHashes(const fs::path& root) {
    std::map<std::string, std::string> hashes;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            std::ifstream file(entry.path(), std::ios::binary);
            const std::string content((std::istreambuf_iterator<char>(file)),
                                      std::istreambuf_iterator<char>());
            hashes[entry.path().u8string()] = sha1Of(content);
        }
    }
    return hashes;
}

TEST_CASE("a rollback with an INF that does not list the device changes nothing on the machine") {
    // The device whose current driver is oem6.inf.
    const std::string deviceId = "PCI\\VEN_8086&DEV_1911&SUBSYS_86941043&REV_00";
    const fs::path machine = fs::u8path(std::getenv("QUILLON_MACHINE"));
    for (const std::string& inf : foreignInfs(deviceId)) {
        const fs::path folder = scratch("rollback");
        std::ofstream(folder / "test.inf", std::ios::binary) << inf;
        const auto before = fileHashes(machine);
        formats::wire::InstallRequest request = requestFor(folder, sha1Of(inf), deviceId);
        request.rollback = true;
        const Exchange exchange = serve(message(formats::wire::requestText(request).value()));
        CHECK(exchange.replied);
        CHECK_EQ(exchange.result.errorCode, 102);
        CHECK(fileHashes(machine) == before);
    }
}

// Updates compete with the installed driver by rank: one put back must rank as it did.
TEST_CASE("a driver put back by a rollback keeps the rank it had") {
    const std::string deviceId = "PCI\\VEN_8086&DEV_1911&SUBSYS_86941043&REV_00";
    // The rank of the device's driver; none when the machine or the driver cannot be read.
    const auto rank = [&deviceId]() -> std::optional<std::uint32_t> {
        platform::machine::Model model;
        std::string error;
        if (!platform::machine::load(std::getenv("QUILLON_MACHINE"), model, error)) {
            return std::nullopt;
        }
        for (const platform::machine::Device& device : model.devices) {
            if (!device.hardwareIds.empty() && device.hardwareIds.front() == deviceId &&
                device.driver) {
                return device.driver->rank;
            }
        }
        return std::nullopt;
    };
    const std::optional<std::uint32_t> installed = rank();
    REQUIRE(installed);
    for (const bool rollback : {false, true}) {
        const std::string inf =
            "[Version]\nSignature=\"$WINDOWS NT$\"\nClass=System\nProvider=Q\n"
            "DriverVer=03/04/2024,7.0.0." +
            std::to_string(rollback) + "\n[Manufacturer]\nQ=Models,NTamd64\n[Models.NTamd64]\n" +
            "Device=Install," + deviceId + "\n";
        const fs::path folder = scratch(rollback ? "back" : "update");
        std::ofstream(folder / "test.inf", std::ios::binary) << inf;
        formats::wire::InstallRequest request = requestFor(folder, sha1Of(inf), deviceId);
        request.rollback = rollback;
        const Exchange exchange = serve(message(formats::wire::requestText(request).value()));
        REQUIRE(exchange.result.errorCode == 0);
        CHECK((rank() == installed) == rollback);
    }
}
#else
TEST_CASE("a rollback with an INF that does not list the device answers 102 before removing") {
    const std::wstring suffix = std::to_wstring(platform::currentProcessId());
    const TestDevice device(L"QLN\\RB_" + suffix, L"");
    REQUIRE(device.registered());
    const std::string deviceId = "QLN\\RB_" + std::to_string(platform::currentProcessId());
    for (const std::string& inf : foreignInfs(deviceId)) {
        const fs::path folder = scratch("rollback");
        std::ofstream(folder / "test.inf", std::ios::binary) << inf;
        formats::wire::InstallRequest request = requestFor(folder, sha1Of(inf), deviceId);
        request.rollback = true;
        const Exchange exchange = serve(message(formats::wire::requestText(request).value()));
        CHECK(exchange.replied);
        CHECK_EQ(exchange.result.errorCode, 102);
        CHECK_EQ(exchange.result.systemErrorCode, std::uint32_t(ERROR_NO_MORE_ITEMS));
    }
}
#endif

TEST_CASE("a server that accepts and sends nothing is given up after 30 s with exit 2") {
    platform::InstallPipeServer server;
    REQUIRE(server.create());
    platform::Process installer;
    REQUIRE(installer.start(installerPath(), {}));
    REQUIRE(server.accept(until(installer, 20)));
    REQUIRE(installer.waitForExit(60000));
    CHECK_EQ(installer.exitCode(), 2);
}

TEST_CASE("a request without infSha1 exits 4 and sends no reply") {
    const Exchange exchange = serve(
        message("tempDir=C:\\x\nhardwareId=QLN\\TEST_DEVICE\ninfPath=a.inf\nrollback=false\n"));
    CHECK_EQ(exchange.exitCode, 4);
    CHECK(!exchange.replied);
}

// Each of these would let a value that holds a line break pick another folder or device.
TEST_CASE("a request with a repeated key, a CR or a NUL inside exits 4 and sends no reply") {
    const std::string valid =
        "tempDir=C:\\x\nhardwareId=QLN\\TEST_DEVICE\ninfPath=a.inf\ninfSha1=" + sha1Of(kInf) +
        "\nrollback=false\n";
    for (const std::string& text : {valid + "tempDir=C:\\elsewhere\n",
                                    "tempDir=C:\\x\r\n" + valid.substr(valid.find('\n') + 1),
                                    valid + std::string(1, '\0') + "tempDir=y\n"}) {
        const Exchange exchange = serve(message(text));
        CHECK_EQ(exchange.exitCode, 4);
        CHECK(!exchange.replied);
    }
}

TEST_CASE("an odd or oversized length exits 2") {
    CHECK_EQ(serve({7, 0, 0, 0, 'a', 0, 0, 0, 0, 0, 0}).exitCode, 2);
    CHECK_EQ(serve({0, 0, 0, 0x40}).exitCode, 2);
    CHECK_EQ(serve({0xfe, 0xff, 0xff, 0xff}).exitCode, 2);
}

TEST_CASE("a pipe served by a process that did not start Installer is refused with 7") {
    const fs::path folder = scratch("untrusted");
    std::ofstream(folder / "test.inf", std::ios::binary) << kInf;
    const std::string marker = (folder / "ready").u8string();
    platform::Process impostor;
    REQUIRE(impostor.start(platform::currentExecutablePath(), {"--serve", marker}));
    for (int waited = 0; waited < 20000 && !fs::exists(fs::u8path(marker)); waited += 20) {
        platform::sleepMs(20);
    }
    REQUIRE(fs::exists(fs::u8path(marker)));
    platform::Process installer;
    REQUIRE(installer.start(installerPath(), {}));
    REQUIRE(installer.waitForExit(30000));
    CHECK_EQ(installer.exitCode(), 7);
    REQUIRE(impostor.waitForExit(40000));
    CHECK_EQ(impostor.exitCode(), 0);
}

TEST_CASE("while one server holds the pipe a second cannot create it") {
    platform::InstallPipeServer first;
    REQUIRE(first.create());
    platform::InstallPipeServer second;
    CHECK(!second.create());
    CHECK(second.error() != 0u);
    first.close();
    CHECK(second.create());
}

TEST_CASE("a pipe created after Installer started is still connected") {
    const fs::path folder = scratch("late");
    const std::string request =
        formats::wire::requestText(requestFor(folder, sha1Of(kInf), "QLN\\TEST_DEVICE")).value();
    struct Row {
        const char* name;
        bool staleSocket;
    };
#ifdef _WIN32
    const Row rows[] = {{"no pipe yet", false}};
#else
    const Row rows[] = {{"no socket yet", false}, {"a dead server's socket", true}};
#endif
    for (const Row& row : rows) {
        std::printf("  %s\n", row.name);
#ifndef _WIN32
        if (row.staleSocket) {
            leaveStaleSocket();
        }
#endif
        // Half the connect wait: Installer finds no pipe at first and tries again.
        const Exchange exchange = serve(message(request), 500);
        CHECK_EQ(exchange.exitCode, 0);
        CHECK(exchange.replied);
        CHECK_EQ(exchange.result.errorCode, 100);
    }
}

TEST_CASE("no server at all exits 1 once the connect wait is over") {
    platform::Process installer;
    const auto start = Clock::now();
    REQUIRE(installer.start(installerPath(), {}));
    REQUIRE(installer.waitForExit(20000));
    CHECK_EQ(installer.exitCode(), 1);
    std::printf(
        "  exited after %lld ms\n",
        static_cast<long long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count()));
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--serve") {
        return childServe(argv[2]);
    }
#ifndef _WIN32
    // Installer looks the device up in the machine named here; a copy keeps the sample intact.
    const fs::path machine = scratch("machine");
    fs::copy(fs::u8path(QLN_SAMPLE_MACHINE), machine, fs::copy_options::recursive);
    ::setenv("QUILLON_MACHINE", machine.c_str(), 1);
#endif
    const int result = check::run(argc, argv);
    std::error_code ignored;
    fs::remove_all(fs::temp_directory_path() /
                       ("qln-installer-" + std::to_string(platform::currentProcessId())),
                   ignored);
    return result;
}

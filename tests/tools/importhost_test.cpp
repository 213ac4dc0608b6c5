#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "check.h"
#include "hostimport.h"
#include "platform/devices.h"
#include "platform/machinemodel.h"

namespace fs = std::filesystem;
using platform::machine::Device;
using platform::machine::Model;

namespace {

void write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text << "\n";
}

void writeAll(const fs::path& folder,
              std::initializer_list<std::pair<const char*, const char*>> files) {
    for (const auto& [name, value] : files) {
        write(folder / name, value);
    }
}

// A small sysfs: an xHCI controller with its root hub, a Logitech receiver
// with two interfaces (one bound, one not), a network card with a vendor
// driver and an unbound bridge.
fs::path makeSysfs(const fs::path& base) {
    const fs::path sysfs = base / "sys";
    const fs::path pci = sysfs / "devices/pci0000:00";
    const fs::path xhci = pci / "0000:00:14.0";
    writeAll(xhci, {{"vendor", "0x8086"},
                    {"device", "0xa36d"},
                    {"subsystem_vendor", "0x1043"},
                    {"subsystem_device", "0x8694"},
                    {"class", "0x0c0330"},
                    {"revision", "0x10"}});
    fs::create_directory_symlink("../../../bus/pci/drivers/xhci_hcd", xhci / "driver");
    const fs::path nic = pci / "0000:00:1f.6";
    writeAll(nic, {{"vendor", "0x8086"},
                   {"device", "0x15bc"},
                   {"subsystem_vendor", "0x1043"},
                   {"subsystem_device", "0x8672"},
                   {"class", "0x020000"},
                   {"revision", "0x10"}});
    fs::create_directory_symlink("../../../bus/pci/drivers/e1000e", nic / "driver");
    const fs::path bridge = pci / "0000:00:1c.0";
    writeAll(bridge, {{"vendor", "0x8086"},
                      {"device", "0xa338"},
                      {"subsystem_vendor", "0x1043"},
                      {"subsystem_device", "0x8694"},
                      {"class", "0x060400"},
                      {"revision", "0xf0"}});

    const fs::path hub = xhci / "usb1";
    writeAll(hub, {{"idVendor", "1d6b"},
                   {"idProduct", "0003"},
                   {"bcdDevice", "0601"},
                   {"bDeviceClass", "09"},
                   {"version", " 3.00"}});
    fs::create_directory_symlink("../../../../bus/usb/drivers/usb", hub / "driver");
    const fs::path receiver = hub / "1-1";
    writeAll(receiver, {{"idVendor", "046d"},
                        {"idProduct", "c52b"},
                        {"bcdDevice", "1211"},
                        {"bDeviceClass", "00"},
                        {"version", " 2.00"}});
    writeAll(receiver / "1-1:1.0", {{"bInterfaceNumber", "00"},
                                    {"bInterfaceClass", "03"},
                                    {"bInterfaceSubClass", "01"},
                                    {"bInterfaceProtocol", "01"}});
    fs::create_directory_symlink("../../../../../bus/usb/drivers/usbhid",
                                 receiver / "1-1:1.0" / "driver");
    writeAll(receiver / "1-1:1.1", {{"bInterfaceNumber", "01"},
                                    {"bInterfaceClass", "ff"},
                                    {"bInterfaceSubClass", "00"},
                                    {"bInterfaceProtocol", "00"}});

    fs::create_directories(sysfs / "bus/pci/devices");
    fs::create_directories(sysfs / "bus/usb/devices");
    for (const char* address : {"0000:00:14.0", "0000:00:1f.6", "0000:00:1c.0"}) {
        fs::create_directory_symlink(fs::path("../../../devices/pci0000:00") / address,
                                     sysfs / "bus/pci/devices" / address);
    }
    fs::create_directory_symlink("../../../devices/pci0000:00/0000:00:14.0/usb1",
                                 sysfs / "bus/usb/devices/usb1");
    fs::create_directory_symlink("../../../devices/pci0000:00/0000:00:14.0/usb1/1-1",
                                 sysfs / "bus/usb/devices/1-1");
    writeAll(sysfs / "class/dmi/id", {{"board_vendor", "ASUSTeK COMPUTER INC."},
                                      {"board_name", "PRIME Z390-A"},
                                      {"bios_vendor", "American Megatrends Inc."},
                                      {"chassis_type", "3"}});
    write(base / "pci.ids",
          "# test\n8086  Intel Corporation\n\t15bc  Ethernet Connection (7) I219-V\n"
          "\ta36d  Cannon Lake PCH USB 3.1 xHCI Host Controller\n\t\t1043 8694  ASUS board\n"
          "C 06  Bridge\n\t04  PCI bridge\n\t\t00  Normal decode\n");
    write(base / "usb.ids",
          "046d  Logitech, Inc.\n\tc52b  Unifying Receiver\n1d6b  Linux Foundation\n"
          "C 03  Human Interface Device\nC ff  Vendor Specific Class\n");
    writeAll(base / "proc", {{"cpuinfo",
                              "processor\t: 0\nvendor_id\t: GenuineIntel\n"
                              "model name\t: Test CPU\ncpu cores\t: 1\n"},
                             {"meminfo", "MemTotal:       16303412 kB"}});
    return sysfs;
}

const Device* find(const Model& model, const std::string& prefix) {
    for (const Device& device : model.devices) {
        if (device.instanceId.rfind(prefix, 0) == 0) {
            return &device;
        }
    }
    return nullptr;
}

struct Fixture {
    fs::path base;
    quillon::ImportOptions options;

    Fixture() {
        base = fs::temp_directory_path() / ("qln-import-" + std::to_string(::getpid()));
        fs::remove_all(base);
        options.sysfs = makeSysfs(base).string();
        options.proc = (base / "proc").string();
        options.pciIds = (base / "pci.ids").string();
        options.usbIds = (base / "usb.ids").string();
        options.out = (base / "machine").string();
    }
    ~Fixture() { fs::remove_all(base); }
};

}  // namespace

TEST_CASE("import builds Windows ids, names and drivers from sysfs") {
    Fixture fixture;
    quillon::ImportSummary summary;
    std::string error;
    REQUIRE(quillon::importHost(fixture.options, summary, error));
    CHECK_EQ(summary.pciDevices, std::size_t(3));
    CHECK_EQ(summary.usbDevices, std::size_t(2));
    Model model;
    REQUIRE(platform::machine::load(fixture.options.out, model, error));
    CHECK_EQ(model.devices.size(), std::size_t(7));

    const Device* xhci = find(model, "PCI\\VEN_8086&DEV_A36D&SUBSYS_86941043&REV_10\\");
    REQUIRE(xhci);
    CHECK_EQ(xhci->hardwareIds.at(1), std::string("PCI\\VEN_8086&DEV_A36D&SUBSYS_86941043"));
    CHECK_EQ(xhci->hardwareIds.at(2), std::string("PCI\\VEN_8086&DEV_A36D&CC_0C0330"));
    CHECK_EQ(xhci->compatibleIds.at(5), std::string("PCI\\CC_0C0330"));
    CHECK_EQ(xhci->compatibleIds.at(6), std::string("PCI\\CC_0C03"));
    CHECK_EQ(xhci->name, std::string("Cannon Lake PCH USB 3.1 xHCI Host Controller"));
    CHECK_EQ(xhci->manufacturer, std::string("Intel Corporation"));
    CHECK_EQ(xhci->className, std::string("USB"));
    REQUIRE(xhci->driver);
    CHECK_EQ(xhci->driver->infName, std::string("usbxhci.inf"));
    CHECK_EQ(xhci->driver->matchingId, std::string("PCI\\CC_0C0330"));
    CHECK(xhci->instanceId.size() > 2 &&
          xhci->instanceId.substr(xhci->instanceId.size() - 2) == "A0");

    const Device* nic = find(model, "PCI\\VEN_8086&DEV_15BC");
    REQUIRE(nic && nic->driver);
    CHECK_EQ(nic->driver->infName, std::string("oem1.inf"));
    CHECK_EQ(nic->className, std::string("Net"));
    CHECK(!platform::machine::findDriverStoreInf(fixture.options.out, "oem1.inf").empty());

    const Device* bridge = find(model, "PCI\\VEN_8086&DEV_A338");
    REQUIRE(bridge);
    CHECK(!bridge->driver);
    CHECK_EQ(bridge->problem, 28u);
    CHECK_EQ(bridge->name, std::string("PCI bridge"));

    const Device* hub = find(model, "USB\\ROOT_HUB30\\");
    REQUIRE(hub && hub->driver);
    CHECK_EQ(hub->hardwareIds.at(0), std::string("USB\\ROOT_HUB30&VID8086&PIDA36D&REV0010"));
    CHECK_EQ(hub->driver->matchingId, std::string("USB\\ROOT_HUB30"));

    const Device* composite = find(model, "USB\\VID_046D&PID_C52B\\");
    REQUIRE(composite && composite->driver);
    CHECK_EQ(composite->name, std::string("Unifying Receiver"));
    CHECK_EQ(composite->driver->matchingId, std::string("USB\\COMPOSITE"));
    const Device* keyboard = find(model, "USB\\VID_046D&PID_C52B&MI_00\\");
    REQUIRE(keyboard && keyboard->driver);
    CHECK_EQ(keyboard->compatibleIds.at(0), std::string("USB\\Class_03&SubClass_01&Prot_01"));
    CHECK_EQ(keyboard->driver->matchingId, std::string("USB\\Class_03"));
    CHECK_EQ(keyboard->className, std::string("HIDClass"));
    const Device* vendorInterface = find(model, "USB\\VID_046D&PID_C52B&MI_01\\");
    REQUIRE(vendorInterface);
    CHECK(!vendorInterface->driver);

    CHECK_EQ(model.wmi["Win32_BaseBoard"].at(0).at("Product").text, std::string("PRIME Z390-A"));
    CHECK_EQ(model.wmi["Win32_PhysicalMemory"].at(0).at("Capacity").text,
             std::string("17179869184"));
}

TEST_CASE("a scan of the imported machine finds the drivers in its store") {
    Fixture fixture;
    quillon::ImportSummary summary;
    std::string error;
    REQUIRE(quillon::importHost(fixture.options, summary, error));
    ::setenv("QUILLON_MACHINE", fixture.options.out.c_str(), 1);
    std::atomic<bool> keepGoing{true};
    int withInf = 0;
    int devices = 0;
    std::string keyboardMatch;
    REQUIRE(platform::enumerateDevices(
        keepGoing,
        [&](const platform::DeviceRecord& device) {
            ++devices;
            if (!device.infPath.empty()) {
                ++withInf;
                CHECK(fs::is_regular_file(device.infPath));
                CHECK(device.infPath.find("FileRepository") != std::string::npos);
            }
            if (device.instanceId.rfind("USB\\VID_046D&PID_C52B&MI_00", 0) == 0) {
                keyboardMatch = device.matchingId;
            }
        },
        error));
    ::unsetenv("QUILLON_MACHINE");
    CHECK_EQ(devices, 7);
    CHECK_EQ(withInf, 5);
    CHECK_EQ(keyboardMatch, std::string("USB\\Class_03"));
}

TEST_CASE("import refuses an existing machine and a missing sysfs") {
    Fixture fixture;
    quillon::ImportSummary summary;
    std::string error;
    REQUIRE(quillon::importHost(fixture.options, summary, error));
    CHECK(!quillon::importHost(fixture.options, summary, error));
    CHECK(error.find("already holds a machine") != std::string::npos);
    quillon::ImportOptions missing = fixture.options;
    missing.out = (fixture.base / "other").string();
    missing.sysfs = (fixture.base / "nothing").string();
    CHECK(!quillon::importHost(missing, summary, error));
    CHECK(error.find("not a folder") != std::string::npos);
}

TEST_CASE("import of this host gives a loadable machine") {
    if (!fs::is_directory("/sys/bus/pci/devices")) {
        std::printf("  (skipped: no sysfs)\n");
        return;
    }
    const fs::path out = fs::temp_directory_path() / ("qln-host-" + std::to_string(::getpid()));
    fs::remove_all(out);
    quillon::ImportOptions options;
    options.out = out.string();
    quillon::ImportSummary summary;
    std::string error;
    REQUIRE(quillon::importHost(options, summary, error));
    Model model;
    CHECK(platform::machine::load(out.string(), model, error));
    for (const Device& device : model.devices) {
        CHECK(!device.instanceId.empty());
        CHECK(!device.hardwareIds.empty());
    }
    CHECK(model.devices.size() >= summary.pciDevices);
    fs::remove_all(out);
}

CHECK_MAIN

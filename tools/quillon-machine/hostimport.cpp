#include "hostimport.h"

#include <sys/utsname.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "idsdatabase.h"
#include "platform/devices.h"
#include "platform/machinemodel.h"
#include "platform/systemactions.h"

namespace fs = std::filesystem;
using platform::machine::Device;
using platform::machine::DriverRecord;
using platform::machine::Model;

namespace quillon {

namespace {

const std::map<std::string, std::string> kClassGuids = {
    {"System", "{4d36e97d-e325-11ce-bfc1-08002be10318}"},
    {"USB", "{36fc9e60-c465-11cf-8056-444553540000}"},
    {"HIDClass", "{745a17a0-74d3-11d0-b6fe-00a0c90f57da}"},
    {"MEDIA", "{4d36e96c-e325-11ce-bfc1-08002be10318}"},
    {"Display", "{4d36e968-e325-11ce-bfc1-08002be10318}"},
    {"Net", "{4d36e972-e325-11ce-bfc1-08002be10318}"},
    {"Bluetooth", "{e0cbf06c-cd8b-4647-bb8a-263b43f0f974}"},
    {"hdc", "{4d36e96a-e325-11ce-bfc1-08002be10318}"},
    {"SCSIAdapter", "{4d36e97b-e325-11ce-bfc1-08002be10318}"},
    {"Camera", "{ca3e7ab9-b4c3-4ae6-8251-579ef933890f}"},
    {"Ports", "{4d36e978-e325-11ce-bfc1-08002be10318}"},
    {"SmartCardReader", "{50dd5230-ba8a-11d1-bf5d-0000f805f530}"},
};

std::string readLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) {
        line.pop_back();
    }
    return line;
}

unsigned readHex(const fs::path& file) {
    const std::string text = readLine(file);
    try {
        return text.empty() ? 0 : static_cast<unsigned>(std::stoul(text, nullptr, 16));
    } catch (...) {
        return 0;
    }
}

std::string hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

// The kernel module bound to a device, or empty.
std::string boundDriver(const fs::path& device) {
    std::error_code ec;
    const fs::path target = fs::read_symlink(device / "driver", ec);
    return ec ? std::string() : target.filename().string();
}

// A stable pseudo-random part of an instance id, as Windows derives one from
// the parent's location.
std::string parentHash(const std::string& seed) {
    return platform::sha1Hex(seed.data(), seed.size()).substr(0, 8);
}

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

struct Package {
    std::string original;  // the INF's own name
    std::string provider;
    std::string version;
    std::string className;
    bool inbox = false;
    std::string published;                                    // its name in Windows/INF
    std::vector<std::pair<std::string, std::string>> models;  // description, id
};

class Importer {
public:
    Importer(const ImportOptions& options) : m_options(options) {
        struct utsname name {};
        if (::uname(&name) == 0) {
            // "6.1.0-18-amd64" -> "6.1.0.18"
            std::string digits;
            int parts = 0;
            for (const char* c = name.release; *c && parts < 4; ++c) {
                if (std::isdigit(static_cast<unsigned char>(*c))) {
                    digits += *c;
                } else if (!digits.empty() && digits.back() != '.') {
                    digits += '.';
                    ++parts;
                }
            }
            while (!digits.empty() && digits.back() == '.') {
                digits.pop_back();
            }
            m_kernelVersion = digits.empty() ? "1.0.0.0" : digits;
        }
    }

    void loadNames() {
        const auto pick = [](const std::string& given, const char* name) {
            if (!given.empty()) {
                return given;
            }
            for (const char* folder : {"/usr/share/hwdata/", "/usr/share/misc/"}) {
                if (fs::exists(std::string(folder) + name)) {
                    return std::string(folder) + name;
                }
            }
            return std::string();
        };
        m_pci.load(pick(m_options.pciIds, "pci.ids"));
        m_usb.load(pick(m_options.usbIds, "usb.ids"));
    }

    void addPci(ImportSummary& summary) {
        std::vector<fs::path> folders;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(m_options.sysfs + "/bus/pci/devices", ec)) {
            folders.push_back(entry.path());
        }
        std::sort(folders.begin(), folders.end());
        for (const fs::path& folder : folders) {
            addPciDevice(folder);
            ++summary.pciDevices;
        }
    }

    void addUsb(ImportSummary& summary) {
        std::vector<fs::path> folders;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(m_options.sysfs + "/bus/usb/devices", ec)) {
            if (entry.path().filename().string().find(':') == std::string::npos) {
                folders.push_back(entry.path());
            }
        }
        // Root hubs ("usb1") after the controllers, then devices by port path.
        std::sort(folders.begin(), folders.end());
        for (const fs::path& folder : folders) {
            addUsbDevice(folder);
            ++summary.usbDevices;
        }
    }

    void addInventory() {
        const fs::path dmi = m_options.sysfs + "/class/dmi/id";
        using platform::WmiValue;
        m_model.wmi["Win32_SystemEnclosure"].push_back(
            {{"ChassisTypes", WmiValue::fromNumbers({std::max<std::int64_t>(
                                  1, static_cast<std::int64_t>(
                                         std::atoi(readLine(dmi / "chassis_type").c_str())))})}});
        m_model.wmi["Win32_BaseBoard"].push_back(
            {{"Manufacturer", WmiValue::fromText(readLine(dmi / "board_vendor"))},
             {"Product", WmiValue::fromText(readLine(dmi / "board_name"))},
             {"Version", WmiValue::fromText(readLine(dmi / "board_version"))},
             {"SerialNumber", WmiValue::fromText(readLine(dmi / "board_serial"))},
             {"Name", WmiValue::fromText("Base Board")},
             {"Model", WmiValue()},
             {"Status", WmiValue::fromText("OK")}});
        m_model.wmi["Win32_BIOS"].push_back(
            {{"Manufacturer", WmiValue::fromText(readLine(dmi / "bios_vendor"))},
             {"SMBIOSBIOSVersion", WmiValue::fromText(readLine(dmi / "bios_version"))},
             {"Name", WmiValue::fromText(readLine(dmi / "bios_version"))},
             {"SerialNumber", WmiValue::fromText(readLine(dmi / "product_serial"))},
             {"Version", WmiValue::fromText(readLine(dmi / "bios_date"))},
             {"BuildNumber", WmiValue()}});

        std::ifstream cpuinfo(m_options.proc + "/cpuinfo");
        std::map<std::string, std::string> cpu;
        int logical = 0;
        for (std::string line; std::getline(cpuinfo, line);) {
            const auto colon = line.find(':');
            if (colon == std::string::npos) {
                continue;
            }
            std::string key = line.substr(0, colon);
            key.erase(key.find_last_not_of(" \t") + 1);
            std::string value = colon + 2 <= line.size() ? line.substr(colon + 2) : "";
            if (key == "processor") {
                ++logical;
            }
            cpu.emplace(key, value);
        }
        const std::string caption = "Intel64 Family " + cpu["cpu family"] + " Model " +
                                    cpu["model"] + " Stepping " + cpu["stepping"];
        m_model.wmi["Win32_Processor"].push_back(
            {{"Manufacturer", WmiValue::fromText(cpu["vendor_id"])},
             {"Name", WmiValue::fromText(cpu["model name"])},
             {"Caption", WmiValue::fromText(caption)},
             {"Description", WmiValue::fromText(caption)},
             {"Architecture", WmiValue::fromNumber(9)},
             {"NumberOfCores", WmiValue::fromNumber(std::atoi(cpu["cpu cores"].c_str()))},
             {"NumberOfLogicalProcessors", WmiValue::fromNumber(logical)},
             {"Status", WmiValue::fromText("OK")}});

        std::ifstream meminfo(m_options.proc + "/meminfo");
        for (std::string line; std::getline(meminfo, line);) {
            if (line.rfind("MemTotal:", 0) == 0) {
                const unsigned long long kib = std::strtoull(line.c_str() + 9, nullptr, 10);
                // The kernel keeps some memory for itself: round up to whole GiB.
                const unsigned long long gib = (kib + (1ull << 20) - 1) >> 20;
                m_model.wmi["Win32_PhysicalMemory"].push_back(
                    {{"Capacity", WmiValue::fromText(std::to_string(gib << 30))}});
            }
        }
    }

    bool write(ImportSummary& summary, std::string& error) {
        const fs::path root = m_options.out;
        const fs::path infFolder = platform::machine::infFolder(root.string());
        const fs::path store = platform::machine::driverStoreFolder(root.string());
        std::error_code ec;
        fs::create_directories(infFolder, ec);
        fs::create_directories(store, ec);
        if (ec) {
            error = store.string() + ": " + ec.message();
            return false;
        }
        for (const auto& [name, package] : m_packages) {
            const std::string text = infText(package);
            const std::string digest = platform::sha1Hex(text.data(), text.size()).substr(0, 16);
            const fs::path folder = store / (package.original + "_amd64_" + digest);
            fs::create_directories(folder, ec);
            const std::string stem = package.original.substr(0, package.original.size() - 4);
            std::ofstream(folder / package.original, std::ios::binary) << text;
            std::ofstream(infFolder / package.published, std::ios::binary) << text;
            std::ofstream(folder / (stem + ".cat"))
                << "Stand-in for the signed catalog of " << package.original << ".\n";
            std::ofstream(folder / (stem + ".sys"))
                << "Stand-in for " << stem << ".sys " << package.version << ".\n";
            ++summary.packages;
        }
        std::set<std::string> classes;
        for (const Device& device : m_model.devices) {
            classes.insert(device.className);
        }
        for (const std::string& name : classes) {
            m_model.classes.push_back({kClassGuids.at(name), name, "6.1"});
        }
        return platform::machine::save(root.string(), m_model, error);
    }

    Model& model() { return m_model; }

private:
    static std::string pciSetupClass(unsigned base, unsigned sub) {
        switch (base) {
            case 0x01:
                return sub == 0x06 || sub == 0x01 ? "hdc" : "SCSIAdapter";
            case 0x02:
            case 0x0d:
                return "Net";
            case 0x03:
                return "Display";
            case 0x04:
                return "MEDIA";
            case 0x0c:
                return sub == 0x03 ? "USB" : "System";
            default:
                return "System";
        }
    }

    static std::string usbSetupClass(unsigned usbClass) {
        switch (usbClass) {
            case 0x01:
                return "MEDIA";
            case 0x02:
            case 0x0a:
                return "Ports";
            case 0x03:
                return "HIDClass";
            case 0x0b:
                return "SmartCardReader";
            case 0x0e:
                return "Camera";
            case 0xe0:
                return "Bluetooth";
            default:
                return "USB";
        }
    }

    // Linux drivers whose devices Windows serves with an inbox driver, matched
    // by a class id: the INF and the index of that id among the compatible ids.
    struct Inbox {
        const char* inf;
        std::size_t compatibleIndex;
    };

    static const Inbox* pciInbox(const std::string& module) {
        static const std::map<std::string, Inbox> table = {
            {"xhci_hcd", {"usbxhci.inf", 5}},       {"ahci", {"storahci.inf", 5}},
            {"nvme", {"stornvme.inf", 5}},          {"pcieport", {"pci.inf", 6}},
            {"snd_hda_intel", {"hdaudbus.inf", 5}}, {"ehci-pci", {"usbport.inf", 5}},
        };
        const auto found = table.find(module);
        return found == table.end() ? nullptr : &found->second;
    }

    Package& package(const std::string& original, const std::string& provider, bool inbox,
                     const std::string& className) {
        auto [found, isNew] = m_packages.try_emplace(original);
        Package& result = found->second;
        if (isNew) {
            result.original = original;
            result.provider = inbox ? "Microsoft" : provider;
            result.version = inbox ? "10.0.19041.1" : m_kernelVersion;
            result.className = className;
            result.inbox = inbox;
            result.published = inbox ? original : "oem" + std::to_string(m_nextOem++) + ".inf";
        }
        return result;
    }

    void attach(Device& device, const std::string& original, const std::string& provider,
                bool inbox, std::uint32_t rank) {
        Package& chosen = package(original, provider, inbox, device.className);
        DriverRecord driver;
        driver.infName = chosen.published;
        driver.rank = rank;
        driver.driverType = 2;
        driver.provider = chosen.provider;
        driver.version = chosen.version;
        driver.date = inbox ? "2006-06-21" : "";
        driver.description = device.name;
        driver.matchingId =
            platform::matchingIdFromRank(rank, device.hardwareIds, device.compatibleIds);
        chosen.models.emplace_back(device.name, driver.matchingId);
        device.driver = driver;
    }

    void attachBound(Device& device, const std::string& module, const Inbox* inbox,
                     const std::string& provider) {
        if (module.empty()) {
            device.problem = 28;  // no driver installed
            return;
        }
        if (inbox && inbox->compatibleIndex < device.compatibleIds.size()) {
            attach(device, inbox->inf, provider, true,
                   0x00FF2000 | static_cast<std::uint32_t>(inbox->compatibleIndex));
        } else {
            std::string name = module;
            std::replace(name.begin(), name.end(), '-', '_');
            attach(device, name + ".inf", provider, false,
                   device.hardwareIds.size() > 1 ? 0x00FF0001 : 0x00FF0000);
        }
    }

    void addPciDevice(const fs::path& folder) {
        const unsigned vendor = readHex(folder / "vendor");
        const unsigned id = readHex(folder / "device");
        const unsigned subsystem =
            readHex(folder / "subsystem_device") << 16 | readHex(folder / "subsystem_vendor");
        const unsigned classCode = readHex(folder / "class");
        const unsigned revision = readHex(folder / "revision");
        const unsigned base = (classCode >> 16) & 0xFF;
        const unsigned sub = (classCode >> 8) & 0xFF;
        const std::string cc6 = hex(classCode & 0xFFFFFF, 6);
        const std::string cc4 = cc6.substr(0, 4);
        const std::string ven = "PCI\\VEN_" + hex(vendor, 4);
        const std::string dev = ven + "&DEV_" + hex(id, 4);
        const std::string subsys = "&SUBSYS_" + hex(subsystem, 8);

        Device device;
        device.hardwareIds = {dev + subsys + "&REV_" + hex(revision, 2), dev + subsys,
                              dev + "&CC_" + cc6, dev + "&CC_" + cc4};
        device.compatibleIds = {dev + "&REV_" + hex(revision, 2),
                                dev,
                                ven + "&CC_" + cc6,
                                ven + "&CC_" + cc4,
                                ven,
                                "PCI\\CC_" + cc6,
                                "PCI\\CC_" + cc4};
        // "0000:00:14.0": the bus picks the parent, device and function the slot.
        const std::string address = folder.filename().string();
        unsigned domain = 0, bus = 0, slot = 0, function = 0;
        std::sscanf(address.c_str(), "%x:%x:%x.%x", &domain, &bus, &slot, &function);
        device.instanceId = device.hardwareIds[0] + "\\" + (bus == 0 ? "3" : "4") + "&" +
                            upper(parentHash(address.substr(0, 7))) + "&0&" +
                            hex(slot << 3 | function, 2);
        device.manufacturer = m_pci.vendor(static_cast<std::uint16_t>(vendor));
        device.name =
            m_pci.device(static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(id));
        if (device.name.empty()) {
            device.name =
                m_pci.subclassName(static_cast<std::uint8_t>(base), static_cast<std::uint8_t>(sub));
        }
        if (device.name.empty()) {
            device.name = "PCI Device";
        }
        device.description = device.name;
        device.className = pciSetupClass(base, sub);
        device.classGuid = kClassGuids.at(device.className);
        const std::string module = boundDriver(folder);
        attachBound(device, module, pciInbox(module), device.manufacturer);
        m_model.devices.push_back(std::move(device));
    }

    void addUsbDevice(const fs::path& folder) {
        const unsigned vendor = readHex(folder / "idVendor");
        const unsigned product = readHex(folder / "idProduct");
        const unsigned revision = readHex(folder / "bcdDevice");
        const unsigned deviceClass = readHex(folder / "bDeviceClass");
        const std::string name = folder.filename().string();
        const std::string vidPid = "USB\\VID_" + hex(vendor, 4) + "&PID_" + hex(product, 4);
        const std::string vendorName = m_usb.vendor(static_cast<std::uint16_t>(vendor));
        std::string serial = readLine(folder / "serial");
        const bool usableSerial = !serial.empty() && serial.size() < 64 &&
                                  std::all_of(serial.begin(), serial.end(), [](char c) {
                                      return std::isalnum(static_cast<unsigned char>(c));
                                  });
        const std::string location =
            "5&" + upper(parentHash(folder.parent_path().string() + name)) + "&0&" +
            std::to_string(std::count(name.begin(), name.end(), '.') + 1);

        Device device;
        device.manufacturer = vendorName;
        if (name.rfind("usb", 0) == 0) {
            const bool super = readLine(folder / "version").find('3') != std::string::npos;
            const std::string hub = super ? "USB\\ROOT_HUB30" : "USB\\ROOT_HUB20";
            std::error_code resolved;
            const fs::path controller = fs::canonical(folder, resolved).parent_path();
            const std::string suffix = "&VID" + hex(readHex(controller / "vendor"), 4) + "&PID" +
                                       hex(readHex(controller / "device"), 4);
            device.hardwareIds = {hub + suffix + "&REV" + hex(readHex(controller / "revision"), 4),
                                  hub + suffix, hub};
            device.instanceId = hub + "\\4&" + upper(parentHash(name)) + "&0&0";
            device.name = super ? "USB Root Hub (USB 3.0)" : "USB Root Hub";
            device.className = "USB";
            device.manufacturer = "(Standard USB HUBs)";
            device.description = device.name;
            device.classGuid = kClassGuids.at(device.className);
            if (!boundDriver(folder).empty()) {
                attach(device, super ? "usbhub3.inf" : "usbhub.inf", "", true, 0x00FF0002);
            }
            m_model.devices.push_back(std::move(device));
            return;
        }

        device.hardwareIds = {vidPid + "&REV_" + hex(revision, 4), vidPid};
        device.instanceId = vidPid + "\\" + (usableSerial ? serial : location);
        device.name =
            m_usb.device(static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(product));
        // Interfaces "<device>:<config>.<number>", each with its own class.
        std::vector<fs::path> interfaces;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec)) {
            if (entry.path().filename().string().rfind(name + ":", 0) == 0) {
                interfaces.push_back(entry.path());
            }
        }
        std::sort(interfaces.begin(), interfaces.end());
        const bool composite = deviceClass == 0 && interfaces.size() > 1;
        if (composite) {
            device.compatibleIds = {"USB\\DevClass_00&SubClass_00&Prot_00",
                                    "USB\\DevClass_00&SubClass_00", "USB\\DevClass_00",
                                    "USB\\COMPOSITE"};
            device.className = "USB";
            if (device.name.empty()) {
                device.name = "USB Composite Device";
            }
            device.description = device.name;
            device.classGuid = kClassGuids.at(device.className);
            attach(device, "usb.inf", "", true, 0x00FF2003);
            m_model.devices.push_back(std::move(device));
            for (const fs::path& interface : interfaces) {
                addUsbFunction(interface, vidPid, revision, vendorName, location);
            }
            return;
        }
        const fs::path classSource =
            interfaces.empty() || deviceClass != 0 ? folder : interfaces[0];
        const bool fromDevice = classSource == folder;
        const unsigned usbClass =
            readHex(classSource / (fromDevice ? "bDeviceClass" : "bInterfaceClass"));
        const unsigned usbSub =
            readHex(classSource / (fromDevice ? "bDeviceSubClass" : "bInterfaceSubClass"));
        const unsigned protocol =
            readHex(classSource / (fromDevice ? "bDeviceProtocol" : "bInterfaceProtocol"));
        classIds(device, usbClass, usbSub, protocol);
        if (device.name.empty()) {
            device.name = classDeviceName(usbClass);
        }
        device.description = device.name;
        const std::string module = boundDriver(interfaces.empty() ? folder : interfaces[0]);
        attachUsb(device, module, usbClass, vendorName);
        m_model.devices.push_back(std::move(device));
    }

    void addUsbFunction(const fs::path& interface, const std::string& vidPid, unsigned revision,
                        const std::string& vendorName, const std::string& location) {
        const unsigned number = readHex(interface / "bInterfaceNumber");
        const std::string mi = "&MI_" + hex(number, 2);
        Device device;
        device.hardwareIds = {vidPid + "&REV_" + hex(revision, 4) + mi, vidPid + mi};
        device.instanceId = vidPid + mi + "\\6" + location.substr(1, location.rfind('&') - 1) +
                            "&" + hex(number, 4);
        device.manufacturer = vendorName;
        const unsigned usbClass = readHex(interface / "bInterfaceClass");
        classIds(device, usbClass, readHex(interface / "bInterfaceSubClass"),
                 readHex(interface / "bInterfaceProtocol"));
        device.name = classDeviceName(usbClass);
        device.description = device.name;
        attachUsb(device, boundDriver(interface), usbClass, vendorName);
        m_model.devices.push_back(std::move(device));
    }

    void classIds(Device& device, unsigned usbClass, unsigned sub, unsigned protocol) {
        const std::string base = "USB\\Class_" + hex(usbClass, 2);
        device.compatibleIds = {base + "&SubClass_" + hex(sub, 2) + "&Prot_" + hex(protocol, 2),
                                base + "&SubClass_" + hex(sub, 2), base};
        if (usbClass == 0x09) {
            device.compatibleIds.insert(device.compatibleIds.begin(),
                                        protocol >= 3 ? "USB\\USB30_HUB" : "USB\\USB20_HUB");
        }
        device.className = usbSetupClass(usbClass);
        device.classGuid = kClassGuids.at(device.className);
    }

    std::string classDeviceName(unsigned usbClass) const {
        switch (usbClass) {
            case 0x01:
                return "USB Audio Device";
            case 0x03:
                return "USB Input Device";
            case 0x08:
                return "USB Mass Storage Device";
            case 0x09:
                return "Generic USB Hub";
            case 0x0e:
                return "USB Video Device";
            case 0xe0:
                return "Bluetooth Radio";
            default: {
                const std::string name = m_usb.className(static_cast<std::uint8_t>(usbClass));
                return name.empty() ? "USB Device" : "USB " + name;
            }
        }
    }

    void attachUsb(Device& device, const std::string& module, unsigned usbClass,
                   const std::string& provider) {
        static const std::map<unsigned, Inbox> byClass = {
            {0x01, {"wdma_usb.inf", 2}}, {0x03, {"input.inf", 2}},    {0x08, {"usbstor.inf", 0}},
            {0x09, {"usbhub3.inf", 0}},  {0x0e, {"usbvideo.inf", 2}}, {0xe0, {"bth.inf", 0}},
        };
        const auto found = byClass.find(usbClass);
        attachBound(device, module, found == byClass.end() ? nullptr : &found->second, provider);
    }

    static std::string infText(const Package& package) {
        std::ostringstream text;
        text << "; " << package.original << "\r\n\r\n[Version]\r\nSignature=\"$WINDOWS NT$\"\r\n"
             << "Class=" << package.className
             << "\r\nClassGuid=" << kClassGuids.at(package.className)
             << "\r\nProvider=%ProviderName%\r\n"
             << "DriverVer=" << (package.inbox ? "06/21/2006" : "01/01/2024") << ","
             << package.version
             << "\r\nCatalogFile=" << package.original.substr(0, package.original.size() - 4)
             << ".cat\r\n\r\n[Manufacturer]\r\n%ProviderName%=Models,NTamd64\r\n\r\n"
             << "[Models.NTamd64]\r\n";
        std::set<std::string> seen;
        int n = 0;
        for (const auto& [description, id] : package.models) {
            if (seen.insert(id).second) {
                text << "%Device" << n++ << ".DeviceDesc%=Install, " << id << "\r\n";
            }
        }
        text << "\r\n[Strings]\r\nProviderName=\"" << package.provider << "\"\r\n";
        seen.clear();
        n = 0;
        for (const auto& [description, id] : package.models) {
            if (seen.insert(id).second) {
                text << "Device" << n++ << ".DeviceDesc=\"" << description << "\"\r\n";
            }
        }
        return text.str();
    }

    const ImportOptions& m_options;
    IdsDatabase m_pci;
    IdsDatabase m_usb;
    Model m_model;
    std::map<std::string, Package> m_packages;
    int m_nextOem = 1;
    std::string m_kernelVersion = "1.0.0.0";
};

}  // namespace

bool importHost(const ImportOptions& options, ImportSummary& summary, std::string& error) {
    if (options.out.empty()) {
        error = "no output folder given";
        return false;
    }
    std::error_code ec;
    if (fs::exists(fs::path(options.out) / platform::machine::kMachineFile, ec)) {
        error = options.out + " already holds a machine; choose a new folder";
        return false;
    }
    if (!fs::is_directory(options.sysfs + "/bus/pci/devices", ec)) {
        error = options.sysfs + "/bus/pci/devices: not a folder; is sysfs mounted?";
        return false;
    }
    Importer importer(options);
    importer.loadNames();
    importer.model().os = {10, 0, 2, 1, 256, 19045, 48, 9, 0, true};
    importer.addPci(summary);
    importer.addUsb(summary);
    importer.addInventory();
    return importer.write(summary, error);
}

}  // namespace quillon

#pragma once

// A folder that describes one Windows PC: machine.json (version, WMI-shaped
// inventory, setup classes, device instances with their installed drivers) and
// the Windows INF folder and driver store below it. The POSIX platform layer
// reads and writes it where Windows would ask the system.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/wmi.h"

namespace platform::machine {

struct OsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t platformId = 0;
    std::uint32_t productType = 0;  // 1 = workstation
    std::uint32_t suiteMask = 0;
    std::uint32_t build = 0;
    std::uint32_t productInfo = 0;            // what GetProductInfo answers
    std::uint32_t processorArchitecture = 0;  // 9 = x64, 0 = x86, 6 = Itanium
    std::uint32_t serverR2 = 0;               // the R2 system metric
    bool is64 = false;                        // the 32-bit program runs under WOW64
};

using WmiValue = platform::WmiValue;
using CaseInsensitiveLess = platform::CaseInsensitiveLess;
using WmiObject = platform::WmiObject;

struct SetupClass {
    std::string guid;  // "{4d36e97d-e325-11ce-bfc1-08002be10318}"
    std::string name;
    std::string lowerLogoVersion;
};

struct DriverRecord {
    std::string infName;  // "oem12.inf" or an inbox name such as "machine.inf"
    std::uint32_t rank = 0;
    std::uint32_t driverType = 0;  // 1 class driver, 2 compatible driver
    std::string provider;
    std::string version;
    std::string date;  // YYYY-MM-DD, empty when unknown
    std::string description;
    std::string matchingId;
};

struct Device {
    std::string instanceId;
    std::string classGuid;  // empty: the device has no class
    std::string className;
    std::string name;
    std::string description;
    std::string manufacturer;
    std::vector<std::string> hardwareIds;
    std::vector<std::string> compatibleIds;
    bool present = true;
    std::uint32_t problem = 0;
    std::optional<DriverRecord> driver;
    // Older drivers of the device, most recent last; rollback takes the last one.
    std::vector<DriverRecord> previousDrivers;
};

struct Model {
    OsVersion os;
    // WMI class name ("Win32_Processor") -> the objects a query returns.
    platform::WmiInventory wmi;
    std::vector<SetupClass> classes;
    std::vector<Device> devices;

    const SetupClass* findClass(const std::string& guid) const;
    Device* findDevice(const std::string& instanceId);
};

inline constexpr const char* kMachineFile = "machine.json";
inline constexpr const char* kInfFolder = "Windows/INF";
inline constexpr const char* kDriverStoreFolder = "Windows/System32/DriverStore/FileRepository";

// Reads <root>/machine.json. On failure returns false and sets error to
// "<file>:<line>: <what was expected>".
bool load(const std::string& root, Model& model, std::string& error);
// Parses the text of a machine.json; `file` only names it in errors.
bool parse(const std::string& text, const std::string& file, Model& model, std::string& error);
// Replaces <root>/machine.json atomically: a reader sees the old or the new
// file, never a part of one, and a failed write leaves the old file in place.
bool save(const std::string& root, const Model& model, std::string& error);
std::string serialize(const Model& model);

// The machine in use: $QUILLON_MACHINE, else "machine" in the per-user data
// folder, copied there from the sample PC on first use. Empty when neither
// exists nor can be made.
std::string machineRoot();
// Loads the machine in use; `root` receives its folder.
bool loadCurrent(Model& model, std::string& root, std::string& error);
// The shipped sample PC: $QUILLON_SAMPLE_MACHINE, "machines/sample-pc" beside
// the executable, "../share/quillonpro/machines/sample-pc", or the source tree.
std::string sampleMachineRoot();

std::string infFolder(const std::string& root);
std::string driverStoreFolder(const std::string& root);
// <root>/Windows/INF/<infName> when that file exists (case-insensitively), else empty.
std::string findInf(const std::string& root, const std::string& infName);
// The INF of that name in the driver store, or for a published oemN.inf the
// store INF with the same content; empty when there is none.
std::string findDriverStoreInf(const std::string& root, const std::string& infName);

// The same look-up for many names: the store is read once.
class DriverStoreIndex {
public:
    explicit DriverStoreIndex(const std::string& root);
    std::string find(const std::string& infName) const;

private:
    std::string m_root;
    std::map<std::string, std::string> m_byName;          // lower-case INF name -> path
    std::multimap<std::uintmax_t, std::string> m_bySize;  // file size -> path
};

}  // namespace platform::machine

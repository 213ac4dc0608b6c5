#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// One device instance with its installed driver, as the system describes it.
// A failed read leaves its field empty or 0.
struct DeviceRecord {
    std::uint32_t devInst = 0;
    std::uint32_t status = 0;
    std::uint32_t problem = 0;
    std::string instanceId;
    std::string classGuid;         // "{xxxxxxxx-...}" lower case; empty for the null GUID
    std::string lowerLogoVersion;  // lower case
    std::string className;
    std::string name;
    std::string description;
    std::string manufacturer;
    std::vector<std::string> hardwareIds;
    std::vector<std::string> compatibleIds;
    bool connected = false;
    std::uint32_t driverType = 0;  // 1 class driver, 2 compatible driver, 0 none
    std::uint32_t rank = 0;
    std::string matchingId;
    std::string infName;
    std::string infPath;
    std::string provider;
    std::string version;
    int year = 0;  // installed driver's date (UTC); 0 when there is none
    int month = 0;
    int day = 0;
    std::string driverDescription;
};

// Walks every device instance the system knows, present or not, calling
// `visit` for each in the system's order. `keepGoing` is checked before each
// device; clearing it from another thread ends the walk after the current one.
// Returns false, with error set, only when the walk broke off on an error other
// than the end of the list; a device list that cannot be opened is an empty,
// successful walk.
bool enumerateDevices(const std::atomic<bool>& keepGoing,
                      const std::function<void(const DeviceRecord&)>& visit, std::string& error);

// The id the installed driver matched: T = bits 12-15, i = bits 0-3 of the
// rank; a hardware id for ranks below 0x1000 or T = 1, a compatible id for
// T = 2 or 3; empty when the index is out of range.
std::string matchingIdFromRank(std::uint32_t rank, const std::vector<std::string>& hardwareIds,
                               const std::vector<std::string>& compatibleIds);

// Whether a DriverInfPath value names an INF file (".inf", any case).
bool looksLikeInfName(const std::string& name);

}  // namespace platform

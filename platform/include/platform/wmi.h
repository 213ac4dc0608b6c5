#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace platform {

// One WMI property: text, integer, an array of integers, or anything else (null).
struct WmiValue {
    enum class Type { Null, Text, Number, NumberArray };
    Type type = Type::Null;
    std::string text;
    std::int64_t number = 0;
    std::vector<std::int64_t> numbers;

    static WmiValue fromText(std::string value) {
        WmiValue result;
        result.type = Type::Text;
        result.text = std::move(value);
        return result;
    }
    static WmiValue fromNumber(std::int64_t value) {
        WmiValue result;
        result.type = Type::Number;
        result.number = value;
        return result;
    }
    static WmiValue fromNumbers(std::vector<std::int64_t> values) {
        WmiValue result;
        result.type = Type::NumberArray;
        result.numbers = std::move(values);
        return result;
    }
    bool operator==(const WmiValue& other) const {
        return type == other.type && text == other.text && number == other.number &&
               numbers == other.numbers;
    }
};

// Names compare without regard to case, as WMI does.
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

using WmiObject = std::map<std::string, WmiValue, CaseInsensitiveLess>;
// WMI class name ("Win32_Processor") -> the objects "SELECT * FROM <class>" returns.
using WmiInventory = std::map<std::string, std::vector<WmiObject>, CaseInsensitiveLess>;

// The classes the inventory is taken from, in query order.
inline const char* const kWmiClasses[] = {
    "Win32_SystemEnclosure", "Win32_Processor",      "Win32_BaseBoard",      "Win32_BIOS",
    "Win32_DiskDrive",       "Win32_DesktopMonitor", "Win32_PhysicalMemory",
};

// Runs "SELECT * FROM <class>" for each of kWmiClasses in "ROOT\CIMV2". Every
// returned object is waited for at most timeoutMs, so a stuck provider cannot
// hold up the caller. Returns false with error set when WMI cannot be reached
// at all; a query that fails is logged into `warnings` and its class left out.
bool wmiCollect(bool initCom, WmiInventory& out, std::string& error,
                std::vector<std::string>& warnings, std::uint32_t timeoutMs = 30000);

}  // namespace platform

// A generated driver catalogue and the devices of a generated PC, shared by the benchmarks:
// vendors and devices as PCI has them, INFs about as big as real single-device ones.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace generated {

using nlohmann::json;

inline char hex(unsigned value) {
    return "0123456789ABCDEF"[value & 15];
}

inline std::string hex4(unsigned value) {
    return {hex(value >> 12), hex(value >> 8), hex(value >> 4), hex(value)};
}

// Vendors and devices as PCI has them: a few hundred vendors, many devices, several INFs (driver
// versions, OEM variants) per device.
struct Part {
    unsigned vendor;
    unsigned device;
};

inline Part partOf(std::size_t index, std::size_t parts) {
    const std::size_t part = index % parts;
    return {static_cast<unsigned>(0x1000 + part % 300), static_cast<unsigned>(0x0100 + part / 300)};
}

inline std::string idOf(const Part& part) {
    return "PCI\\VEN_" + hex4(part.vendor) + "&DEV_" + hex4(part.device);
}

inline std::string generatedInf(std::size_t index, std::size_t parts) {
    const Part part = partOf(index, parts);
    const std::string id = idOf(part);
    const unsigned year = 2015 + index % 11;
    const std::string decoration = index % 4 == 0 ? "NTamd64.10.0...16299" : "NTamd64";
    std::string text = "; generated INF " + std::to_string(index) +
                       "\r\n[Version]\r\nSignature=\"$WINDOWS NT$\"\r\nClass=Net\r\n"
                       "ClassGuid={4d36e972-e325-11ce-bfc1-08002be10318}\r\nProvider=%Mfg%\r\n"
                       "DriverVer=0" +
                       std::to_string(1 + index % 9) + "/1" + std::to_string(index % 10) + "/" +
                       std::to_string(year) + "," + std::to_string(year - 2000) + ".0." +
                       std::to_string(index % 97) + "." + std::to_string(index) +
                       "\r\nCatalogFile=drv.cat\r\n\r\n[Manufacturer]\r\n%Mfg%=Models,NTx86," +
                       decoration + "\r\n\r\n[Models.NTx86]\r\n%Desc%=Install, " + id +
                       "\r\n\r\n[Models." + decoration + "]\r\n";
    for (unsigned subsys = 0; subsys < 3; ++subsys) {
        text += "%Desc%=Install, " + id + "&SUBSYS_" + hex4(index % 16 + subsys) + "1043&REV_0" +
                std::to_string(subsys) + "\r\n";
    }
    text += "%Desc%=Install, " + id + "&CC_0200, " + id + "\r\n\r\n[Install.NT]\r\nCopyFiles=F\r\n";
    if (index % 5 == 0) {
        text += "FeatureScore=0xF0\r\n";
    }
    text += "\r\n[Strings]\r\nMfg=\"Vendor " + hex4(part.vendor) + "\"\r\nDesc=\"Device " +
            hex4(part.device) + "\"\r\n";
    return text;
}

inline json hid(const std::string& name, bool compatible) {
    return {{"name", name}, {"compatible", compatible}};
}

// A device as a PC reports it: four hardware ids and six compatible ids.
inline json generatedDevice(std::size_t index, std::size_t parts) {
    const Part part = partOf(index * 7919, parts);
    const std::string id = idOf(part);
    const std::string subsys = "&SUBSYS_" + hex4(index % 16) + "1043";
    json hids = {hid(id + subsys + "&REV_00", false),
                 hid(id + subsys, false),
                 hid(id + "&CC_020000", false),
                 hid(id + "&CC_0200", false),
                 hid(id + "&REV_00", true),
                 hid(id, true),
                 hid("PCI\\VEN_" + hex4(part.vendor) + "&CC_020000", true),
                 hid("PCI\\VEN_" + hex4(part.vendor), true),
                 hid("PCI\\CC_020000", true),
                 hid("PCI\\CC_0200", true)};
    json item = {{"manufacturer", "Vendor"},
                 {"description", "Device"},
                 {"connected", true},
                 {"lowerlogoversion", ""},
                 {"class", {{"name", "Net"}, {"guid", "{4d36e972-e325-11ce-bfc1-08002be10318}"}}},
                 {"hids", hids}};
    if (index % 3 != 0) {
        item["driver"] = {{"provider", "Vendor"},
                          {"version", "16.0.0.1"},
                          {"date", "2016-01-01"},
                          {"type", 2},
                          {"rank", 0x00FF0001}};
    }
    return item;
}

}  // namespace generated

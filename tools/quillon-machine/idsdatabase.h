#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace quillon {

// Names from a hwdata id database (pci.ids, usb.ids): vendors, their
// devices, and the class codes.
class IdsDatabase {
public:
    bool load(const std::string& path);

    std::string vendor(std::uint16_t vendor) const;
    std::string device(std::uint16_t vendor, std::uint16_t device) const;
    std::string className(std::uint8_t base) const;
    std::string subclassName(std::uint8_t base, std::uint8_t sub) const;

private:
    std::map<std::uint16_t, std::string> m_vendors;
    std::map<std::pair<std::uint16_t, std::uint16_t>, std::string> m_devices;
    std::map<std::uint8_t, std::string> m_classes;
    std::map<std::pair<std::uint8_t, std::uint8_t>, std::string> m_subclasses;
};

}  // namespace quillon

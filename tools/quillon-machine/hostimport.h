#pragma once

#include <cstddef>
#include <string>

namespace quillon {

struct ImportOptions {
    std::string out;  // the machine folder to create; must not hold a machine yet
    std::string sysfs = "/sys";
    std::string proc = "/proc";
    std::string pciIds;  // empty: the hwdata database where Debian puts it
    std::string usbIds;
};

struct ImportSummary {
    std::size_t pciDevices = 0;
    std::size_t usbDevices = 0;
    std::size_t packages = 0;
};

// Builds a machine model from the host's PCI and USB devices: Windows-format
// ids, names from the hwdata databases, a driver package in the store for
// every device the host has bound a driver to.
bool importHost(const ImportOptions& options, ImportSummary& summary, std::string& error);

}  // namespace quillon

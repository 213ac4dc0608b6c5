#include <cstdio>
#include <cstring>
#include <string>

#include "hostimport.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: quillon-machine import-host --out DIR [--sysfs DIR] [--proc DIR]\n"
                 "                                   [--pci-ids FILE] [--usb-ids FILE]\n"
                 "Builds a machine model from this computer's PCI and USB devices.\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "import-host") != 0) {
        return usage();
    }
    quillon::ImportOptions options;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            return usage();
        }
        const std::string value = argv[++i];
        if (option == "--out") {
            options.out = value;
        } else if (option == "--sysfs") {
            options.sysfs = value;
        } else if (option == "--proc") {
            options.proc = value;
        } else if (option == "--pci-ids") {
            options.pciIds = value;
        } else if (option == "--usb-ids") {
            options.usbIds = value;
        } else {
            return usage();
        }
    }
    if (options.out.empty()) {
        return usage();
    }
    quillon::ImportSummary summary;
    std::string error;
    if (!quillon::importHost(options, summary, error)) {
        std::fprintf(stderr, "quillon-machine: %s\n", error.c_str());
        return 1;
    }
    std::printf("%zu PCI and %zu USB devices, %zu driver packages -> %s\n", summary.pciDevices,
                summary.usbDevices, summary.packages, options.out.c_str());
    return 0;
}

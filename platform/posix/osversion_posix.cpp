#include "platform/machinemodel.h"
#include "platform/osversion.h"

namespace platform {

OsVersionInfo readOsVersion() {
    OsVersionInfo info;
    machine::Model model;
    std::string root;
    std::string error;
    if (!machine::loadCurrent(model, root, error)) {
        return info;
    }
    const machine::OsVersion& os = model.os;
    info.major = os.major;
    info.minor = os.minor;
    info.platformId = os.platformId;
    info.productType = os.productType;
    info.suiteMask = os.suiteMask;
    info.build = os.build;
    info.is64 = os.is64;
    // GetProductInfo exists only from version 6 on.
    info.productInfo = os.major >= 6 ? os.productInfo : 0;
    info.processorArchitecture = os.processorArchitecture;
    info.serverR2 = os.serverR2;
    return info;
}

}  // namespace platform

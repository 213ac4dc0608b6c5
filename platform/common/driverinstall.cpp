#include "platform/driverinstall.h"

namespace platform {

formats::InfPlatform infPlatform(const OsVersionInfo& os) {
    formats::InfPlatform platform;
    switch (os.processorArchitecture) {
        case 0:
            platform.arch = "x86";
            break;
        case 5:
            platform.arch = "arm";
            break;
        case 6:
            platform.arch = "ia64";
            break;
        case 12:
            platform.arch = "arm64";
            break;
        default:
            platform.arch = "amd64";
            break;
    }
    platform.major = os.major;
    platform.minor = os.minor;
    platform.productType = os.productType;
    platform.build = os.build;
    return platform;
}

bool infListsDevice(const formats::inf::InfFile& file, const formats::InfPlatform& platform,
                    const std::vector<std::string>& deviceIds) {
    for (const formats::inf::Model& model : formats::modelsFor(file, platform)) {
        for (const std::string& id : model.ids) {
            for (const std::string& deviceId : deviceIds) {
                if (formats::inf::equalsIgnoreCase(id, deviceId)) {
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace platform

#pragma once

#include <string>
#include <vector>

#include "formats/inffile.h"
#include "formats/infrules.h"
#include "formats/installwire.h"
#include "platform/osversion.h"

namespace platform {

// Installer's own codes, sent as the reply's errorCode.
enum InstallErrorCode : std::int32_t {
    kInstallOk = 0,
    kInfNotFound = 100,
    kDriverUpdateFailed = 102,
    kDeviceNotFound = 103,
    kRolledBackNeedsReboot = 104,
    kRollbackFailed = 105,
    kDeviceNotPresent = 106,
};

// Finds the package's INF by SHA-1 below tempDir, finds the device by hardware or
// compatible id, optionally rolls its driver back, and installs the INF for it.
// Windows: SetupAPI and newdev. POSIX: the machine model.
formats::wire::InstallResult installDriver(const formats::wire::InstallRequest& request);

// The platform an INF's models decorations are matched against.
formats::InfPlatform infPlatform(const OsVersionInfo& os);

// Whether the INF's models for that platform list one of the device's ids (case aside).
// A rollback removes the current driver only after this holds, so that an INF which
// cannot install leaves the device as it was.
bool infListsDevice(const formats::inf::InfFile& file, const formats::InfPlatform& platform,
                    const std::vector<std::string>& deviceIds);

}  // namespace platform

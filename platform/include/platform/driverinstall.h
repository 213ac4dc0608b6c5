#pragma once

#include "formats/installwire.h"

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

}  // namespace platform

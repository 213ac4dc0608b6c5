#pragma once

#include <QString>

#include "hardware/systeminfo.h"

namespace Qln {

// MD5 (lower-case hex) of twelve processor, baseboard and BIOS values, each followed by a space.
QString hardwareId(const System::SystemInfo& info);

}  // namespace Qln

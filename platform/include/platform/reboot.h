#pragma once

#include <cstdint>

namespace platform {

struct RebootResult {
    bool ok = false;
    // System error code of the last failed attempt, 0 on success.
    std::uint32_t error = 0;
};

// Restarts the computer for a planned application update. Windows asks once as
// is and once more with the shutdown privilege enabled; the machine model has
// no computer to restart and reports success.
RebootResult rebootComputer();

}  // namespace platform

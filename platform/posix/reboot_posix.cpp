#include "platform/reboot.h"

namespace platform {

// The machine model describes a Windows PC; restarting the host would be wrong.
RebootResult rebootComputer() {
    return {true, 0};
}

}  // namespace platform

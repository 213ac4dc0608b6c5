#pragma once

#include "trackerstub.h"

namespace Qln {

// The analytics object the windows publish as `tracker` and the modules report to.
using Analytics = TrackerStub;

}  // namespace Qln

#pragma once

#include "net/ganalytics.h"

namespace Qln {

// The analytics object the windows publish as `tracker` and the modules report to.
using Analytics = Utils::GAnalytics;

}  // namespace Qln

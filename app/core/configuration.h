#pragma once

#include "environment.h"
#include "ganalytics.h"
#include "shared.h"

namespace Qln {

// The services of the running program that the launcher, the windows and the
// modules share; each lives until its last holder lets go.
struct Configuration {
    Flow::Shared<Environment> environment;
    Flow::Shared<Utils::GAnalytics> analytics;
};

}  // namespace Qln

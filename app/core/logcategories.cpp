#include "logcategories.h"

Q_LOGGING_CATEGORY(lcProfiling, "profiling")
Q_LOGGING_CATEGORY(lcInstaller, "installer")
Q_LOGGING_CATEGORY(lcHardware, "hardware")

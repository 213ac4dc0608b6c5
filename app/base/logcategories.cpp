#include "base/logcategories.h"

Q_LOGGING_CATEGORY(lcProfiling, "profiling")
Q_LOGGING_CATEGORY(lcInstaller, "installer")
Q_LOGGING_CATEGORY(lcNet, "net")
Q_LOGGING_CATEGORY(lcAnalytics, "Analytics")
Q_LOGGING_CATEGORY(lcHardware, "hardware")
Q_LOGGING_CATEGORY(lcTasks, "tasks")
Q_LOGGING_CATEGORY(lcBackup, "backup")

#pragma once

#include <QLoggingCategory>

// One category per area of the program; the name is what the log line shows.
Q_DECLARE_LOGGING_CATEGORY(lcProfiling)
Q_DECLARE_LOGGING_CATEGORY(lcInstaller)
Q_DECLARE_LOGGING_CATEGORY(lcNet)
Q_DECLARE_LOGGING_CATEGORY(lcAnalytics)
Q_DECLARE_LOGGING_CATEGORY(lcHardware)
Q_DECLARE_LOGGING_CATEGORY(lcTasks)
Q_DECLARE_LOGGING_CATEGORY(lcBackup)

#pragma once

#include <QString>

#include "ostask/action.h"

namespace System::OSTask {

// Starts a program; empty values are not written.
class ExecAction : public Action {
public:
    ExecAction(const QString& command, const QString& arguments, const QString& workingDirectory)
        : command(command), arguments(arguments), workingDirectory(workingDirectory) {}

    bool apply(platform::TaskSchedulerConnection& connection) const override;

    QString command;
    QString arguments;
    QString workingDirectory;
};

}  // namespace System::OSTask

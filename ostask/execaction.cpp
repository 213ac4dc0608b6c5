#include "ostask/execaction.h"

#include "platform/taskscheduler.h"

namespace System::OSTask {

bool ExecAction::apply(platform::TaskSchedulerConnection& connection) const {
    return connection.addExecAction(command.toStdString(), arguments.toStdString(),
                                    workingDirectory.toStdString());
}

}  // namespace System::OSTask

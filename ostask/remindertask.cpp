#include "ostask/remindertask.h"

#include "ostask/execaction.h"

namespace System::OSTask {

QString ReminderTask::command(const QString& programDir) {
    return QStringLiteral("%1/%2").arg(programDir, reminderProgram());
}

TaskDefinition ReminderTask::definition(std::unique_ptr<Trigger> trigger,
                                        const QString& programDir) {
    TaskDefinition definition;
    definition.author = QStringLiteral("Quillon Pro");
    definition.description = QStringLiteral("Quillon Pro launch");
    definition.version = QStringLiteral("1.0.0");
    definition.addTrigger(std::move(trigger));
    definition.addAction(std::make_unique<ExecAction>(command(programDir), QString(), programDir));
    return definition;
}

}  // namespace System::OSTask

#pragma once

#include <QString>

#include <memory>

#include "ostask/taskdefinition.h"

namespace System::OSTask {

// The one task both programs keep: "QuillonProLauncher", which starts the
// reminder program beside the main one.
class ReminderTask {
public:
    static QString name() { return QStringLiteral("QuillonProLauncher"); }
    static QString periodicTriggerId() { return QStringLiteral("QuillonProTrigger"); }
    static QString singleTriggerId() { return QStringLiteral("QuillonProSingleTrigger"); }
    static QString reminderProgram() { return QStringLiteral("QuillonProSetup.exe"); }
    static QString mainProgram() { return QStringLiteral("QuillonPro.exe"); }

    // "<programDir>/QuillonProSetup.exe".
    static QString command(const QString& programDir);
    // The registration facts and the action that starts the reminder program.
    static TaskDefinition definition(std::unique_ptr<Trigger> trigger, const QString& programDir);
};

}  // namespace System::OSTask

#pragma once

#include <QDateTime>
#include <QString>

#include <string>

#include "ostask/taskdefinition.h"
#include "ostask/taskxml.h"

// Registering, reading and removing scheduled tasks. Run on a thread with COM
// initialised (either program's GUI thread); each call is one connection.
namespace System::OSTask {

// The root task folder.
inline QString rootFolder() {
    return QStringLiteral("\\");
}

// The scheduler's date-time text: UTC, "yyyy-MM-ddThh:mm:ssZ"; null gives "".
QString dateTimeText(const QDateTime& dateTime);
std::string optionalText(const QDateTime& dateTime);

// Creates or replaces the task. Refuses, without asking the scheduler, a
// definition without author, triggers or actions, and an empty name or folder.
bool registerTask(const TaskDefinition& definition, const QString& name,
                  const QString& folder = rootFolder());
bool registerXml(const QString& xml, const QString& name, const QString& folder = rootFolder());
// A missing task, or a failure, is ignored.
void remove(const QString& name, const QString& folder = rootFolder());
// Local time, minutes precision; null when there is no task or no next run.
QDateTime nextRunTime(const QString& name, const QString& folder = rootFolder());
// Empty when the task does not exist.
QString xml(const QString& name, const QString& folder = rootFolder());
TaskXml load(const QString& name, const QString& folder = rootFolder());

}  // namespace System::OSTask

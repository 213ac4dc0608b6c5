#include "ostask/taskscheduler.h"

#include "base/logcategories.h"
#include "platform/taskscheduler.h"

namespace System::OSTask {

namespace {

bool connectTo(platform::TaskSchedulerConnection& connection, const QString& folder) {
    if (!connection.connect(folder.toStdString())) {
        qCWarning(lcTasks).noquote()
            << "Task scheduler:" << QString::fromStdString(connection.error());
        return false;
    }
    return true;
}

bool failed(const platform::TaskSchedulerConnection& connection, const QString& name) {
    qCWarning(lcTasks).noquote() << "Task not registered:" << name
                                 << QString::fromStdString(connection.error());
    return false;
}

}  // namespace

QString dateTimeText(const QDateTime& dateTime) {
    return dateTime.isValid()
               ? dateTime.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'hh:mm:ss'Z'"))
               : QString();
}

std::string optionalText(const QDateTime& dateTime) {
    return dateTimeText(dateTime).toStdString();
}

bool registerTask(const TaskDefinition& definition, const QString& name, const QString& folder) {
    if (definition.author.isEmpty() || definition.triggers().empty() ||
        definition.actions().empty() || name.isEmpty() || folder.isEmpty()) {
        qCWarning(lcTasks).noquote() << "Task definition incomplete:" << name;
        return false;
    }
    platform::TaskSchedulerConnection connection;
    if (!connectTo(connection, folder) || !connection.newTask() ||
        !connection.setRegistrationInfo(
            definition.author.toStdString(), definition.description.toStdString(),
            definition.version.toStdString(), optionalText(QDateTime::currentDateTimeUtc()))) {
        return failed(connection, name);
    }
    // Every item is tried, so that the log names each one that fails.
    bool applied = true;
    for (const std::unique_ptr<Trigger>& trigger : definition.triggers()) {
        if (!trigger->apply(connection)) {
            applied = failed(connection, name);
        }
    }
    for (const std::unique_ptr<Action>& action : definition.actions()) {
        if (!action->apply(connection)) {
            applied = failed(connection, name);
        }
    }
    if (!applied) {
        return false;
    }
    return connection.registerDefinition(name.toStdString()) || failed(connection, name);
}

bool registerXml(const QString& xml, const QString& name, const QString& folder) {
    platform::TaskSchedulerConnection connection;
    if (!connectTo(connection, folder)) {
        return false;
    }
    return (connection.newTask() && connection.setXmlText(xml.toStdString()) &&
            connection.registerDefinition(name.toStdString())) ||
           failed(connection, name);
}

void remove(const QString& name, const QString& folder) {
    platform::TaskSchedulerConnection connection;
    if (connection.connect(folder.toStdString())) {
        connection.deleteTask(name.toStdString());
    }
}

QDateTime nextRunTime(const QString& name, const QString& folder) {
    platform::TaskSchedulerConnection connection;
    platform::TaskRunTime next;
    if (!connection.connect(folder.toStdString()) ||
        !connection.nextRunTime(name.toStdString(), next)) {
        return {};
    }
    return QDateTime(QDate(next.year, next.month, next.day), QTime(next.hour, next.minute),
                     Qt::LocalTime);
}

QString xml(const QString& name, const QString& folder) {
    platform::TaskSchedulerConnection connection;
    std::string text;
    if (!connection.connect(folder.toStdString()) ||
        !connection.taskXml(name.toStdString(), text)) {
        return {};
    }
    return QString::fromStdString(text);
}

TaskXml load(const QString& name, const QString& folder) {
    return TaskXml(xml(name, folder));
}

}  // namespace System::OSTask

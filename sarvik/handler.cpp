#include "sarvik/handler.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>

#include "ostask/remindertask.h"
#include "ostask/taskscheduler.h"
#include "ostask/timetrigger.h"
#include "platform/systemactions.h"

using System::OSTask::ReminderTask;

namespace Sarvik {

Handler::Handler(const QString& programDir, QObject* parent)
    : QObject(parent), m_programDir(programDir) {}

void Handler::launchApp() {
    openMainProgram(QString());
}

void Handler::launchAutorunTab() {
    openMainProgram(QStringLiteral("-tab autorun"));
}

void Handler::openMainProgram(const QString& parameters) {
    // The task starts this program in the program folder.
    const QString file =
        QDir::toNativeSeparators(QDir::current().absoluteFilePath(ReminderTask::mainProgram()));
    std::string error;
    if (!platform::openPath(file.toStdString(), parameters.toStdString(), error)) {
        qWarning().noquote() << "Program not opened:" << QString::fromStdString(error);
    }
}

void Handler::moveToTomorrow() {
    auto trigger = std::make_unique<System::OSTask::TimeTrigger>(
        ReminderTask::singleTriggerId(), QDateTime::currentDateTime().addDays(1));
    System::OSTask::TaskXml task = System::OSTask::load(ReminderTask::name());
    if (task.isValid()) {
        task.putTrigger(std::move(trigger));
        task.setExec(ReminderTask::command(m_programDir), m_programDir);
        System::OSTask::registerXml(task.toString(), ReminderTask::name());
        return;
    }
    System::OSTask::registerTask(ReminderTask::definition(std::move(trigger), m_programDir),
                                 ReminderTask::name());
}

}  // namespace Sarvik

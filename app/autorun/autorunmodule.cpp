#include "autorun/autorunmodule.h"

#include <QLocale>

#include "base/logcategories.h"
#include "ostask/monthlytrigger.h"
#include "ostask/remindertask.h"
#include "ostask/taskscheduler.h"
#include "ostask/weeklytrigger.h"

using System::OSTask::ReminderTask;

namespace Qln {

AutorunModule::AutorunModule(const QString& programDir, Clock clock, QObject* parent)
    : Module(QStringLiteral("autorun"), tr("AutorunTitle"),
             QStringLiteral("../Resources/Images/Modules/autorun.svg"),
             QStringLiteral("qrc:///View/Modules/AutorunModule.qml"), parent),
      m_programDir(programDir),
      m_clock(std::move(clock)) {
    m_newTime = halfHourOf(now().time());
    m_nextRun = System::OSTask::nextRunTime(ReminderTask::name());
    m_enabled = m_nextRun.isValid();
}

QTime AutorunModule::halfHourOf(const QTime& time) {
    return QTime(time.hour(), time.minute() < 30 ? 0 : 30);
}

bool AutorunModule::makeDefaultTask(const QString& programDir, const QDateTime& now) {
    const QDateTime start = now.addDays(28);
    auto trigger = std::make_unique<System::OSTask::MonthlyTrigger>(
        ReminderTask::periodicTriggerId(), start, start.addYears(3),
        System::OSTask::MonthlyTrigger::dayBit(start.date()),
        System::OSTask::MonthlyTrigger::kAllMonths);
    return System::OSTask::registerTask(ReminderTask::definition(std::move(trigger), programDir),
                                        ReminderTask::name());
}

bool AutorunModule::repointTask(const QString& programDir) {
    System::OSTask::TaskXml task = System::OSTask::load(ReminderTask::name());
    if (!task.isValid()) {
        return false;
    }
    task.setExec(ReminderTask::command(programDir), programDir);
    return System::OSTask::registerXml(task.toString(), ReminderTask::name());
}

void AutorunModule::setNeedEnabled(bool need) {
    if (m_needEnabled != need) {
        m_needEnabled = need;
        emit needEnabledChanged();
    }
}

void AutorunModule::setTaskType(int type) {
    if ((type == 0 || type == 1) && type != m_taskType) {
        m_taskType = type;
        emit taskTypeChanged();
    }
}

QString AutorunModule::nextDate() const {
    return m_nextRun.isValid() ? QLocale::system().toString(m_nextRun.date(), QLocale::ShortFormat)
                               : QString();
}

QString AutorunModule::nextTime() const {
    return m_nextRun.isValid() ? m_nextRun.time().toString(QStringLiteral("hh:mm")) : QString();
}

void AutorunModule::incNewTime() {
    m_newTime = m_newTime.addSecs(30 * 60);
    emit newTimeChanged();
}

void AutorunModule::decNewTime() {
    m_newTime = m_newTime.addSecs(-30 * 60);
    emit newTimeChanged();
}

void AutorunModule::saveTaskState() {
    if (!m_needEnabled) {
        System::OSTask::remove(ReminderTask::name());
        m_enabled = false;
        emit enabledChanged();
        return;
    }
    const QDate today = now().date();
    const QDateTime start(today.addDays(1), m_newTime);
    const QDateTime end(today.addYears(3), m_newTime);
    std::unique_ptr<System::OSTask::Trigger> trigger;
    if (m_taskType == 0) {
        trigger = std::make_unique<System::OSTask::WeeklyTrigger>(
            ReminderTask::periodicTriggerId(), start, end,
            System::OSTask::WeeklyTrigger::dayBit(today));
    } else {
        trigger = std::make_unique<System::OSTask::MonthlyTrigger>(
            ReminderTask::periodicTriggerId(), start, end,
            System::OSTask::MonthlyTrigger::dayBit(today),
            System::OSTask::MonthlyTrigger::kAllMonths);
    }
    if (!System::OSTask::registerTask(ReminderTask::definition(std::move(trigger), m_programDir),
                                      ReminderTask::name())) {
        return;
    }
    const QDateTime next = System::OSTask::nextRunTime(ReminderTask::name());
    if (next.isValid()) {
        m_nextRun = next;
        m_enabled = true;
        emit enabledChanged();
    } else {
        qCWarning(lcTasks) << "Reminder registered without a next run";
    }
}

}  // namespace Qln

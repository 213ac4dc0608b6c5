#include "ostask/weeklytrigger.h"

#include "ostask/taskscheduler.h"
#include "platform/taskscheduler.h"

namespace System::OSTask {

namespace {
const char* const kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
}

quint8 WeeklyTrigger::dayBit(const QDate& date) {
    // Qt counts Monday as 1 and Sunday as 7; the scheduler starts at Sunday.
    return static_cast<quint8>(1u << (date.dayOfWeek() % 7));
}

bool WeeklyTrigger::apply(platform::TaskSchedulerConnection& connection) const {
    return connection.addWeeklyTrigger(id.toStdString(), optionalText(start), optionalText(end),
                                       weeksInterval, daysOfWeek);
}

QDomElement WeeklyTrigger::createElement(QDomDocument& document) const {
    QDomElement element = commonElement(document, QStringLiteral("CalendarTrigger"));
    QDomElement schedule = document.createElement(QStringLiteral("ScheduleByWeek"));
    QDomElement interval = document.createElement(QStringLiteral("WeeksInterval"));
    interval.appendChild(document.createTextNode(QString::number(weeksInterval)));
    schedule.appendChild(interval);
    QDomElement days = document.createElement(QStringLiteral("DaysOfWeek"));
    for (int day = 0; day < 7; ++day) {
        if (daysOfWeek & (1u << day)) {
            days.appendChild(document.createElement(QLatin1String(kDayNames[day])));
        }
    }
    schedule.appendChild(days);
    element.appendChild(schedule);
    return element;
}

}  // namespace System::OSTask

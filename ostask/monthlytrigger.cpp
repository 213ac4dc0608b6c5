#include "ostask/monthlytrigger.h"

#include "ostask/taskscheduler.h"
#include "platform/taskscheduler.h"

namespace System::OSTask {

namespace {
const char* const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
}

bool MonthlyTrigger::apply(platform::TaskSchedulerConnection& connection) const {
    return connection.addMonthlyTrigger(id.toStdString(), optionalText(start), optionalText(end),
                                        daysOfMonth, monthsOfYear);
}

QDomElement MonthlyTrigger::createElement(QDomDocument& document) const {
    QDomElement element = commonElement(document, QStringLiteral("CalendarTrigger"));
    QDomElement schedule = document.createElement(QStringLiteral("ScheduleByMonth"));
    QDomElement days = document.createElement(QStringLiteral("DaysOfMonth"));
    for (int day = 1; day <= 31; ++day) {
        if (daysOfMonth & (1u << (day - 1))) {
            QDomElement entry = document.createElement(QStringLiteral("Day"));
            entry.appendChild(document.createTextNode(QString::number(day)));
            days.appendChild(entry);
        }
    }
    schedule.appendChild(days);
    QDomElement months = document.createElement(QStringLiteral("Months"));
    for (int month = 0; month < 12; ++month) {
        if (monthsOfYear & (1u << month)) {
            months.appendChild(document.createElement(QLatin1String(kMonthNames[month])));
        }
    }
    schedule.appendChild(months);
    element.appendChild(schedule);
    return element;
}

}  // namespace System::OSTask

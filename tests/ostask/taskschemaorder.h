#pragma once

#include <QDomElement>
#include <QHash>
#include <QStringList>

// The order the Task Scheduler schema gives the children of the elements our
// tasks use; a child out of that order makes Windows refuse the XML.
inline QStringList schemaOrderFaults(const QDomElement& element) {
    static const QHash<QString, QStringList> kOrder = {
        {"Task", {"RegistrationInfo", "Triggers", "Principals", "Settings", "Data", "Actions"}},
        {"RegistrationInfo",
         {"URI", "SecurityDescriptor", "Source", "Date", "Author", "Version", "Description",
          "Documentation"}},
        {"TimeTrigger",
         {"Enabled", "StartBoundary", "EndBoundary", "Repetition", "ExecutionTimeLimit",
          "RandomDelay"}},
        {"CalendarTrigger",
         {"Enabled", "StartBoundary", "EndBoundary", "Repetition", "ExecutionTimeLimit",
          "RandomDelay", "ScheduleByDay", "ScheduleByWeek", "ScheduleByMonth",
          "ScheduleByMonthDayOfWeek"}},
        {"ScheduleByWeek", {"WeeksInterval", "DaysOfWeek"}},
        {"ScheduleByMonth", {"DaysOfMonth", "Months"}},
        {"Exec", {"Command", "Arguments", "WorkingDirectory"}},
    };
    QStringList faults;
    const auto order = kOrder.constFind(element.tagName());
    int last = -1;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (order != kOrder.constEnd()) {
            const int at = order->indexOf(child.tagName());
            if (at < 0) {
                faults << element.tagName() + ": unknown " + child.tagName();
            } else if (at <= last) {
                faults << element.tagName() + ": " + child.tagName() + " out of order";
            }
            last = std::max(last, at);
        }
        faults << schemaOrderFaults(child);
    }
    return faults;
}

#pragma once

#include <QDate>

#include "ostask/trigger.h"

namespace System::OSTask {

// Runs on the days of the week in the mask: bit 0 Sunday ... bit 6 Saturday.
class WeeklyTrigger : public Trigger {
public:
    WeeklyTrigger(const QString& id, const QDateTime& start, const QDateTime& end,
                  quint8 daysOfWeek)
        : Trigger(id, start, end), daysOfWeek(daysOfWeek) {}

    // The mask bit of the date's day of the week.
    static quint8 dayBit(const QDate& date);

    bool apply(platform::TaskSchedulerConnection& connection) const override;
    QDomElement createElement(QDomDocument& document) const override;

    quint16 weeksInterval = 1;
    quint8 daysOfWeek = 0;
};

}  // namespace System::OSTask

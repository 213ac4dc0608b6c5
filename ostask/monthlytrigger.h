#pragma once

#include <QDate>

#include "ostask/trigger.h"

namespace System::OSTask {

// Runs on the days of the month (bit d-1 for day d) of the months (bit 0 January).
class MonthlyTrigger : public Trigger {
public:
    static constexpr quint16 kAllMonths = 0x0fff;

    MonthlyTrigger(const QString& id, const QDateTime& start, const QDateTime& end,
                   quint32 daysOfMonth, quint16 monthsOfYear)
        : Trigger(id, start, end), daysOfMonth(daysOfMonth), monthsOfYear(monthsOfYear) {}

    static quint32 dayBit(const QDate& date) { return 1u << (date.day() - 1); }

    bool apply(platform::TaskSchedulerConnection& connection) const override;
    QDomElement createElement(QDomDocument& document) const override;

    quint32 daysOfMonth = 0;
    quint16 monthsOfYear = 0;
};

}  // namespace System::OSTask

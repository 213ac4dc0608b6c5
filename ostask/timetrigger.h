#pragma once

#include "ostask/trigger.h"

namespace System::OSTask {

// A span of time in six counts; all zero is none.
struct Duration {
    int seconds = 0;
    int minutes = 0;
    int hours = 0;
    int days = 0;
    int months = 0;
    int years = 0;

    // The scheduler's text: "PT30M", "P1DT2H"; empty when all are zero.
    QString toString() const;
};

// Runs once, at its start.
class TimeTrigger : public Trigger {
public:
    using Duration = System::OSTask::Duration;

    TimeTrigger(const QString& id, const QDateTime& start, const QDateTime& end = {},
                const Duration& randomDelay = {})
        : Trigger(id, start, end), randomDelay(randomDelay) {}

    bool apply(platform::TaskSchedulerConnection& connection) const override;
    QDomElement createElement(QDomDocument& document) const override;

    Duration randomDelay;
};

}  // namespace System::OSTask

#pragma once

#include <QFuture>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QWaitCondition>

#include "base/shared.h"
#include "hardware/installreport.h"
#include "net/method.h"

namespace Qln {

// Sends install reports one after the other on a pool thread. A report the service refuses is
// sent again after a pause that doubles from 1 s to 60 s; later reports wait behind it.
// Destroying the reporter drops what is queued and ends the send under way at once.
class InstallReporter : public QObject {
    Q_OBJECT

public:
    // `method` is the service's report call; each report sets its own URL.
    explicit InstallReporter(const Net::Method& method, QObject* parent = nullptr);
    ~InstallReporter() override;

    // Any thread.
    void append(const InstallReport& report);
    int pending() const;

    // The pause before the next try after `failures` refusals in a row (1 s, 2 s, ... 60 s).
    static int pauseMs(int failures);

signals:
    // From the pool thread, after the service has accepted a report.
    void Sent(const QString& url);
    // From the pool thread, when a report was given up (the service will never take it).
    void Dropped(const QString& url, int status);

private:
    void run();

    Net::Method m_method;
    mutable QMutex m_mutex;
    QWaitCondition m_wake;         // ends a pause early
    QWaitCondition m_ended;        // the worker has stopped
    QList<InstallReport> m_queue;  // guarded by m_mutex
    bool m_running = false;        // guarded by m_mutex
    bool m_stopping = false;       // guarded by m_mutex
    QFuture<void> m_run;
};

}  // namespace Qln

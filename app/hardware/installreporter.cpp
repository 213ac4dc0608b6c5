#include "hardware/installreporter.h"

#include <QThreadPool>
#include <QtConcurrent>

#include "base/logcategories.h"

namespace Qln {

namespace {

constexpr int kFirstPauseMs = 1000;
constexpr int kLongestPauseMs = 60000;

// The service answers these when the report itself is wrong or names no scan of this
// installation; sending it again cannot help, and it would hold every later report.
bool isFinalRefusal(int status) {
    return status == 400 || status == 404;
}

}  // namespace

InstallReporter::InstallReporter(const Net::Method& method, QObject* parent)
    : QObject(parent), m_method(method) {}

InstallReporter::~InstallReporter() {
    QMutexLocker lock(&m_mutex);
    m_queue.clear();
    m_stopping = true;
    m_wake.wakeAll();
    // An abort that comes just before the worker sends is not kept by the method, so it is
    // repeated until the worker has seen the stop flag.
    while (m_running) {
        lock.unlock();
        m_method.abort();
        lock.relock();
        m_ended.wait(&m_mutex, 20);
    }
    QFuture<void> run = m_run;
    lock.unlock();
    run.waitForFinished();
}

void InstallReporter::append(const InstallReport& report) {
    QMutexLocker lock(&m_mutex);
    if (m_stopping) {
        return;
    }
    m_queue.append(report);
    if (!m_running) {
        m_running = true;
        m_run = QtConcurrent::run(QThreadPool::globalInstance(), [this] { run(); });
    }
}

int InstallReporter::pending() const {
    QMutexLocker lock(&m_mutex);
    return m_queue.size();
}

int InstallReporter::pauseMs(int failures) {
    if (failures < 1) {
        return 0;
    }
    // Doubling from 1 s reaches the cap at the seventh refusal; beyond it no shift overflows.
    return failures > 7 ? kLongestPauseMs : qMin(kLongestPauseMs, kFirstPauseMs << (failures - 1));
}

void InstallReporter::run() {
    int failures = 0;
    for (;;) {
        InstallReport report;
        {
            QMutexLocker lock(&m_mutex);
            if (failures > 0 && !m_stopping) {
                m_wake.wait(&m_mutex, static_cast<unsigned long>(pauseMs(failures)));
            }
            if (m_queue.isEmpty() || m_stopping) {
                m_running = false;
                m_ended.wakeAll();
                return;
            }
            report = m_queue.first();
        }
        // Only this worker sends, and the destructor touches nothing but the abort.
        m_method.url = QUrl(report.url);
        auto body = std::make_shared<InstallReport>(report);
        const Net::Response response = m_method.exec(body, Net::WeakPtr<Net::IOutData>());
        const bool sent = response.isSuccess();
        const bool dropped = !sent && isFinalRefusal(response.status);
        {
            QMutexLocker lock(&m_mutex);
            if (m_stopping) {
                m_running = false;
                m_ended.wakeAll();
                return;
            }
            if (sent || dropped) {
                m_queue.removeFirst();
            }
        }
        if (sent) {
            failures = 0;
            emit Sent(report.url);
        } else if (dropped) {
            failures = 0;
            qCWarning(lcHardware).noquote()
                << "Install report dropped (http):" << response.status << report.url;
            emit Dropped(report.url, response.status);
        } else {
            ++failures;
            qCWarning(lcHardware).noquote() << "Install report refused (http):" << response.status
                                            << "next try in" << pauseMs(failures) << "ms";
        }
    }
}

}  // namespace Qln

#pragma once

#include <QObject>
#include <QString>
#include <atomic>

#include "base/iworkreport.h"
#include "base/shared.h"

namespace Flow {

// One step of a chain. Steps run one after the other on a pool thread and pass
// one data object along; a step returning false, or aborted, ends the chain.
class Worker {
public:
    explicit Worker(int weight = 0);
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    virtual bool work(Shared<QObject>& data) = 0;
    // Called from another thread; steps that wait on something cancel the wait here.
    virtual void abort();
    virtual ~Worker();

    // Runs this step and the ones after it; returns the data as the last step left it.
    Shared<QObject> execute(Shared<QObject> data);
    int totalWeight() const;
    void appendToEnd(Shared<Worker> worker);
    void abortAll();

    int weight() const { return m_weight; }
    const Shared<Worker>& next() const { return m_next; }
    QString message() const { return m_message; }
    bool isAborted() const { return m_aborted; }
    void setReport(Weak<IWorkReport> report) { m_report = std::move(report); }

protected:
    // Reports `value` of this step's weight units done; more than the weight is ignored.
    void progress(int value, const QString& message);
    void setMessage(const QString& message) { m_message = message; }
    void setWeight(int weight) { m_weight = weight; }

private:
    int m_weight;
    Shared<Worker> m_next;
    QString m_message;
    std::atomic<bool> m_aborted{false};
    Weak<IWorkReport> m_report;
};

}  // namespace Flow

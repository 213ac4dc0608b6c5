#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <map>
#include <mutex>

#include "base/iworkreport.h"
#include "base/shared.h"

namespace Flow {

// One step of a chain. Steps run one after the other on a pool thread and pass
// one data object along; a step returning false, or aborted, ends the chain.
//
// A wait inside work() (a network reply, a process) is tied to the step's abort
// through onAbort(): the abort then ends the wait from the aborting thread
// itself, whatever the thread that drives the awaited object is doing.
class Worker {
public:
    // Holds an abort handler of the step running on this thread; removes it when destroyed.
    class AbortHook {
    public:
        AbortHook() = default;
        AbortHook(AbortHook&& other) noexcept;
        AbortHook& operator=(AbortHook&& other) noexcept;
        AbortHook(const AbortHook&) = delete;
        AbortHook& operator=(const AbortHook&) = delete;
        ~AbortHook();

    private:
        friend class Worker;
        AbortHook(Worker* worker, int id) : m_worker(worker), m_id(id) {}
        void reset();

        Worker* m_worker = nullptr;
        int m_id = 0;
    };

    explicit Worker(int weight = 0);
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    virtual bool work(Shared<QObject>& data) = 0;
    // Called from another thread; steps that wait on something cancel the wait here.
    virtual void abort();
    virtual ~Worker();

    // Runs this step and the ones after it; returns the data as the last step left it.
    // A step already aborted does not run, so an abort that comes before a run begins
    // is kept; resetAll() clears the flags before a new run.
    Shared<QObject> execute(Shared<QObject> data);
    int totalWeight() const;
    void appendToEnd(Shared<Worker> worker);
    void abortAll();
    void resetAll();

    // The step whose work() runs on the calling thread, or null.
    static Worker* current();
    // Runs `handler` on the aborting thread when the step running on this thread is
    // aborted (at once if it already is), for as long as the hook lives. Empty hook
    // when no step runs on this thread. The handler must not block.
    static AbortHook onAbort(std::function<void()> handler);

    int weight() const { return m_weight; }
    const Shared<Worker>& next() const { return m_next; }
    QString message() const { return m_message; }
    bool isAborted() const { return m_aborted; }
    // The abort flag itself, for the waits below this library that poll one (the zip
    // component, hashing): set before abort() is called, cleared by reset().
    const std::atomic<bool>* abortFlag() const { return &m_aborted; }
    void setReport(Weak<IWorkReport> report) { m_report = std::move(report); }

protected:
    // Reports `value` of this step's weight units done; more than the weight is ignored.
    void progress(int value, const QString& message);
    void setMessage(const QString& message) { m_message = message; }
    void setWeight(int weight) { m_weight = weight; }
    // Clears this step's own abort state; chains clear their steps too.
    virtual void reset();

private:
    void markAborted();
    void removeHook(int id);

    int m_weight;
    Shared<Worker> m_next;
    QString m_message;
    std::atomic<bool> m_aborted{false};
    Weak<IWorkReport> m_report;
    std::mutex m_hookMutex;
    std::map<int, std::function<void()>> m_hooks;
    int m_nextHook = 0;
};

}  // namespace Flow

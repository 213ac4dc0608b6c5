#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <atomic>
#include <mutex>

#include "base/flowchain.h"
#include "base/taskstate.h"

namespace Qln {

// Runs one chain of workers in the background for the views: progress, abort,
// and one `finished` per run.
//
// A run holds the chain and its data itself, so a task may be destroyed while
// its run still goes on: destruction aborts the run and cuts it off from the
// task (no onChainFinished(), no `finished`, no progress after that) without
// waiting for it. Steps must therefore keep what they use through shared
// ownership, never through the task.
class Task : public QObject {
    Q_OBJECT
    Q_PROPERTY(Qln::TaskState* state READ state CONSTANT)

public:
    explicit Task(QObject* parent = nullptr);
    ~Task() override;

    void start();
    void start(Flow::Shared<QObject> data);
    void abort();
    bool isRunning() const;
    void wait();
    Flow::Shared<QObject> result() const;
    Flow::FlowChain& chain() { return *m_chain; }
    TaskState* state() { return &m_state; }

signals:
    void finished(bool aborted);

protected:
    // Runs on the pool thread after the chain has ended, before `finished`.
    virtual void onChainFinished();
    // Aborts a run and cuts it off from this task; returns once no onChainFinished()
    // or `finished` of it can still be under way. A subclass whose onChainFinished()
    // uses its own members calls this first in its destructor.
    void release();

private:
    // What a run shares with its task. `task` is null once the task has let go.
    struct Link {
        std::recursive_mutex mutex;
        Task* task = nullptr;
        std::atomic<bool> abortRequested{false};
        std::atomic<bool> finishing{false};
    };

    Flow::Shared<Flow::FlowChain> m_chain;
    Flow::Shared<Link> m_link;
    QFutureWatcher<void> m_watcher;
    TaskState m_state;
};

}  // namespace Qln

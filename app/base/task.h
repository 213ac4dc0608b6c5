#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <atomic>

#include "base/flowchain.h"
#include "base/taskstate.h"

namespace Qln {

// Runs one chain of workers in the background for the views: progress, abort,
// and one `finished` per run.
class Task : public QObject {
    Q_OBJECT
    Q_PROPERTY(Qln::TaskState* state READ state CONSTANT)

public:
    explicit Task(QObject* parent = nullptr);
    // Aborts a running chain and waits for it, since its workers may use this
    // object. Subclasses whose onChainFinished() or workers touch their own
    // members must call abort() and wait() in their own destructor.
    ~Task() override;

    void start();
    void start(Flow::Shared<QObject> data);
    void abort();
    bool isRunning() const;
    void wait();
    Flow::Shared<QObject> result() const;
    Flow::FlowChain& chain() { return m_runner.chain; }
    TaskState* state() { return &m_state; }

signals:
    void finished(bool aborted);

protected:
    // Runs on the pool thread after the chain has ended, before `finished`.
    virtual void onChainFinished();

private:
    struct ChainRunner {
        Flow::FlowChain chain;
        QFutureWatcher<void> watcher;
    };

    ChainRunner m_runner;
    TaskState m_state;
    std::atomic<bool> m_abortRequested{false};
    std::atomic<bool> m_finishing{false};
};

}  // namespace Qln

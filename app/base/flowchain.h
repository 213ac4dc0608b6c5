#pragma once

#include <functional>

#include "base/worker.h"

namespace Flow {

// A chain of steps; itself a step, so chains nest.
class FlowChain : public Worker {
public:
    using ProgressCallback = std::function<void(float fraction, const QString& message)>;

    // Turns the steps' units into a fraction of the whole run.
    class ChainReport : public IWorkReport {
    public:
        void progress(int value, const QString& message) override;
        void complete(int weight, const QString& message) override;

        int done = 0;
        int total = 0;
        ProgressCallback callback;
    };

    FlowChain();
    ~FlowChain() override;

    bool work(Shared<QObject>& data) override;
    void abort() override;

    // A null worker is ignored.
    void add(Shared<Worker> worker);
    // An aborted chain runs nothing until resetAll(); the owner resets it before each run.
    void run(Shared<QObject> data);
    Shared<QObject> result() const { return m_result; }
    void setProgressCallback(ProgressCallback callback);

protected:
    void reset() override;

private:
    Shared<Worker> m_first;
    Shared<QObject> m_result;
    Shared<ChainReport> m_chainReport;
};

}  // namespace Flow

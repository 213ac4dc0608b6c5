#include "base/flowchain.h"

namespace Flow {

void FlowChain::ChainReport::progress(int value, const QString& message) {
    if (callback) {
        // A chain of weight 0 yields NaN here, which leaves shown progress alone.
        callback(static_cast<float>(done + value) / static_cast<float>(total), message);
    }
}

void FlowChain::ChainReport::complete(int weight, const QString& message) {
    progress(weight, message);
    done += weight;
}

FlowChain::FlowChain() : Worker(0), m_chainReport(std::make_shared<ChainReport>()) {}

FlowChain::~FlowChain() = default;

bool FlowChain::work(Shared<QObject>& data) {
    if (m_first) {
        data = m_first->execute(data);
    }
    return !isAborted();
}

void FlowChain::abort() {
    if (m_first) {
        m_first->abortAll();
    }
}

void FlowChain::reset() {
    Worker::reset();
    if (m_first) {
        m_first->resetAll();
    }
}

void FlowChain::add(Shared<Worker> worker) {
    if (!worker) {
        return;
    }
    worker->setReport(m_chainReport);
    if (!m_first) {
        m_first = std::move(worker);
    } else {
        m_first->appendToEnd(std::move(worker));
    }
}

void FlowChain::run(Shared<QObject> data) {
    if (m_first) {
        setWeight(m_first->totalWeight());
    }
    m_chainReport->done = 0;
    m_chainReport->total = weight();
    m_result = execute(std::move(data));
}

void FlowChain::setProgressCallback(ProgressCallback callback) {
    m_chainReport->callback = std::move(callback);
}

}  // namespace Flow

#include "base/worker.h"

namespace Flow {

Worker::Worker(int weight) : m_weight(weight) {}

Worker::~Worker() = default;

void Worker::abort() {}

Shared<QObject> Worker::execute(Shared<QObject> data) {
    m_aborted = false;
    const bool goOn = work(data);
    if (Shared<IWorkReport> report = m_report.lock()) {
        report->complete(m_weight, m_message);
    }
    if (goOn && !m_aborted && m_next) {
        return m_next->execute(std::move(data));
    }
    return data;
}

void Worker::progress(int value, const QString& message) {
    if (value > m_weight) {
        return;
    }
    if (Shared<IWorkReport> report = m_report.lock()) {
        report->progress(value, message);
    }
}

int Worker::totalWeight() const {
    int total = 0;
    for (const Worker* step = this; step; step = step->m_next.get()) {
        total += step->m_weight;
    }
    return total;
}

void Worker::appendToEnd(Shared<Worker> worker) {
    Worker* last = this;
    while (last->m_next) {
        last = last->m_next.get();
    }
    last->m_next = std::move(worker);
}

void Worker::abortAll() {
    for (Worker* step = this; step; step = step->m_next.get()) {
        step->m_aborted = true;
        step->abort();
    }
}

}  // namespace Flow

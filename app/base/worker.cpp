#include "base/worker.h"

namespace Flow {

namespace {

thread_local Worker* t_current = nullptr;

// Makes `worker` the current step of this thread while work() runs; nested chains stack.
class CurrentScope {
public:
    explicit CurrentScope(Worker* worker) : m_previous(t_current) { t_current = worker; }
    ~CurrentScope() { t_current = m_previous; }
    CurrentScope(const CurrentScope&) = delete;
    CurrentScope& operator=(const CurrentScope&) = delete;

private:
    Worker* m_previous;
};

}  // namespace

Worker::AbortHook::AbortHook(AbortHook&& other) noexcept
    : m_worker(other.m_worker), m_id(other.m_id) {
    other.m_worker = nullptr;
}

Worker::AbortHook& Worker::AbortHook::operator=(AbortHook&& other) noexcept {
    if (this != &other) {
        reset();
        m_worker = other.m_worker;
        m_id = other.m_id;
        other.m_worker = nullptr;
    }
    return *this;
}

Worker::AbortHook::~AbortHook() {
    reset();
}

void Worker::AbortHook::reset() {
    if (m_worker != nullptr) {
        m_worker->removeHook(m_id);
        m_worker = nullptr;
    }
}

Worker::Worker(int weight) : m_weight(weight) {}

Worker::~Worker() = default;

void Worker::abort() {}

void Worker::reset() {
    m_aborted = false;
}

Shared<QObject> Worker::execute(Shared<QObject> data) {
    if (m_aborted) {
        return data;
    }
    bool goOn = false;
    {
        const CurrentScope scope(this);
        goOn = work(data);
    }
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

void Worker::markAborted() {
    // Under the lock, so a hook added at the same time either sees the flag or is called here.
    std::lock_guard<std::mutex> lock(m_hookMutex);
    m_aborted = true;
    for (const auto& hook : m_hooks) {
        hook.second();
    }
}

void Worker::abortAll() {
    for (Worker* step = this; step; step = step->m_next.get()) {
        step->markAborted();
        step->abort();
    }
}

void Worker::resetAll() {
    for (Worker* step = this; step; step = step->m_next.get()) {
        step->reset();
    }
}

Worker* Worker::current() {
    return t_current;
}

Worker::AbortHook Worker::onAbort(std::function<void()> handler) {
    Worker* worker = t_current;
    if (worker == nullptr || !handler) {
        return {};
    }
    std::lock_guard<std::mutex> lock(worker->m_hookMutex);
    if (worker->m_aborted) {
        handler();
    }
    const int id = ++worker->m_nextHook;
    worker->m_hooks.emplace(id, std::move(handler));
    return AbortHook(worker, id);
}

void Worker::removeHook(int id) {
    std::lock_guard<std::mutex> lock(m_hookMutex);
    m_hooks.erase(id);
}

}  // namespace Flow

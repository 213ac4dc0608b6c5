#include "base/task.h"

#include <QThreadPool>
#include <QtConcurrent>

namespace Qln {

Task::Task(QObject* parent)
    : QObject(parent),
      m_chain(std::make_shared<Flow::FlowChain>()),
      m_link(std::make_shared<Link>()) {
    m_link->task = this;
    const Flow::Weak<Link> link = m_link;
    m_chain->setProgressCallback([link](float fraction, const QString& message) {
        const Flow::Shared<Link> shared = link.lock();
        if (!shared) {
            return;
        }
        std::lock_guard<std::recursive_mutex> lock(shared->mutex);
        if (shared->task != nullptr) {
            emit shared->task->m_state.Update(fraction, message);
        }
    });
}

Task::~Task() {
    release();
}

void Task::release() {
    abort();
    std::lock_guard<std::recursive_mutex> lock(m_link->mutex);
    m_link->task = nullptr;
}

void Task::start() {
    start(Flow::Shared<QObject>());
}

void Task::start(Flow::Shared<QObject> data) {
    if (isRunning()) {
        // A run that has already announced its end is only returning; a start
        // from a `finished` handler must not be lost to that.
        if (!m_link->finishing) {
            return;
        }
        m_watcher.waitForFinished();
    }
    m_state.Update(0, QString());
    // Cleared here, before the run exists, so that an abort from now on is kept by the
    // run however early it comes.
    m_chain->resetAll();
    m_link->abortRequested = false;
    m_link->finishing = false;
    const Flow::Shared<Flow::FlowChain> chain = m_chain;
    const Flow::Shared<Link> link = m_link;
    m_watcher.setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [chain, link, data] {
        if (!link->abortRequested) {
            chain->run(data);
        }
        std::lock_guard<std::recursive_mutex> lock(link->mutex);
        if (Task* task = link->task) {
            task->onChainFinished();
            link->finishing = true;
            emit task->finished(link->abortRequested);
        }
    }));
}

void Task::abort() {
    if (!isRunning()) {
        return;
    }
    m_link->abortRequested = true;
    m_chain->abortAll();
}

bool Task::isRunning() const {
    return m_watcher.isRunning();
}

void Task::wait() {
    m_watcher.waitForFinished();
}

Flow::Shared<QObject> Task::result() const {
    return m_chain->result();
}

void Task::onChainFinished() {}

}  // namespace Qln

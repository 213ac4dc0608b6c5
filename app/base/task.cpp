#include "base/task.h"

#include <QThreadPool>
#include <QtConcurrent>

namespace Qln {

Task::Task(QObject* parent) : QObject(parent) {
    m_runner.chain.setProgressCallback(
        [this](float fraction, const QString& message) { emit m_state.Update(fraction, message); });
}

Task::~Task() {
    abort();
    wait();
}

void Task::start() {
    start(Flow::Shared<QObject>());
}

void Task::start(Flow::Shared<QObject> data) {
    if (isRunning()) {
        // A run that has already announced its end is only returning; a start
        // from a `finished` handler must not be lost to that.
        if (!m_finishing) {
            return;
        }
        m_runner.watcher.waitForFinished();
    }
    m_state.Update(0, QString());
    m_abortRequested = false;
    m_finishing = false;
    m_runner.watcher.setFuture(QtConcurrent::run(QThreadPool::globalInstance(), [this, data] {
        // An abort that came while the run waited for a pool thread still counts.
        if (!m_abortRequested) {
            m_runner.chain.run(data);
        }
        onChainFinished();
        m_finishing = true;
        emit finished(m_abortRequested);
    }));
}

void Task::abort() {
    if (!isRunning()) {
        return;
    }
    m_abortRequested = true;
    m_runner.chain.abortAll();
}

bool Task::isRunning() const {
    return m_runner.watcher.isRunning();
}

void Task::wait() {
    m_runner.watcher.waitForFinished();
}

Flow::Shared<QObject> Task::result() const {
    return m_runner.chain.result();
}

void Task::onChainFinished() {}

}  // namespace Qln

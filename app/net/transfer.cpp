#include "net/transfer.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "base/worker.h"
#include "net/manager.h"

namespace Net {

void Transfer::abort() {
    finish([this] { recordAbort(); });
}

bool Transfer::hasEnded() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_ended;
}

bool Transfer::finish(const std::function<void()>& record) {
    QList<std::weak_ptr<Transfer>> children;
    {
        // Waits for a write in progress on another thread: none follows once this returns.
        std::lock_guard<std::recursive_mutex> owner(m_ownerMutex);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_ended) {
                return false;
            }
            m_ended = true;
            if (record) {
                record();
            }
            m_endedCondition.notify_all();
            if (m_loop != nullptr) {
                QMetaObject::invokeMethod(m_loop, "quit", Qt::QueuedConnection);
            }
            children.swap(m_children);
        }
        m_deviceHeld = false;
    }
    for (const std::weak_ptr<Transfer>& weak : children) {
        if (const std::shared_ptr<Transfer> child = weak.lock()) {
            child->abort();
        }
    }
    const std::shared_ptr<Transfer> self = shared_from_this();
    Manager::instance()->runLater([self] {
        self->cancel();
        Owner owner(*self, Owner::Part::EndCallback);
        if (owner) {
            self->ended();
        }
    });
    return true;
}

bool Transfer::wait(Clock::time_point deadline) {
    const std::shared_ptr<Transfer> self = shared_from_this();
    const Flow::Worker::AbortHook hook = Flow::Worker::onAbort([self] { self->abort(); });
    const bool timed = deadline != Clock::time_point::max();
    if (QThread::currentThread() != Manager::instance()->thread()) {
        std::unique_lock<std::mutex> lock(m_mutex);
        const auto ended = [this] { return m_ended; };
        if (!timed) {
            m_endedCondition.wait(lock, ended);
            return true;
        }
        return m_endedCondition.wait_until(lock, deadline, ended);
    }
    QEventLoop loop;
    QTimer timer;
    bool timedOut = false;
    if (timed) {
        const qint64 left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        timer.start(static_cast<int>(std::clamp<qint64>(left, 0, INT_MAX)));
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_ended) {
            return true;
        }
        m_loop = &loop;
    }
    loop.exec();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_loop = nullptr;
        if (m_ended) {
            return true;
        }
    }
    if (timedOut) {
        return false;
    }
    // Told to exit (the application is closing): nothing would drive the replies any more.
    abort();
    return true;
}

void Transfer::release() {
    std::lock_guard<std::recursive_mutex> owner(m_ownerMutex);
    m_deviceHeld = false;
    m_endCallbackHeld = false;
}

void Transfer::adopt(const std::shared_ptr<Transfer>& child) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_ended) {
            m_children.append(child);
            return;
        }
    }
    child->abort();
}

Transfer::Owner::Owner(Transfer& transfer, Part part) : m_transfer(transfer) {
    m_transfer.m_ownerMutex.lock();
    m_held = part == Part::Device ? m_transfer.m_deviceHeld : m_transfer.m_endCallbackHeld;
}

Transfer::Owner::~Owner() {
    m_transfer.m_ownerMutex.unlock();
}

}  // namespace Net

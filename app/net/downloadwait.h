#pragma once

#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "net/downloadresult.h"
#include "net/manager.h"

namespace Net {

// A blocking download's wait. It ends on the job's result or on abort(), from any thread,
// so a worker never waits on the manager's thread to learn that it was aborted.
class DownloadWait {
public:
    // In the manager's thread the wait runs this loop, which lets the transfers go on.
    explicit DownloadWait(QEventLoop* loop) : m_loop(loop) {}

    // A blocking download: start(wait) answers its refusal, or Ok once the job is under way
    // and will complete the wait.
    template <typename Start>
    static DownloadResult block(Start start) {
        QEventLoop loop;
        const auto wait = std::make_shared<DownloadWait>(
            QThread::currentThread() == Manager::instance()->thread() ? &loop : nullptr);
        const DownloadResult refusal = start(wait);
        return refusal.isOk() ? wait->wait() : refusal;
    }

    // The first result wins.
    void complete(const DownloadResult& result) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_done) {
            return;
        }
        m_done = true;
        m_result = result;
        m_ended.notify_all();
        if (!m_loop.isNull()) {
            QMetaObject::invokeMethod(m_loop, "quit", Qt::QueuedConnection);
        }
    }

    DownloadResult wait() {
        if (!m_loop.isNull()) {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (m_done) {
                    return m_result;
                }
            }
            m_loop->exec();
        }
        std::unique_lock<std::mutex> lock(m_mutex);
        m_ended.wait(lock, [this] { return m_done; });
        return m_result;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_done = false;
    DownloadResult m_result;
    QPointer<QEventLoop> m_loop;
};

}  // namespace Net

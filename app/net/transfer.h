#pragma once

#include <QList>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class QEventLoop;

namespace Net {

// The lifetime every transfer shares (an API call, a download, an upload), held by the
// thread that waits for it, any thread that aborts it and the manager's thread, which
// makes and reads its replies. Any of them may let go first.
//
// - The first ending wins (the result, an abort, a time-out); later ones change nothing.
// - abort() works from any thread and ends every wait at once; replies still open are
//   ended later in the manager's thread, and touch only the transfer itself.
// - A wait needs nothing from the manager's thread. In that thread it runs a local loop,
//   and a loop that ends for another reason (the application exits) aborts the transfer.
//   Inside a Flow::Worker step the step's abort aborts the transfer.
// - What belongs to the owner (its output device, its progress and end callbacks) is used
//   only through Owner. Any ending lets the device and progress go; release() lets the
//   end callback go too. Both wait for a use in progress on another thread, so once
//   abort() or release() has returned the owner may be destroyed on any thread.
class Transfer : public std::enable_shared_from_this<Transfer> {
public:
    using Clock = std::chrono::steady_clock;

    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;
    virtual ~Transfer() = default;

    void abort();
    bool hasEnded() const;
    // Blocks until the transfer has ended, or `deadline` has passed (false then).
    bool wait(Clock::time_point deadline = Clock::time_point::max());
    // The owner lets go: its end callback is not called from now on.
    void release();
    // Ending this transfer aborts `child` too (a fallback that writes the same device).
    void adopt(const std::shared_ptr<Transfer>& child);

protected:
    Transfer() = default;

    // Records the first ending: runs `record` under mutex() when this one wins, wakes every
    // wait, aborts the children and schedules cancel() and ended() in the manager's thread.
    bool finish(const std::function<void()>& record);
    // What an abort records; under mutex().
    virtual void recordAbort() = 0;
    // In the manager's thread after the ending: end the replies that still run.
    virtual void cancel() {}
    // In the manager's thread after the ending, while the owner holds on: report the end.
    virtual void ended() {}

    // A use of the owner's things in the manager's thread; check it before using them.
    class Owner {
    public:
        enum class Part { Device, EndCallback };
        Owner(Transfer& transfer, Part part);
        ~Owner();
        Owner(const Owner&) = delete;
        Owner& operator=(const Owner&) = delete;
        explicit operator bool() const { return m_held; }

    private:
        Transfer& m_transfer;
        bool m_held;
    };

    // Guards the results the kinds record.
    std::mutex& mutex() const { return m_mutex; }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_endedCondition;
    bool m_ended = false;
    QEventLoop* m_loop = nullptr;
    QList<std::weak_ptr<Transfer>> m_children;

    // Taken before m_mutex, never while holding it. Recursive: a progress or end callback
    // may itself abort or release its transfer.
    std::recursive_mutex m_ownerMutex;
    bool m_deviceHeld = true;
    bool m_endCallbackHeld = true;
};

}  // namespace Net

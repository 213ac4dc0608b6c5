#pragma once

#include <mutex>

#include "net/call.h"
#include "net/ptr.h"

namespace Net {

// The call a reusable method has in flight, so that abort() reaches it from any thread,
// also in the moments before the call exists. A copy is a new, empty slot: copies of a
// method run their own calls.
class CallSlot {
public:
    // Whether an abort while no run is active ends the next run (then used up).
    enum class IdleAbort { Ignored, Kept };

    explicit CallSlot(IdleAbort idleAbort) : m_idleAbort(idleAbort) {}
    CallSlot(const CallSlot& other) : m_idleAbort(other.m_idleAbort) {}
    CallSlot& operator=(const CallSlot&) { return *this; }

    // At the start of a run; false when it was aborted already.
    bool enter();
    // Once the run's call exists; false when the run was aborted meanwhile (do not start it).
    bool attach(const Ptr<Call>& call);
    // At the end of a run.
    void leave();
    void abort();

private:
    std::mutex m_mutex;
    const IdleAbort m_idleAbort;
    Ptr<Call> m_call;
    bool m_active = false;
    bool m_abortPending = false;
};

}  // namespace Net

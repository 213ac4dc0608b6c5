#include "net/callslot.h"

namespace Net {

bool CallSlot::enter() {
    std::lock_guard<std::mutex> lock(m_mutex);
    const bool aborted = m_abortPending && m_idleAbort == IdleAbort::Kept;
    m_active = !aborted;
    m_abortPending = false;
    return !aborted;
}

bool CallSlot::attach(const Ptr<Call>& call) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_abortPending) {
        return false;
    }
    m_call = call;
    return true;
}

void CallSlot::leave() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_active = false;
    m_abortPending = false;
    m_call.reset();
}

void CallSlot::abort() {
    Ptr<Call> call;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        call = m_call;
        if (!call) {
            m_abortPending = m_active || m_idleAbort == IdleAbort::Kept;
        }
    }
    if (call) {
        call->abort();
    }
}

}  // namespace Net

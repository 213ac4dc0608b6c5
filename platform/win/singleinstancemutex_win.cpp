#include "platform/singleinstancemutex.h"

#include "winutil.h"

namespace platform {

struct SingleInstanceMutex::Impl {
    win::UniqueHandle handle;
    bool existed = false;
    bool owned = false;
    std::uint32_t error = 0;
};

SingleInstanceMutex::SingleInstanceMutex(const std::string& name) : d(std::make_unique<Impl>()) {
    d->handle.reset(::CreateMutexW(nullptr, TRUE, win::toWide(name).c_str()));
    const DWORD error = ::GetLastError();
    if (!d->handle.isValid()) {
        d->error = error;
        return;
    }
    // An existing mutex is opened without the ownership asked for.
    d->existed = error == ERROR_ALREADY_EXISTS;
    d->owned = !d->existed;
}

SingleInstanceMutex::~SingleInstanceMutex() {
    release();
}

bool SingleInstanceMutex::isValid() const {
    return d->handle.isValid();
}
bool SingleInstanceMutex::alreadyExisted() const {
    return d->existed;
}
bool SingleInstanceMutex::isOwned() const {
    return d->owned;
}
std::uint32_t SingleInstanceMutex::error() const {
    return d->error;
}

SingleInstanceMutex::WaitResult SingleInstanceMutex::wait(std::uint32_t timeoutMs) {
    if (!d->handle.isValid()) {
        return WaitResult::Failed;
    }
    if (d->owned) {
        return WaitResult::Acquired;
    }
    switch (::WaitForSingleObject(d->handle.get(), timeoutMs)) {
        case WAIT_OBJECT_0:
            d->owned = true;
            return WaitResult::Acquired;
        case WAIT_ABANDONED:
            // The previous owner died holding it; the caller treats that as a failure,
            // but the ownership is ours and must be given back.
            d->owned = true;
            return WaitResult::Abandoned;
        case WAIT_TIMEOUT:
            return WaitResult::Timeout;
        default:
            d->error = ::GetLastError();
            return WaitResult::Failed;
    }
}

void SingleInstanceMutex::release() {
    if (d->owned) {
        ::ReleaseMutex(d->handle.get());
        d->owned = false;
    }
}

}  // namespace platform

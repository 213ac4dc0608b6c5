#include "platform/comapartment.h"

#include <objbase.h>

namespace platform {

ComApartment::ComApartment() {
    // S_FALSE (already initialised on this thread) still needs its matching uninitialise.
    m_initialized =
        SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

ComApartment::~ComApartment() {
    if (m_initialized) {
        ::CoUninitialize();
    }
}

}  // namespace platform

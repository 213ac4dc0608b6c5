#include "platform/comapartment.h"

namespace platform {

ComApartment::ComApartment() : m_initialized(true) {}
ComApartment::~ComApartment() = default;

}  // namespace platform

#include "platform/systemerror.h"

#include <cerrno>
#include <cstring>

namespace platform {

std::string systemErrorMessage(std::uint32_t code) {
    return std::strerror(static_cast<int>(code));
}

std::uint32_t invalidDataError() {
    return EBADMSG;
}

}  // namespace platform

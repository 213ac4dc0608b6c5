#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The system's text for an error code (FormatMessageW on Windows, strerror elsewhere).
std::string systemErrorMessage(std::uint32_t code);
// The code for data that breaks a format's bounds.
std::uint32_t invalidDataError();

}  // namespace platform

#pragma once

#include <string>

namespace platform::posix {

// SHA-1 of what is left to read from fd, in large reads; empty when a read fails. Closes fd.
std::string sha1OfFile(int fd, bool upperCase);

}  // namespace platform::posix

#pragma once

#include <string>

namespace platform::posix {

// The per-user folder for locks, the shared word and sockets; created 0700 and
// refused when another user owns it or others can enter it.
// QUILLON_RUNTIME_DIR overrides it, for tests.
std::string runtimeDir();

// A file name in the runtime folder made safe from a free-form name.
std::string runtimePath(const std::string& name, const std::string& suffix);

}  // namespace platform::posix

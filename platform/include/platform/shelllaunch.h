#pragma once

#include <string>

namespace platform {

// Opens a program or document through the system shell with the verb "open",
// `parameters` as its command-line text, shown normally. Returns whether the
// shell accepted it.
bool shellLaunch(const std::string& file, const std::string& parameters);

}  // namespace platform

#pragma once

#include <string>

namespace formats {

// A file is a candidate when the text after the first dot of its name is "inf" or "INF".
bool isInfCandidate(const std::string& fileName);

}  // namespace formats

#pragma once

#include <functional>
#include <string>

#include "formats/infrules.h"

namespace platform {

// Visits every regular file below folder, depth first, descending into a folder
// where it is met. Links and reparse points are never followed, so a loop cannot
// trap the walk. visit returns false to stop.
void walkFiles(const std::string& folder,
               const std::function<bool(const std::string& path, const std::string& name)>& visit);

// The SHA-1 by which a package names its INF, upper case as Installer compares it;
// empty when the file cannot be read.
std::string infSha1(const std::string& path);

// The first candidate in walk order whose SHA-1 is sha1 (either case); empty when none.
std::string findInfBySha1(const std::string& folder, const std::string& sha1);

}  // namespace platform

#pragma once

#include <string>

// The one rule for names that other programs, archives or the network hand us and that we
// turn into paths. Both refuse what would leave the folder they are joined to, on Windows as
// on Linux.
namespace formats {

// A relative path of one or more segments separated by '/' or '\': not empty, not absolute,
// no drive letter or UNC prefix, no empty, "." or ".." segment, no control characters or
// characters Windows forbids in names, no segment that is a reserved device name (CON, PRN,
// AUX, NUL, COM1-9, LPT1-9, with or without an extension) or ends in a dot or a space.
bool isSafeRelativeName(const std::string& name);

// One segment of the above: a plain file name without any separator.
bool isSafeFileName(const std::string& name);

// The form under which Windows sees two names as one file: '\\' read as '/', letters folded
// to lower case (ASCII, Latin, Greek, Cyrillic). Equal keys would overwrite each other there.
std::string nameKey(const std::string& name);

}  // namespace formats

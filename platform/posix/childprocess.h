#pragma once

#include <spawn.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace platform::posix {

// Starts a program through posix_spawn: this program has threads, and a child of fork may run
// nothing but async-signal-safe calls before exec, so no argument list is built there.
// Returns 0 or the errno of the failure, exec failures included.
int spawnProgram(const std::string& program, const std::vector<std::string>& arguments,
                 const posix_spawn_file_actions_t* actions, const posix_spawnattr_t* attributes,
                 pid_t& pid);

// Waits for a child nobody else will wait for, on a thread of its own, so that one which
// outlives its caller does not stay a zombie until this program ends.
void reapInBackground(pid_t pid);

}  // namespace platform::posix

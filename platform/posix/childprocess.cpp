#include "childprocess.h"

#include <sys/wait.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace platform::posix {

int spawnProgram(const std::string& program, const std::vector<std::string>& arguments,
                 const posix_spawn_file_actions_t* actions, const posix_spawnattr_t* attributes,
                 pid_t& pid) {
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    return ::posix_spawn(&pid, program.c_str(), actions, attributes, argv.data(), environ);
}

void reapInBackground(pid_t pid) {
    std::thread([pid] {
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

}  // namespace platform::posix

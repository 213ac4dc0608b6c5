#include "platform/shelllaunch.h"

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <sstream>
#include <thread>
#include <vector>

extern char** environ;

namespace platform {

bool shellLaunch(const std::string& file, const std::string& parameters) {
    if (file.empty()) {
        return false;
    }
    std::vector<std::string> words{file};
    std::istringstream stream(parameters);
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    // Its own session, so that closing this program does not end it.
    pid_t child = 0;
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    const int result =
        ::posix_spawnp(&child, file.c_str(), nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (result != 0) {
        return false;
    }
    // glibc reports a program it cannot execute through the child's exit code
    // 127; a short wait catches that, and a thread reaps a longer-lived child.
    int status = 0;
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (::waitpid(child, &status, WNOHANG) == child) {
            return !(WIFEXITED(status) && WEXITSTATUS(status) == 127);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::thread([child] {
        int ignored = 0;
        ::waitpid(child, &ignored, 0);
    }).detach();
    return true;
}

}  // namespace platform

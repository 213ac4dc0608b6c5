#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <strings.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "childprocess.h"
#include "platform/machinemodel.h"
#include "platform/systemactions.h"

namespace fs = std::filesystem;

namespace platform {

namespace {

std::string findInPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

// Splits an argument string as the Windows command line would: blanks separate
// arguments, double quotes group them.
std::vector<std::string> splitArguments(const std::string& text) {
    std::vector<std::string> result;
    std::string current;
    bool quoted = false;
    bool any = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any) {
                result.push_back(current);
                current.clear();
                any = false;
            }
        } else {
            current += c;
            any = true;
        }
    }
    if (any) {
        result.push_back(current);
    }
    return result;
}

// Starts a program that outlives the caller in a session of its own and never shares its
// output (a test runner waits for every holder of its pipes).
bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                   std::string& error) {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawnattr_init(&attributes);
    for (const int stream : {0, 1, 2}) {
        ::posix_spawn_file_actions_addopen(&actions, stream, "/dev/null", O_RDWR, 0);
    }
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t child = 0;
    const int result = posix::spawnProgram(program, arguments, &actions, &attributes, child);
    ::posix_spawnattr_destroy(&attributes);
    ::posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        error = program + ": " + std::strerror(result);
        return false;
    }
    posix::reapInBackground(child);
    return true;
}

std::string nativePath(std::string path) {
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

bool desktopOpen(const std::string& target, std::string& error) {
    const std::string opener = findInPath("xdg-open");
    if (opener.empty()) {
        error = "xdg-open is not installed";
        return false;
    }
    return startDetached(opener, {target}, error);
}

}  // namespace

bool rebootComputer(std::uint32_t& error) {
    // The machine is a model: the restart is recorded in it, for whoever drives it.
    const std::string root = machine::machineRoot();
    if (root.empty()) {
        error = ENOENT;
        return false;
    }
    errno = 0;
    std::ofstream log(root + "/restart-requests.log", std::ios::app);
    log << std::time(nullptr) << " restart for a driver change\n";
    if (!log.flush()) {
        error = errno != 0 ? static_cast<std::uint32_t>(errno) : EIO;
        return false;
    }
    error = 0;
    return true;
}

std::string programFile(const std::string& path) {
    const std::string target = nativePath(path);
    const std::string suffix = ".exe";
    struct stat info {};
    if (target.size() > suffix.size() && ::stat(target.c_str(), &info) != 0 &&
        strcasecmp(target.c_str() + target.size() - suffix.size(), suffix.c_str()) == 0) {
        const std::string bare = target.substr(0, target.size() - suffix.size());
        if (::access(bare.c_str(), X_OK) == 0) {
            return bare;
        }
    }
    return target;
}

bool openPath(const std::string& path, const std::string& arguments, std::string& error) {
    const std::string target = programFile(path);
    struct stat info {};
    const bool program = ::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
                         ::access(target.c_str(), X_OK) == 0;
    if (program) {
        return startDetached(target, splitArguments(arguments), error);
    }
    return desktopOpen(target, error);
}

bool showInFileManager(const std::string& path, std::string& error) {
    const fs::path target = nativePath(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    return desktopOpen(folder.string(), error);
}

bool copyToClipboard(const std::string& text) {
    const bool wayland = std::getenv("WAYLAND_DISPLAY") != nullptr;
    const bool x11 = std::getenv("DISPLAY") != nullptr && *std::getenv("DISPLAY");
    std::string tool;
    std::vector<std::string> arguments;
    if (wayland) {
        tool = findInPath("wl-copy");
    }
    if (tool.empty() && x11) {
        tool = findInPath("xclip");
        arguments = {"-selection", "clipboard"};
    }
    if (tool.empty()) {
        return false;
    }
    int input[2];
    if (::pipe2(input, O_CLOEXEC) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    ::posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const bool started = posix::spawnProgram(tool, arguments, &actions, nullptr, child) == 0;
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(input[0]);
    bool written = started;
    std::size_t done = 0;
    while (written && done < text.size()) {
        const ssize_t n = ::write(input[1], text.data() + done, text.size() - done);
        written = n > 0;
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    ::close(input[1]);
    int status = 0;
    if (started) {
        ::waitpid(child, &status, 0);
    }
    return written && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace platform

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// A child process started with an explicit argument list (no shell involved).
class Process {
public:
    Process();
    ~Process();
    Process(Process&&) noexcept;
    Process& operator=(Process&&) noexcept;

    // Returns false and fills error() when the program cannot be started.
    bool start(const std::string& program, const std::vector<std::string>& arguments);
    bool isRunning() const;
    std::uint32_t pid() const;
    std::uint32_t error() const;

    // Waits for the process to end; false on time-out. exitCode() is valid after true.
    bool waitForExit(std::uint32_t timeoutMs);
    int exitCode() const;
    void kill();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

std::uint32_t currentProcessId();
// Full path of the running executable, UTF-8.
std::string currentExecutablePath();
void sleepMs(std::uint32_t ms);

}  // namespace platform

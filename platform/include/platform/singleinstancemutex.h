#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// A system-wide named mutex that marks the one running copy of a program.
// Windows: a named mutex. POSIX: an flock()ed file in the per-user runtime folder.
class SingleInstanceMutex {
public:
    enum class WaitResult { Acquired, Timeout, Abandoned, Failed };

    // Creates or opens the mutex and asks for ownership at once; ownership is
    // granted only when no other process holds it.
    explicit SingleInstanceMutex(const std::string& name);
    ~SingleInstanceMutex();
    SingleInstanceMutex(const SingleInstanceMutex&) = delete;
    SingleInstanceMutex& operator=(const SingleInstanceMutex&) = delete;

    bool isValid() const;
    // The mutex existed before this process created it (ERROR_ALREADY_EXISTS).
    bool alreadyExisted() const;
    bool isOwned() const;
    // System error code of a failed creation, 0 otherwise.
    std::uint32_t error() const;

    WaitResult wait(std::uint32_t timeoutMs);
    void release();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace platform

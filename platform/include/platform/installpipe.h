#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

// The channel between QuillonPro (server) and the elevated Installer (client).
// Windows: the named pipe "\\.\pipe\zavirepipe", first instance only, open to
// administrators and SYSTEM. POSIX: a Unix socket in the user's private runtime folder.
class InstallPipeServer {
public:
    // Polled while a call waits; returning false gives the wait up.
    using KeepWaiting = std::function<bool()>;

    InstallPipeServer();
    ~InstallPipeServer();
    InstallPipeServer(const InstallPipeServer&) = delete;
    InstallPipeServer& operator=(const InstallPipeServer&) = delete;

    bool create();
    bool accept(const KeepWaiting& keepWaiting);
    bool write(const void* data, size_t size);
    bool read(void* data, size_t size, const KeepWaiting& keepWaiting);
    void close();
    // System error code of the last failed call.
    std::uint32_t error() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

class InstallPipeClient {
public:
    enum class OpenResult { Opened, Failed, UntrustedServer };
    // Polled while a read waits; returning false gives the wait up.
    using KeepWaiting = std::function<bool()>;

    InstallPipeClient();
    ~InstallPipeClient();
    InstallPipeClient(const InstallPipeClient&) = delete;
    InstallPipeClient& operator=(const InstallPipeClient&) = delete;

    // The server creates the pipe before it starts this process, so open() connects at once; only
    // while the pipe is not there yet (or, on Windows, busy) does it try again, for up to
    // kConnectWaitMs. Accepts the server only when it is the process that started this one.
    static constexpr std::uint32_t kConnectWaitMs = 1000;
    OpenResult open();
    bool read(void* data, size_t size, const KeepWaiting& keepWaiting = nullptr);
    bool write(const void* data, size_t size);
    std::uint32_t error() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The process that started this one, or 0 when unknown.
std::uint32_t parentProcessId();

}  // namespace platform

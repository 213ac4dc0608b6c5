// clang-format off
#include "winutil.h"
#include <sddl.h>
#include <tlhelp32.h>
// clang-format on

#include <chrono>

#include "platform/installpipe.h"

namespace platform {

namespace {

const wchar_t kPipeName[] = L"\\\\.\\pipe\\zavirepipe";
constexpr DWORD kBufferSize = 4096;
constexpr DWORD kPollMs = 100;
constexpr DWORD kConnectRetryMs = 10;

// Waits for an overlapped call on pipe; gives up (and cancels it) when keepWaiting says so.
bool finishOverlapped(HANDLE pipe, OVERLAPPED& overlapped, DWORD& transferred,
                      const std::function<bool()>& keepWaiting, std::uint32_t& error) {
    for (;;) {
        const DWORD waited = ::WaitForSingleObject(overlapped.hEvent, kPollMs);
        if (waited == WAIT_OBJECT_0) {
            break;
        }
        if (waited != WAIT_TIMEOUT) {
            error = ::GetLastError();
            ::CancelIo(pipe);
            ::GetOverlappedResult(pipe, &overlapped, &transferred, TRUE);
            return false;
        }
        if (keepWaiting && !keepWaiting()) {
            if (::WaitForSingleObject(overlapped.hEvent, 0) == WAIT_OBJECT_0) {
                break;
            }
            ::CancelIo(pipe);
            ::GetOverlappedResult(pipe, &overlapped, &transferred, TRUE);
            error = ERROR_TIMEOUT;
            return false;
        }
    }
    if (!::GetOverlappedResult(pipe, &overlapped, &transferred, FALSE)) {
        error = ::GetLastError();
        return false;
    }
    return true;
}

// Overlapped reads or writes until size bytes have passed; ERROR_MORE_DATA only means the
// message goes on.
bool transfer(HANDLE pipe, HANDLE event, bool reading, void* data, size_t size,
              const std::function<bool()>& keepWaiting, std::uint32_t& error) {
    char* bytes = static_cast<char*>(data);
    while (size > 0) {
        OVERLAPPED overlapped{};
        overlapped.hEvent = event;
        ::ResetEvent(event);
        DWORD done = 0;
        const DWORD chunk = static_cast<DWORD>(size);
        BOOL ok = reading ? ::ReadFile(pipe, bytes, chunk, &done, &overlapped)
                          : ::WriteFile(pipe, bytes, chunk, &done, &overlapped);
        DWORD last = ok ? ERROR_SUCCESS : ::GetLastError();
        if (!ok && last == ERROR_IO_PENDING) {
            ok = finishOverlapped(pipe, overlapped, done, keepWaiting, error);
            last = ok ? ERROR_SUCCESS : error;
        } else if (ok || last == ERROR_MORE_DATA) {
            ::GetOverlappedResult(pipe, &overlapped, &done, TRUE);
        }
        if (!ok && last != ERROR_MORE_DATA) {
            error = last;
            return false;
        }
        if (done == 0) {
            error = ERROR_NO_DATA;
            return false;
        }
        bytes += done;
        size -= done;
    }
    return true;
}

}  // namespace

struct InstallPipeServer::Impl {
    win::UniqueHandle pipe;
    win::UniqueHandle event;
    std::uint32_t error = 0;

    bool transfer(bool reading, void* data, size_t size, const KeepWaiting& keepWaiting) {
        return platform::transfer(pipe.get(), event.get(), reading, data, size, keepWaiting, error);
    }
};

InstallPipeServer::InstallPipeServer() : d(std::make_unique<Impl>()) {}
InstallPipeServer::~InstallPipeServer() {
    close();
}

bool InstallPipeServer::create() {
    close();
    // Only administrators and SYSTEM may open the pipe: the elevated Installer
    // must not talk to, nor be reached by, anything less.
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:P(A;;GA;;;BA)(A;;GA;;;SY)", SDDL_REVISION_1, &descriptor, nullptr)) {
        d->error = ::GetLastError();
        return false;
    }
    SECURITY_ATTRIBUTES attributes{};
    attributes.nLength = sizeof(attributes);
    attributes.lpSecurityDescriptor = descriptor;
    HANDLE pipe = ::CreateNamedPipeW(
        kPipeName, PIPE_ACCESS_DUPLEX | FILE_FLAG_FIRST_PIPE_INSTANCE | FILE_FLAG_OVERLAPPED,
        PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
        kBufferSize, kBufferSize, 0, &attributes);
    const DWORD created = ::GetLastError();
    ::LocalFree(descriptor);
    if (pipe == INVALID_HANDLE_VALUE) {
        d->error = created;
        return false;
    }
    d->pipe.reset(pipe);
    d->event.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!d->event.isValid()) {
        d->error = ::GetLastError();
        close();
        return false;
    }
    return true;
}

bool InstallPipeServer::accept(const KeepWaiting& keepWaiting) {
    if (!d->pipe.isValid()) {
        d->error = ERROR_INVALID_HANDLE;
        return false;
    }
    OVERLAPPED overlapped{};
    overlapped.hEvent = d->event.get();
    ::ResetEvent(d->event.get());
    if (::ConnectNamedPipe(d->pipe.get(), &overlapped)) {
        return true;
    }
    const DWORD last = ::GetLastError();
    if (last == ERROR_PIPE_CONNECTED) {
        return true;
    }
    if (last != ERROR_IO_PENDING) {
        d->error = last;
        return false;
    }
    DWORD unused = 0;
    return finishOverlapped(d->pipe.get(), overlapped, unused, keepWaiting, d->error);
}

bool InstallPipeServer::write(const void* data, size_t size) {
    return d->transfer(false, const_cast<void*>(data), size, nullptr);
}

bool InstallPipeServer::read(void* data, size_t size, const KeepWaiting& keepWaiting) {
    return d->transfer(true, data, size, keepWaiting);
}

void InstallPipeServer::close() {
    d->pipe.reset();
    d->event.reset();
}

std::uint32_t InstallPipeServer::error() const {
    return d->error;
}

struct InstallPipeClient::Impl {
    win::UniqueHandle pipe;
    win::UniqueHandle event;
    std::uint32_t error = 0;
};

InstallPipeClient::InstallPipeClient() : d(std::make_unique<Impl>()) {}
InstallPipeClient::~InstallPipeClient() = default;

InstallPipeClient::OpenResult InstallPipeClient::open() {
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        // Identification level only: the server must not act with this elevated token.
        // Overlapped, so that a read can give up on a server that sends nothing.
        d->pipe.reset(::CreateFileW(
            kPipeName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
            SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION | FILE_FLAG_OVERLAPPED, nullptr));
        if (d->pipe.isValid()) {
            break;
        }
        const DWORD failed = ::GetLastError();
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::steady_clock::now() - start)
                                .count();
        const bool notThereYet = failed == ERROR_FILE_NOT_FOUND || failed == ERROR_PIPE_BUSY;
        if (!notThereYet || waited >= kConnectWaitMs) {
            d->pipe.reset();
            d->error = failed;
            return OpenResult::Failed;
        }
        if (failed == ERROR_PIPE_BUSY) {
            // WaitNamedPipe returns as soon as the instance is free; a failed wait just loops.
            ::WaitNamedPipeW(kPipeName, static_cast<DWORD>(kConnectWaitMs - waited));
        } else {
            ::Sleep(kConnectRetryMs);
        }
    }
    d->event.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!d->event.isValid()) {
        d->error = ::GetLastError();
        return OpenResult::Failed;
    }
    ULONG server = 0;
    if (!::GetNamedPipeServerProcessId(d->pipe.get(), &server)) {
        d->error = ::GetLastError();
        return OpenResult::UntrustedServer;
    }
    const std::uint32_t parent = parentProcessId();
    if (parent == 0 || server != parent) {
        d->error = ERROR_ACCESS_DENIED;
        return OpenResult::UntrustedServer;
    }
    return OpenResult::Opened;
}

bool InstallPipeClient::read(void* data, size_t size, const KeepWaiting& keepWaiting) {
    return transfer(d->pipe.get(), d->event.get(), true, data, size, keepWaiting, d->error);
}

bool InstallPipeClient::write(const void* data, size_t size) {
    return transfer(d->pipe.get(), d->event.get(), false, const_cast<void*>(data), size, nullptr,
                    d->error);
}

std::uint32_t InstallPipeClient::error() const {
    return d->error;
}

std::uint32_t parentProcessId() {
    win::UniqueHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.isValid()) {
        return 0;
    }
    const DWORD self = ::GetCurrentProcessId();
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
         more = ::Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ProcessID == self) {
            return entry.th32ParentProcessID;
        }
    }
    return 0;
}

}  // namespace platform

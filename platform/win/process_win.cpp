#include "platform/process.h"

#include "winutil.h"

namespace platform {

namespace {

// Quotes one argument so that CommandLineToArgvW and the C runtime give it back unchanged.
void appendQuoted(std::wstring& commandLine, const std::wstring& argument) {
    if (!commandLine.empty()) {
        commandLine += L' ';
    }
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        commandLine += argument;
        return;
    }
    commandLine += L'"';
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"') {
            commandLine.append(backslashes * 2 + 1, L'\\');
        } else {
            commandLine.append(backslashes, L'\\');
        }
        backslashes = 0;
        commandLine += c;
    }
    commandLine.append(backslashes * 2, L'\\');
    commandLine += L'"';
}

}  // namespace

struct Process::Impl {
    win::UniqueHandle process;
    DWORD pid = 0;
    int exitCode = -1;
    std::uint32_t error = 0;
};

Process::Process() : d(std::make_unique<Impl>()) {}
Process::~Process() = default;
Process::Process(Process&&) noexcept = default;
Process& Process::operator=(Process&&) noexcept = default;

bool Process::start(const std::string& program, const std::vector<std::string>& arguments) {
    const std::wstring application = win::toWide(program);
    std::wstring commandLine;
    appendQuoted(commandLine, application);
    for (const std::string& argument : arguments) {
        appendQuoted(commandLine, win::toWide(argument));
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, nullptr, &startup, &info)) {
        d->error = ::GetLastError();
        return false;
    }
    ::CloseHandle(info.hThread);
    d->process.reset(info.hProcess);
    d->pid = info.dwProcessId;
    d->exitCode = -1;
    d->error = 0;
    return true;
}

bool Process::isRunning() const {
    return d->process.isValid() && ::WaitForSingleObject(d->process.get(), 0) == WAIT_TIMEOUT;
}

std::uint32_t Process::pid() const {
    return d->pid;
}
std::uint32_t Process::error() const {
    return d->error;
}
int Process::exitCode() const {
    return d->exitCode;
}

bool Process::waitForExit(std::uint32_t timeoutMs) {
    if (!d->process.isValid()) {
        return false;
    }
    if (::WaitForSingleObject(d->process.get(), timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(d->process.get(), &code);
    d->exitCode = static_cast<int>(code);
    return true;
}

void Process::kill() {
    if (isRunning()) {
        ::TerminateProcess(d->process.get(), 1);
        waitForExit(INFINITE);
    }
}

std::uint32_t currentProcessId() {
    return ::GetCurrentProcessId();
}

std::string currentExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return win::toUtf8(path);
        }
        path.resize(path.size() * 2);
    }
}

void sleepMs(std::uint32_t ms) {
    ::Sleep(ms);
}

}  // namespace platform

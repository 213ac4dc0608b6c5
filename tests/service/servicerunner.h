// Starts quillon-service as a child process on an ephemeral loopback port.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class ServiceRunner {
public:
    ServiceRunner() = default;
    ~ServiceRunner();
    ServiceRunner(const ServiceRunner&) = delete;
    ServiceRunner& operator=(const ServiceRunner&) = delete;

    // Starts the service on dataDir with extra arguments and waits for its base URL.
    // Its stderr goes to logPath so that nothing holds the caller's streams open.
    bool start(const std::string& dataDir, const std::vector<std::string>& extra = {},
               const std::string& logPath = {});
    // Sends SIGTERM and waits; the exit status, or -1 when it had to be killed.
    int stop();
    // Ends it with SIGKILL, as a crash would.
    void kill();
    pid_t pid() const { return pid_; }

    const std::string& url() const { return url_; }
    const std::string& error() const { return error_; }
    std::string host() const;
    int port() const;

    // With QLN_SERVICE_BACKEND=postgresql every data folder gets a database of its own on the
    // server QLN_SERVICE_PG names (an administrator's URL); otherwise SQLite in the folder.
    // A PostgreSQL run without QLN_SERVICE_PG exits at once as skipped (77).
    static bool postgresql();
    // The data folder's database URL, created at the first call; empty for SQLite.
    static std::string storeUrl(const std::string& dataDir);
    // "--store URL" for the data folder's database, or nothing.
    static std::vector<std::string> storeArgs(const std::string& dataDir);

    // The path of the service binary: QLN_SERVICE in the environment.
    static std::string binary();
    // A fresh empty folder below QLN_SERVICE_WORK (or TMPDIR).
    static std::string makeTempDir(const std::string& name);
    static bool writeFile(const std::string& path, const std::string& data);
    static std::string readFile(const std::string& path);

private:
    pid_t pid_ = -1;
    int stdoutFd_ = -1;
    std::string url_;
    std::string error_;
};

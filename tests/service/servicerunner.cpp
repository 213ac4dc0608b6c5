#include "servicerunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <libpq-fe.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "formats/sha1.h"

ServiceRunner::~ServiceRunner() {
    stop();
}

std::string ServiceRunner::binary() {
    const char* path = std::getenv("QLN_SERVICE");
    return path != nullptr ? path : "quillon-service";
}

std::string ServiceRunner::makeTempDir(const std::string& name) {
    const char* base = std::getenv("QLN_SERVICE_WORK");
    if (base == nullptr) {
        base = std::getenv("TMPDIR");
    }
    std::string root = base != nullptr ? base : ".";
    ::mkdir(root.c_str(), 0700);
    std::string pattern = root + "/" + name + "-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        return {};
    }
    // Absolute, since nginx and the services resolve a relative one against folders of their own.
    char* absolute = ::realpath(pattern.c_str(), nullptr);
    if (absolute != nullptr) {
        pattern = absolute;
        std::free(absolute);
    }
    return pattern;
}

bool ServiceRunner::writeFile(const std::string& path, const std::string& data) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << data;
    return static_cast<bool>(file);
}

std::string ServiceRunner::readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

namespace {

const bool kPostgresql = [] {
    const char* backend = std::getenv("QLN_SERVICE_BACKEND");
    if (backend == nullptr || std::string(backend) != "postgresql") {
        return false;
    }
    if (std::getenv("QLN_SERVICE_PG") == nullptr) {
        std::printf(
            "skipped: QLN_SERVICE_PG names no PostgreSQL server (scripts/test.sh starts one)\n");
        std::exit(77);
    }
    return true;
}();

}  // namespace

bool ServiceRunner::postgresql() {
    return kPostgresql;
}

std::string ServiceRunner::storeUrl(const std::string& dataDir) {
    if (!kPostgresql) {
        return {};
    }
    formats::Sha1 hash;
    hash.add(dataDir.data(), dataDir.size());
    const std::string name = "quillon_" + hash.hexDigest(false).substr(0, 16);
    const std::string admin = std::getenv("QLN_SERVICE_PG");
    // Created once; a second call finds it there.
    if (PGconn* connection = PQconnectdb(admin.c_str())) {
        PQclear(PQexec(connection, ("CREATE DATABASE " + name).c_str()));
        PQfinish(connection);
    }
    return admin.substr(0, admin.rfind('/') + 1) + name;
}

std::vector<std::string> ServiceRunner::storeArgs(const std::string& dataDir) {
    const std::string url = storeUrl(dataDir);
    return url.empty() ? std::vector<std::string>() : std::vector<std::string>{"--store", url};
}

bool ServiceRunner::start(const std::string& dataDir, const std::vector<std::string>& extra,
                          const std::string& logPath) {
    stop();
    url_.clear();
    error_.clear();
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        error_ = "pipe failed";
        return false;
    }
    const std::string log = logPath.empty() ? dataDir + ".log" : logPath;
    std::vector<std::string> args = {binary(), "--data", dataDir, "--listen", "127.0.0.1:0"};
    args.insert(args.end(), extra.begin(), extra.end());
    const std::vector<std::string> store = storeArgs(dataDir);
    args.insert(args.end(), store.begin(), store.end());
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    const pid_t parent = ::getpid();
    pid_ = ::fork();
    if (pid_ == 0) {
        // A test that dies without its destructors must not leave the service behind.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) {
            ::_exit(127);
        }
        ::dup2(pipeFds[1], STDOUT_FILENO);
        const int logFd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        ::dup2(logFd >= 0 ? logFd : ::open("/dev/null", O_WRONLY), STDERR_FILENO);
        const int nullFd = ::open("/dev/null", O_RDONLY);
        ::dup2(nullFd, STDIN_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    if (pid_ < 0) {
        ::close(pipeFds[0]);
        error_ = "fork failed";
        return false;
    }
    stdoutFd_ = pipeFds[0];

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::string line;
    while (line.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        pollfd entry{stdoutFd_, POLLIN, 0};
        if (left <= 0 || ::poll(&entry, 1, static_cast<int>(left)) <= 0) {
            error_ = "no base URL within 20 s; log: " + readFile(log);
            stop();
            return false;
        }
        char buffer[256];
        const ssize_t n = ::read(stdoutFd_, buffer, sizeof buffer);
        if (n <= 0) {
            error_ = "the service ended before printing its URL; log: " + readFile(log);
            stop();
            return false;
        }
        line.append(buffer, static_cast<std::size_t>(n));
    }
    url_ = line.substr(0, line.find('\n'));
    return true;
}

int ServiceRunner::stop() {
    if (stdoutFd_ >= 0) {
        ::close(stdoutFd_);
        stdoutFd_ = -1;
    }
    if (pid_ <= 0) {
        return -1;
    }
    ::kill(pid_, SIGTERM);
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    for (;;) {
        const pid_t done = ::waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            break;
        }
        if (done < 0 && errno != EINTR) {
            pid_ = -1;
            return -1;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void ServiceRunner::kill() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    stop();
}

std::string ServiceRunner::host() const {
    const std::size_t scheme = url_.find("://");
    const std::size_t colon = url_.rfind(':');
    return url_.substr(scheme + 3, colon - scheme - 3);
}

int ServiceRunner::port() const {
    return std::atoi(url_.substr(url_.rfind(':') + 1).c_str());
}

#include "nginxrunner.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "servicerunner.h"

namespace {

const char* const kNginx[] = {"/usr/sbin/nginx", "/usr/local/sbin/nginx"};

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

std::string binary() {
    for (const char* path : kNginx) {
        if (::access(path, X_OK) == 0) {
            return path;
        }
    }
    return {};
}

bool accepts(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected =
        ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

}  // namespace

NginxRunner::~NginxRunner() {
    stop();
}

bool NginxRunner::available() {
    return !binary().empty();
}

int NginxRunner::freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

bool NginxRunner::start(const std::string& prefix, const std::vector<int>& upstreamPorts,
                        int port) {
    stop();
    std::string config = ServiceRunner::readFile(QLN_SOURCE_DIR "/service/deploy/nginx.conf");
    if (config.empty()) {
        error_ = "no service/deploy/nginx.conf";
        return false;
    }
    std::string upstreams;
    for (const int upstream : upstreamPorts) {
        upstreams += "        server 127.0.0.1:" + std::to_string(upstream) + " max_fails=0;\n";
    }
    port_ = port != 0 ? port : freePort();
    replaceAll(config, "@PREFIX@", prefix);
    replaceAll(config, "@LISTEN@", "127.0.0.1:" + std::to_string(port_));
    replaceAll(config, "@UPSTREAMS@\n", upstreams);
    return run(prefix, config);
}

bool NginxRunner::startStatic(const std::string& prefix, const std::string& root, int port) {
    stop();
    port_ = port != 0 ? port : freePort();
    return run(prefix, "daemon off;\nworker_processes auto;\npid " + prefix +
                           "/nginx.pid;\nerror_log " + prefix +
                           "/nginx-error.log warn;\nevents { worker_connections 4096; }\n"
                           "http {\n    access_log off;\n    server {\n        listen 127.0.0.1:" +
                           std::to_string(port_) + ";\n        root " + root + ";\n    }\n}\n");
}

bool NginxRunner::run(const std::string& prefix, const std::string& config) {
    // nginx's workers run as another user when started as root; they must reach the prefix
    // (request bodies are buffered there) and any root they serve.
    for (std::filesystem::path folder = prefix; folder.has_relative_path();
         folder = folder.parent_path()) {
        struct stat info {};
        if (::stat(folder.c_str(), &info) == 0 && info.st_uid == ::getuid()) {
            ::chmod(folder.c_str(), (info.st_mode & 07777) | S_IXOTH);
        }
    }
    const std::string path = prefix + "/nginx.conf";
    ServiceRunner::writeFile(path, config);
    const std::string nginx = binary();
    const pid_t parent = ::getpid();
    pid_ = ::fork();
    if (pid_ == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGQUIT);
        if (::getppid() != parent) {
            ::_exit(127);
        }
        ::execl(nginx.c_str(), "nginx", "-p", prefix.c_str(), "-c", path.c_str(), nullptr);
        ::_exit(127);
    }
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (accepts(port_)) {
            return true;
        }
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    error_ = "nginx did not start; " + ServiceRunner::readFile(prefix + "/nginx-error.log");
    stop();
    return false;
}

void NginxRunner::stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGQUIT);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

// Authorised /app/settings against quillon-service, and the same answer as a static file
// from nginx, under wrk at 16 and 256 connections in one run. Installs nginx-light and wrk
// from Debian when they are missing.
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>

#include "servicerunner.h"
#include "servicetesting.h"

namespace {

struct Figures {
    double perSecond = 0;
    double p99Ms = 0;
    long errors = 0;
};

bool have(const char* program) {
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

std::string run(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            out.append(buffer, n);
        }
        ::pclose(pipe);
    }
    return out;
}

double toMs(double value, const std::string& unit) {
    return unit == "us" ? value / 1000 : unit == "s" ? value * 1000 : value;
}

Figures wrk(const std::string& url, const std::string& token, int connections, int seconds) {
    const std::string output =
        run("wrk -t2 -c" + std::to_string(connections) + " -d" + std::to_string(seconds) +
            "s --latency -H 'Authorization: Bearer " + token + "' '" + url + "' 2>&1");
    Figures figures;
    std::smatch match;
    if (std::regex_search(output, match, std::regex(R"(Requests/sec:\s+([0-9.]+))"))) {
        figures.perSecond = std::stod(match[1]);
    }
    if (std::regex_search(output, match, std::regex(R"(\n\s+99%\s+([0-9.]+)(us|ms|s))"))) {
        figures.p99Ms = toMs(std::stod(match[1]), match[2]);
    }
    if (std::regex_search(
            output, match,
            std::regex(
                R"(Socket errors: connect (\d+), read (\d+), write (\d+), timeout (\d+))"))) {
        for (int i = 1; i <= 4; ++i) {
            figures.errors += std::stol(match[i]);
        }
    }
    if (std::regex_search(output, match, std::regex(R"(Non-2xx or 3xx responses: (\d+))"))) {
        figures.errors += std::stol(match[1]);
    }
    if (figures.perSecond == 0) {
        std::fprintf(stderr, "wrk gave no figures:\n%s\n", output.c_str());
    }
    return figures;
}

int freePort() {
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

// nginx serving one file in the foreground, with an access log to a file as the service has.
pid_t startNginx(const std::string& dir, int port) {
    const std::string config = dir + "/nginx.conf";
    ServiceRunner::writeFile(
        config, "daemon off;\nworker_processes auto;\npid " + dir + "/nginx.pid;\nerror_log " +
                    dir +
                    "/nginx-error.log;\nevents { worker_connections 4096; }\nhttp {\n"
                    "  access_log " +
                    dir +
                    "/nginx-access.log;\n"
                    "  client_body_temp_path " +
                    dir + "/tmp;\n  proxy_temp_path " + dir + "/tmp;\n  fastcgi_temp_path " + dir +
                    "/tmp;\n  uwsgi_temp_path " + dir + "/tmp;\n  scgi_temp_path " + dir +
                    "/tmp;\n"
                    "  keepalive_requests 100;\n"
                    "  server {\n    listen 127.0.0.1:" +
                    std::to_string(port) +
                    ";\n"
                    "    location / { root " +
                    dir +
                    "/www; default_type application/json; }\n"
                    "  }\n}\n");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execlp("nginx", "nginx", "-c", config.c_str(), "-p", dir.c_str(), nullptr);
        ::_exit(127);
    }
    return pid;
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    setenv("QLN_SERVICE", QLN_SERVICE_DEFAULT, 0);
    if (!have("nginx") || !have("wrk")) {
        std::printf("installing nginx-light and wrk\n");
        std::fflush(stdout);
        if (std::system("apt-get install -y --no-install-recommends nginx-light wrk "
                        ">/dev/null") != 0 ||
            !have("nginx") || !have("wrk")) {
            std::fprintf(stderr, "cannot install nginx-light and wrk\n");
            return 1;
        }
    }
    char* absolute = ::realpath(ServiceRunner::makeTempDir("settings-bench").c_str(), nullptr);
    if (absolute == nullptr) {
        std::fprintf(stderr, "cannot make a work folder\n");
        return 1;
    }
    const std::string dir = absolute;
    std::free(absolute);
    // Declared before the service and nginx are started, so it goes after they have stopped.
    struct RemoveAtEnd {
        std::string dir;
        ~RemoveAtEnd() {
            std::error_code ignored;
            std::filesystem::remove_all(dir, ignored);
        }
    } removeAtEnd{dir};
    const std::string config = dir + "/config.json";
    ServiceRunner::writeFile(config, R"({"access_log": "access.log"})");
    ServiceRunner service;
    if (!service.start(dir + "/data", {"--config", config})) {
        std::fprintf(stderr, "cannot start the service: %s\n", service.error().c_str());
        return 1;
    }
    httplib::Client client(service.url());
    const std::string token = servicetesting::authorise(client);
    const httplib::Result answer = servicetesting::getSettings(client, token);
    if (token.empty() || !answer || answer->status != 200) {
        std::fprintf(stderr, "authorisation or settings failed\n");
        return 1;
    }
    // nginx's workers run as another user and must reach the file.
    ::chmod(dir.c_str(), 0755);
    ::mkdir((dir + "/www").c_str(), 0755);
    ::mkdir((dir + "/tmp").c_str(), 0700);
    ::mkdir((dir + "/www/app").c_str(), 0755);
    ServiceRunner::writeFile(dir + "/www/app/settings", answer->body);
    const int nginxPort = freePort();
    const pid_t nginx = startNginx(dir, nginxPort);
    const std::string nginxUrl = "http://127.0.0.1:" + std::to_string(nginxPort) + "/app/settings";
    httplib::Client probe("127.0.0.1", nginxPort);
    bool nginxUp = false;
    for (int i = 0; i < 100 && !nginxUp; ++i) {
        const httplib::Result result = probe.Get("/app/settings");
        nginxUp = result && result->status == 200 && result->body == answer->body;
        if (!nginxUp) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    if (!nginxUp) {
        std::fprintf(stderr, "nginx did not serve the file; see %s/nginx-error.log\n", dir.c_str());
        ::kill(nginx, SIGTERM);
        return 1;
    }

    const std::string serviceUrl = service.url() + "/app/settings?ppg=bench";
    std::printf("GET /app/settings (%zu bytes), wrk -t2 for %d s per run\n", answer->body.size(),
                seconds);
    double ratio[2] = {0, 0};
    double p99 = 0;
    const int levels[2] = {16, 256};
    for (int i = 0; i < 2; ++i) {
        const Figures ours = wrk(serviceUrl, token, levels[i], seconds);
        const Figures theirs = wrk(nginxUrl, token, levels[i], seconds);
        std::printf(
            "%3d connections: service %.0f/s p99 %.2f ms %ld errors; nginx %.0f/s p99 "
            "%.2f ms %ld errors\n",
            levels[i], ours.perSecond, ours.p99Ms, ours.errors, theirs.perSecond, theirs.p99Ms,
            theirs.errors);
        ratio[i] = theirs.perSecond > 0 ? ours.perSecond / theirs.perSecond : 0;
        p99 = ours.p99Ms;
    }
    std::printf("settings: service/nginx %.2f at 16 connections, %.2f at 256; p99 %.1f ms\n",
                ratio[0], ratio[1], p99);
    ::kill(nginx, SIGQUIT);
    ::waitpid(nginx, nullptr, 0);
    return service.stop() == 0 ? 0 : 1;
}

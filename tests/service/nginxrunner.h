// nginx in the foreground in front of service instances, configured from
// service/deploy/nginx.conf.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class NginxRunner {
public:
    NginxRunner() = default;
    ~NginxRunner();
    NginxRunner(const NginxRunner&) = delete;
    NginxRunner& operator=(const NginxRunner&) = delete;

    // Whether an nginx binary is there to run.
    static bool available();
    // Starts nginx with its files in prefix, listening on port (0: a free one) and balancing
    // over the given loopback ports, and waits until it accepts connections.
    bool start(const std::string& prefix, const std::vector<int>& upstreamPorts, int port = 0);
    // nginx serving the files below root itself, for comparisons.
    bool startStatic(const std::string& prefix, const std::string& root, int port = 0);
    void stop();

    int port() const { return port_; }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }
    const std::string& error() const { return error_; }

    // A loopback port nobody listens on at the moment.
    static int freePort();

private:
    bool run(const std::string& prefix, const std::string& config);

    pid_t pid_ = -1;
    int port_ = 0;
    std::string error_;
};

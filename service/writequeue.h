#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>

#include "servicestore.h"

namespace Service {

// Settings fetches written off the answer's path: one thread writes what has gathered in
// one transaction, a fraction of a second after it arrives, so a crash loses less than the
// last second and stop() loses nothing. Repeated fetches of one installation keep the last.
class WriteQueue {
public:
    using Report = std::function<void(const std::string&)>;

    WriteQueue(ServiceStore& store, Report report,
               std::chrono::milliseconds gather = std::chrono::milliseconds(200));
    ~WriteQueue();
    WriteQueue(const WriteQueue&) = delete;
    WriteQueue& operator=(const WriteQueue&) = delete;

    void start();
    void push(ServiceStore::SettingsFetch fetch);
    // Writes everything pushed so far, then ends the writer; later pushes are dropped.
    void stop();

private:
    void write();

    ServiceStore& store_;
    Report report_;
    std::chrono::milliseconds gather_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::unordered_map<std::string, ServiceStore::SettingsFetch> pending_;
    std::thread writer_;
    bool stopping_ = false;
};

}  // namespace Service

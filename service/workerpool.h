#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include <httplib.h>

namespace Service {

// The worker threads that serve connections, one connection each at a time. It tells how
// many accepted connections wait for a worker, so that idle kept-alive ones make room.
class WorkerPool : public httplib::TaskQueue {
public:
    explicit WorkerPool(std::size_t threads);
    ~WorkerPool() override;

    void enqueue(std::function<void()> job) override;
    void shutdown() override;
    std::size_t waiting() const;

private:
    void work();

    mutable std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::function<void()>> jobs_;
    std::vector<std::thread> threads_;
    bool stopping_ = false;
};

}  // namespace Service

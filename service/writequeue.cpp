#include "writequeue.h"

#include <vector>

namespace Service {

WriteQueue::WriteQueue(ServiceStore& store, Report report, std::chrono::milliseconds gather)
    : store_(store), report_(std::move(report)), gather_(gather) {}

WriteQueue::~WriteQueue() {
    stop();
}

void WriteQueue::start() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!writer_.joinable() && !stopping_) {
        writer_ = std::thread([this] { write(); });
    }
}

void WriteQueue::push(ServiceStore::SettingsFetch fetch) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_) {
            return;
        }
        std::string appid = fetch.appid;
        pending_[std::move(appid)] = std::move(fetch);
    }
    wake_.notify_one();
}

void WriteQueue::stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (writer_.joinable()) {
        writer_.join();
    }
}

void WriteQueue::write() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
        if (pending_.empty()) {
            return;
        }
        // A short wait gathers a burst into one transaction.
        wake_.wait_for(lock, gather_, [this] { return stopping_; });
        std::vector<ServiceStore::SettingsFetch> batch;
        batch.reserve(pending_.size());
        for (auto& item : pending_) {
            batch.push_back(std::move(item.second));
        }
        pending_.clear();
        lock.unlock();
        std::string error;
        const bool written = store_.recordSettingsFetches(batch, error);
        lock.lock();
        if (!written) {
            report_("cannot record " + std::to_string(batch.size()) +
                    " settings fetches: " + error);
            if (stopping_) {
                return;
            }
            // Kept for the next try unless a newer fetch of the same installation came in.
            for (auto& fetch : batch) {
                std::string appid = fetch.appid;
                pending_.emplace(std::move(appid), std::move(fetch));
            }
            wake_.wait_for(lock, std::chrono::seconds(1), [this] { return stopping_; });
        }
    }
}

}  // namespace Service

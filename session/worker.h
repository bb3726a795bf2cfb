#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace nablo {

class TableEstimate;

// A thread of its own, behind the face's thread in priority, that plays estimates to their end
// one after another in the order they were handed over, so that the face's thread never waits
// for one unless it asks to. An estimate cancelled meanwhile is dropped at its next
// continuation.
class EstimateWorker {
public:
    // `finished` runs on the worker's thread after each estimate it completes: a face hands it
    // on to its own thread.
    explicit EstimateWorker(std::function<void()> finished = {});
    ~EstimateWorker();
    EstimateWorker(const EstimateWorker&) = delete;
    EstimateWorker& operator=(const EstimateWorker&) = delete;

    void submit(std::shared_ptr<TableEstimate> estimate);
    // Completes `estimate`, handed over before, on the calling thread: the worker lets go of it
    // at once, so that the caller never waits for a thread that others keep from running.
    void finish(TableEstimate& estimate);

private:
    void run();

    std::function<void()> finished_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable released_;
    std::deque<std::shared_ptr<TableEstimate>> queue_; // not yet begun
    TableEstimate* running_ = nullptr;
    const TableEstimate* wanted_ = nullptr; // to be let go of by the worker
    bool stopping_ = false;
    std::thread thread_; // last, so that it starts once the rest is ready
};

} // namespace nablo

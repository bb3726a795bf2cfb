#include "session/worker.h"

#include "advice/estimate.h"

#include <algorithm>

namespace nablo {

EstimateWorker::EstimateWorker(std::function<void()> finished)
    : finished_(std::move(finished)), thread_([this] { run(); })
{
}

EstimateWorker::~EstimateWorker()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        if (running_)
            running_->cancel();
    }
    wake_.notify_all();
    thread_.join();
}

void EstimateWorker::submit(std::shared_ptr<TableEstimate> estimate)
{
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(estimate));
    }
    wake_.notify_all();
}

void EstimateWorker::waitFor(const TableEstimate& estimate)
{
    std::unique_lock lock(mutex_);
    // The one waited for goes before those nobody waits for yet.
    const auto queued = std::find_if(queue_.begin(), queue_.end(),
                                     [&](const auto& job) { return job.get() == &estimate; });
    if (queued != queue_.end())
        std::rotate(queue_.begin(), queued, queued + 1);
    progressed_.wait(lock, [&] { return estimate.done() || estimate.cancelled(); });
}

void EstimateWorker::run()
{
    for (;;) {
        std::shared_ptr<TableEstimate> estimate;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_)
                return;
            estimate = std::move(queue_.front());
            queue_.pop_front();
            running_ = estimate.get();
        }
        // Small steps, so that a cancelled estimate is let go at once.
        while (!estimate->step(16) && !estimate->cancelled()) {
        }
        {
            const std::lock_guard lock(mutex_);
            running_ = nullptr;
        }
        progressed_.notify_all();
        if (estimate->done() && finished_)
            finished_();
    }
}

} // namespace nablo

#include "session/worker.h"

#include "advice/estimate.h"

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
        for (const auto& estimate : queue_)
            estimate->cancel();
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
            estimate = queue_.front();
        }
        // Small steps, so that a cancelled estimate is let go at once.
        while (!estimate->step(16) && !estimate->cancelled()) {
        }
        {
            const std::lock_guard lock(mutex_);
            queue_.pop_front();
        }
        progressed_.notify_all();
        if (estimate->done() && finished_)
            finished_();
    }
}

} // namespace nablo

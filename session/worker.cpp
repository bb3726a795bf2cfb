#include "session/worker.h"

#include "advice/estimate.h"

#include <algorithm>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

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

void EstimateWorker::finish(TableEstimate& estimate)
{
    {
        std::unique_lock lock(mutex_);
        const auto queued = std::find_if(queue_.begin(), queue_.end(),
                                         [&](const auto& job) { return job.get() == &estimate; });
        if (queued != queue_.end()) {
            queue_.erase(queued);
        } else if (running_ == &estimate) {
            wanted_ = &estimate;
            released_.wait(lock, [&] { return running_ != &estimate; });
            wanted_ = nullptr;
        }
    }
    estimate.run();
}

void EstimateWorker::run()
{
#ifdef __linux__
    // Behind the face's own thread: a click or a repaint never waits for a continuation.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
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
        // Small steps, so that an estimate cancelled or wanted elsewhere is let go at once.
        bool wanted = false;
        while (!wanted && !estimate->step(16) && !estimate->cancelled()) {
            const std::lock_guard lock(mutex_);
            wanted = wanted_ == estimate.get();
        }
        {
            const std::lock_guard lock(mutex_);
            running_ = nullptr;
        }
        released_.notify_all();
        if (!wanted && estimate->done() && finished_)
            finished_();
    }
}

} // namespace nablo

#include "session/estimates.h"

#include "deck/random.h"
#include "game/betting.h"
#include "session/worker.h"
#include "table/form.h"

#include <cmath>

namespace nablo {

TableEstimates::~TableEstimates()
{
    // A worker may still hold them: let it drop them.
    if (estimate_)
        estimate_->cancel();
    for (const Pending& pending : pending_)
        pending.estimate->cancel();
}

TableEstimate& TableEstimates::estimateOfTable()
{
    // The figures are credits at the table's stake, so the stake is part of the table.
    const std::uint64_t key =
        tableSeed(form_) ^ mix64(static_cast<std::uint64_t>(std::llround(stakeOf(form_))));
    if (!estimate_ || key != key_) {
        if (estimate_)
            estimate_->cancel();
        estimate_ = std::make_shared<TableEstimate>(form_);
        key_ = key;
        if (worker_)
            worker_->submit(estimate_);
    }
    return *estimate_;
}

const TableEstimate& TableEstimates::current()
{
    TableEstimate& estimate = estimateOfTable();
    if (worker_)
        worker_->finish(estimate);
    else
        estimate.run();
    return estimate;
}

std::optional<Judgement> TableEstimates::judge(int slot)
{
    TableEstimate& estimate = estimateOfTable();
    ++judged_;
    if (estimate.done() || (!idleWork_ && !worker_))
        return estimate.run().judge(slot);
    // The estimate holds its own copy of the table: the click goes on at once.
    pending_.push_back({std::move(estimate_), slot, form_.HAND, judged_});
    return std::nullopt;
}

bool TableEstimates::work(std::chrono::microseconds budget, bool waiting,
                          std::optional<Finished>& finished)
{
    idleWork_ = true;
    if (worker_)
        return collect(waiting, finished);
    if (!pending_.empty()) {
        Pending& first = pending_.front();
        if (first.estimate->stepFor(budget))
            finish(finished);
        return true;
    }
    return waiting && !estimateOfTable().stepFor(budget);
}

bool TableEstimates::collect(bool waiting, std::optional<Finished>& finished)
{
    const auto ready = [this] { return !pending_.empty() && pending_.front().estimate->done(); };
    if (ready())
        finish(finished);
    if (waiting)
        estimateOfTable(); // handed to the worker
    return ready();
}

void TableEstimates::finish(std::optional<Finished>& finished)
{
    const Pending& first = pending_.front();
    finished = Finished{first.estimate->judge(first.slot), first.hand, first.number == judged_};
    pending_.pop_front();
}

} // namespace nablo

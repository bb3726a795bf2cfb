#include "session/estimates.h"

#include "deck/random.h"
#include "game/betting.h"
#include "table/form.h"

#include <cmath>

namespace nablo {

TableEstimate& TableEstimates::estimateOfTable()
{
    // The figures are credits at the table's stake, so the stake is part of the table.
    const std::uint64_t key =
        tableSeed(form_) ^ mix64(static_cast<std::uint64_t>(std::llround(stakeOf(form_))));
    if (!estimate_ || key != key_) {
        estimate_ = std::make_unique<TableEstimate>(form_);
        key_ = key;
    }
    return *estimate_;
}

const TableEstimate& TableEstimates::current() { return estimateOfTable().run(); }

std::optional<Judgement> TableEstimates::judge(int slot)
{
    TableEstimate& estimate = estimateOfTable();
    if (estimate.done() || !idleWork_)
        return estimate.run().judge(slot);
    // The estimate holds its own copy of the table: the click goes on at once.
    pending_.push_back({std::move(estimate_), slot, form_.HAND});
    return std::nullopt;
}

bool TableEstimates::work(std::chrono::microseconds budget, bool waiting,
                          std::optional<Finished>& finished)
{
    idleWork_ = true;
    if (!pending_.empty()) {
        Pending& first = pending_.front();
        if (first.estimate->stepFor(budget)) {
            finished = Finished{first.estimate->judge(first.slot), first.hand};
            pending_.pop_front();
        }
        return true;
    }
    return waiting && !estimateOfTable().stepFor(budget);
}

} // namespace nablo

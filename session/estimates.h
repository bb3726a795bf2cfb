#pragma once

#include "advice/estimate.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>

namespace nablo {

class EstimateWorker;
class Form1;

// The one estimate of the table as it waits for a placement, worked on in the face's idle
// time or on a worker thread, and the trainer's judgements of placements already made,
// finished on a copy of the table as it was before each of them. A click never waits for
// either.
class TableEstimates {
public:
    explicit TableEstimates(const Form1& form) : form_(form) {}
    ~TableEstimates();
    TableEstimates(const TableEstimates&) = delete;
    TableEstimates& operator=(const TableEstimates&) = delete;

    // From now on every estimate is played on `worker`, until it is taken back with nullptr
    // before the worker goes; work() then only hands over new tables and collects the judgements
    // the worker has finished.
    void runOn(EstimateWorker* worker) { worker_ = worker; }

    // The estimate of the table as it stands, played to its end now if the idle time has not
    // finished it yet.
    const TableEstimate& current();

    // Placing `slot` is about to run: its judgement at once when the table's estimate is
    // complete or no idle time works on it; else the judgement follows from work().
    std::optional<Judgement> judge(int slot);

    // A judgement finished in the idle time, with the slot cards of the table it judged;
    // `latest` when no other placement has been judged since.
    struct Finished {
        Judgement judgement;
        std::array<std::int16_t, 6> hand{};
        bool latest = true;
    };

    // A slice of idle-time work of about `budget`: the judgements still to be finished first,
    // then the estimate of the table while it waits for a placement (`waiting`). Sets finished
    // when a judgement is done; returns whether work remains.
    bool work(std::chrono::microseconds budget, bool waiting, std::optional<Finished>& finished);

private:
    TableEstimate& estimateOfTable();
    // With a worker: the first judgement when it has finished; returns whether another has.
    bool collect(bool waiting, std::optional<Finished>& finished);
    void finish(std::optional<Finished>& finished);

    struct Pending {
        std::shared_ptr<TableEstimate> estimate;
        int slot = 0;
        std::array<std::int16_t, 6> hand{};
        int number = 0;
    };

    const Form1& form_;
    EstimateWorker* worker_ = nullptr;
    std::shared_ptr<TableEstimate> estimate_;
    std::uint64_t key_ = 0;
    std::deque<Pending> pending_;
    int judged_ = 0;
    bool idleWork_ = false;
};

} // namespace nablo

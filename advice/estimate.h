#pragma once

#include "advice/advisor.h"
#include "advice/headless.h"
#include "advice/trainer.h"
#include "table/form.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace nablo {

// The one estimate of a table that the advice, the advised slot, the trainer's judgement and
// the demo all read: Monte Carlo continuations of a copy of the table, seeded by the table
// alone, so the same table always gets the same figures wherever it is asked.
//
// It plays in slices (step), so that a face can run it in idle time or on a worker thread;
// it owns a copy of the table and shares nothing with the game. cancel() may be called from
// another thread: the estimate of a table that has changed is dropped at its next
// continuation.
class TableEstimate {
public:
    explicit TableEstimate(const Form1& form, int rollouts = adviceRollouts,
                           ChoiceFunction policy = continuationPolicy);
    TableEstimate(const Form1& form, int rollouts, ChoiceFunction policy, std::uint64_t seed);
    TableEstimate(const TableEstimate&) = delete;
    TableEstimate& operator=(const TableEstimate&) = delete;

    // Plays up to `continuations` more continuations; true once the estimate is complete.
    bool step(int continuations);
    // Plays continuations until `budget` has passed, for a face's idle-time slices (a
    // continuation takes microseconds); true once the estimate is complete.
    bool stepFor(std::chrono::microseconds budget);
    // Plays every continuation left; returns this.
    TableEstimate& run();

    // done() and played() may be asked from another thread than the one stepping: once done()
    // is seen true there, the figures below are complete for that thread too.
    bool done() const { return next_.load(std::memory_order_acquire) >= total_; }
    bool cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
    void cancel() { cancelled_.store(true, std::memory_order_relaxed); }

    // Continuations played so far and in all.
    int played() const { return next_.load(std::memory_order_acquire); }
    int total() const { return total_; }

    // The playable slots, left to right.
    const std::vector<int>& playable() const { return slots_; }

    // Only once done(): every playable slot's figure with its interval, the best slot, and
    // what placing `slot` gives up against it.
    Assessment assessment() const;
    Advisor::Advice advice() const;
    Judgement judge(int slot) const;
    // The pay of every continuation played, by slot.
    const Advisor::Pays& pays() const { return pays_; }

private:
    HeadlessPlatform platform_;
    Form1 table_;
    std::optional<Form1> work_;
    ChoiceFunction policy_;
    std::uint64_t seed_;
    int rollouts_;
    std::vector<int> slots_;
    int preferred_;
    Advisor::Pays pays_;
    std::atomic<int> next_{0};
    int total_ = 0;
    std::atomic<bool> cancelled_{false};
};

// The advised slot and the figures of an assessment.
Advisor::Advice adviceOf(const Assessment& assessment);

} // namespace nablo

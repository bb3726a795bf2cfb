#include "advice/estimate.h"

#include "deck/random.h"
#include "game/place.h"
#include "game/state.h"
#include "table/errors.h"

#include <cmath>
#include <limits>

namespace nablo {

namespace {

// Plays the form on from placing `slot` to the end of the game; returns its pay. The game runs
// through its end-of-game box into its reset, which costs less than unwinding out of it.
double continuation(Form1& form, HeadlessPlatform& platform, int slot, ChoiceFunction policy,
                    Xoshiro128& choices)
{
    const int ended = platform.gamesEnded;
    try {
        Card_Click(form, static_cast<std::int16_t>(slot), form.CARD(slot));
        while (platform.gamesEnded == ended) {
            const int next = policy(form, choices, nullptr);
            Card_Click(form, static_cast<std::int16_t>(next), form.CARD(next));
        }
    } catch (const ProgramEnd&) {
        // Out of credits: the game has ended, and the program with it.
    }
    return platform.lastOutcome.pay;
}

} // namespace

TableEstimate::TableEstimate(const Form1& form, int rollouts, ChoiceFunction policy)
    : TableEstimate(form, rollouts, policy, tableSeed(form))
{
}

TableEstimate::TableEstimate(const Form1& form, int rollouts, ChoiceFunction policy,
                             std::uint64_t seed)
    : table_(form), policy_(policy), seed_(seed), rollouts_(rollouts), slots_(playableSlots(form)),
      preferred_(0)
{
    Xoshiro128 choices(seed);
    if (!slots_.empty())
        preferred_ = policy(form, choices, nullptr);
    table_.setPlatform(platform_);
    total_ = rollouts_ * static_cast<int>(slots_.size());
    for (int slot : slots_)
        pays_[static_cast<std::size_t>(slot)].reserve(static_cast<std::size_t>(rollouts_));
}

bool TableEstimate::step(int continuations)
{
    // Continuation i of every slot draws from the same streams, so slots differ by the choice,
    // not by luck; they are played index by index, so that slicing changes nothing.
    const std::size_t count = slots_.size();
    int next = next_.load(std::memory_order_relaxed);
    // The table played on is copied by the thread that plays, not by the one that asks.
    if (!work_ && next < total_) {
        work_.emplace(table_);
        work_->setPlatform(platform_);
    }
    for (int n = 0; n < continuations && next < total_; ++n) {
        if (cancelled())
            return false;
        const auto i = static_cast<std::uint64_t>(next) / count;
        const int slot = slots_[static_cast<std::size_t>(next) % count];
        const std::uint64_t streams = mix64(seed_ + i);
        platform_.generator.seed64(streams);
        Xoshiro128 choices(mix64(streams));
        pays_[static_cast<std::size_t>(slot)].push_back(
            continuation(*work_, platform_, slot, policy_, choices));
        work_->restore(table_);
        next_.store(++next, std::memory_order_release);
    }
    return done();
}

bool TableEstimate::stepFor(std::chrono::microseconds budget)
{
    const auto end = std::chrono::steady_clock::now() + budget;
    while (!step(16))
        if (cancelled() || std::chrono::steady_clock::now() >= end)
            return false;
    return true;
}

TableEstimate& TableEstimate::run()
{
    step(total_);
    return *this;
}

Assessment TableEstimate::assessment() const { return assess(pays_, preferred_); }

Advisor::Advice TableEstimate::advice() const { return adviceOf(assess(pays_, preferred_)); }

Advisor::Advice adviceOf(const Assessment& assessment)
{
    Advisor::Advice advice;
    advice.expected.fill(std::numeric_limits<double>::quiet_NaN());
    advice.slot = assessment.best;
    for (const SlotEstimate& estimate : assessment.estimates)
        advice.expected[static_cast<std::size_t>(estimate.slot)] = estimate.expected;
    return advice;
}

Judgement TableEstimate::judge(int slot) const
{
    return Trainer::judge(assess(pays_, preferred_), slot);
}

} // namespace nablo

#include "training.h"

#include "eventlines.h"

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>

namespace nablo::console {

namespace {

// A figure as the console prints it: a whole number without a decimal point, null for NaN.
Event figure(double value)
{
    if (!std::isfinite(value))
        return nullptr;
    if (value == std::trunc(value) && std::abs(value) < 1e15)
        return static_cast<std::int64_t>(value);
    return value;
}

template <typename Counts>
Event rows(const Counts& counts, std::size_t first, std::size_t last)
{
    Event object = Event::object();
    for (std::size_t row = first; row <= last; ++row)
        object[std::to_string(row)] = counts[row];
    return object;
}

} // namespace

void Training::advise(const Form1& form) const
{
    const Assessment assessment = trainer_.assess(form);
    Event slots = Event::array();
    for (const SlotEstimate& estimate : assessment.estimates) {
        slots.push_back({{"slot", estimate.slot},
                         {"expected", figure(estimate.expected)},
                         {"low", figure(estimate.low)},
                         {"high", figure(estimate.high)}});
    }
    out_ << line({{"advice", {{"best", assessment.best}, {"slots", slots}}}});
}

void Training::judged(const Judgement& judgement) const
{
    out_ << line({{"judgement",
                   {{"slot", judgement.slot},
                    {"best", judgement.best},
                    {"cost", figure(judgement.cost)},
                    {"flagged", judgement.flagged}}}});
}

void Training::stats(const RunStatistics& s) const
{
    out_ << line({{"stats",
                   {{"games", s.games()},
                    {"staked", figure(s.staked())},
                    {"paid", figure(s.paid())},
                    {"return", figure(s.playerReturn())},
                    {"best", figure(s.bestPay())},
                    {"tiers", rows(s.tierGames(), 1, 7)},
                    {"hits", rows(s.hits(), 1, 5)},
                    {"judged", s.judged()},
                    {"matched", s.matched()},
                    {"given_up", figure(s.givenUp())}}}});
}

} // namespace nablo::console

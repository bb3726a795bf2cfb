#include "advice/advisor.h"

#include "advice/headless.h"
#include "advice/strategy.h"
#include "deck/random.h"
#include "game/place.h"
#include "table/form.h"

#include <limits>

namespace nablo {

namespace {

// Plays a copy of the table on from placing `slot` to the end of the game; returns its pay.
double continuation(const Form1& table, int slot, ChoiceFunction policy, std::uint64_t seed)
{
    HeadlessPlatform platform(seed);
    platform.stopAtEnd = true;
    Form1 form = table;
    form.setPlatform(platform);
    Xoshiro128 choices(mix64(seed));
    try {
        Card_Click(form, static_cast<std::int16_t>(slot), form.CARD(slot));
        for (;;) {
            const int next = policy(form, choices, nullptr);
            Card_Click(form, static_cast<std::int16_t>(next), form.CARD(next));
        }
    } catch (const HeadlessPlatform::GameOver& over) {
        return over.outcome.pay;
    }
}

} // namespace

Advisor::Advice Advisor::advise(const Form1& form, std::uint64_t seed) const
{
    Advice advice;
    advice.expected.fill(std::numeric_limits<double>::quiet_NaN());
    const std::vector<int> slots = playableSlots(form);
    if (slots.empty())
        return advice;
    advice.slot = slots.front();
    if (slots.size() == 1)
        return advice;

    double best = -1;
    for (int slot : slots) {
        double total = 0;
        for (int i = 0; i < rollouts_; ++i)
            total += continuation(form, slot, policy_, mix64(seed + static_cast<std::uint64_t>(i)));
        advice.expected[static_cast<std::size_t>(slot)] = total / rollouts_;
        if (total / rollouts_ > best) {
            best = total / rollouts_;
            advice.slot = slot;
        }
    }
    return advice;
}

} // namespace nablo

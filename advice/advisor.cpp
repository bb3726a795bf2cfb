#include "advice/advisor.h"

#include "advice/headless.h"
#include "advice/strategy.h"
#include "deck/random.h"
#include "game/place.h"
#include "table/errors.h"
#include "table/form.h"

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

Advisor::Pays Advisor::continuations(const Form1& form, std::uint64_t seed) const
{
    Pays pays;
    // One copy of the table, put back after every continuation.
    HeadlessPlatform platform;
    Form1 copy = form;
    copy.setPlatform(platform);
    for (int slot : playableSlots(form)) {
        std::vector<double>& slotPays = pays[static_cast<std::size_t>(slot)];
        slotPays.reserve(static_cast<std::size_t>(rollouts_));
        for (int i = 0; i < rollouts_; ++i) {
            const std::uint64_t streams = mix64(seed + static_cast<std::uint64_t>(i));
            platform.generator.seed64(streams);
            Xoshiro128 choices(mix64(streams));
            slotPays.push_back(continuation(copy, platform, slot, policy_, choices));
            copy.restore(form);
        }
    }
    return pays;
}

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

    const Pays pays = continuations(form, seed);
    double best = -1;
    for (int slot : slots) {
        double total = 0;
        for (double pay : pays[static_cast<std::size_t>(slot)])
            total += pay;
        advice.expected[static_cast<std::size_t>(slot)] = total / rollouts_;
        if (total / rollouts_ > best) {
            best = total / rollouts_;
            advice.slot = slot;
        }
    }
    return advice;
}

} // namespace nablo

#include "advice/strategy.h"

#include "advice/advisor.h"
#include "deck/cards.h"
#include "deck/random.h"
#include "table/form.h"

#include <array>

namespace nablo {

int firstPlayable(const Form1& form)
{
    for (int k = 1; k <= 5; ++k)
        if (form.CANPLAY[k] == -1 && form.HAND[k] != 0)
            return k;
    return 0;
}

int heuristicChoice(const Form1& form)
{
    const auto& hand = form.HAND;
    std::array<int, 4> suitCount{};
    for (int k = 1; k <= 5; ++k)
        if (hand[k] != 0)
            ++suitCount[static_cast<std::size_t>(suitOf(hand[k]))];

    int best = 0;
    int bestScore = 0;
    for (int k = 1; k <= 5; ++k) {
        if (form.CANPLAY[k] != -1 || hand[k] == 0)
            continue;
        bool followed = false;
        for (int j = 1; j <= 5; ++j)
            followed |= j != k && hand[j] != 0 && matches(hand[k], hand[j]);
        const int sameSuitOthers = suitCount[static_cast<std::size_t>(suitOf(hand[k]))] - 1;
        // Followed cards first; among them, the fewest others of the same suit.
        const int score = (followed ? 100 : 0) - sameSuitOthers;
        if (best == 0 || score > bestScore) {
            best = k;
            bestScore = score;
        }
    }
    return best;
}

int chooseHeuristic(const Form1& form, Xoshiro128&, const Advisor*)
{
    return heuristicChoice(form);
}

namespace {

int chooseFirst(const Form1& form, Xoshiro128&, const Advisor*) { return firstPlayable(form); }

int chooseRandom(const Form1& form, Xoshiro128& random, const Advisor*)
{
    const std::vector<int> slots = playableSlots(form);
    return slots.empty() ? 0 : slots[random.next() % slots.size()];
}

// Without an advisor, the heuristic chooses.
int chooseByAdvice(const Form1& form, Xoshiro128& random, const Advisor* advisor)
{
    if (!advisor)
        return heuristicChoice(form);
    return advisor->advise(form, (std::uint64_t(random.next()) << 32) | random.next()).slot;
}

constexpr std::array<StrategyInfo, 4> registry{{
    {"first", "the first playable slot from the left", chooseFirst},
    {"random", "any playable slot, at random", chooseRandom},
    {"heuristic", "a card another slot card follows, keeping the slots' main suit together",
     chooseHeuristic},
    {"advisor", "the best estimate of the advisor's continuations", chooseByAdvice},
}};

} // namespace

std::span<const StrategyInfo> strategies() { return registry; }

const StrategyInfo* strategyNamed(std::string_view name)
{
    for (const StrategyInfo& strategy : registry)
        if (strategy.name == name)
            return &strategy;
    return nullptr;
}

} // namespace nablo

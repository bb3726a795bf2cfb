#include "advice/strategy.h"

#include "deck/cards.h"
#include "table/form.h"

#include <array>

namespace nablo {

std::optional<Strategy> strategyNamed(std::string_view name)
{
    if (name == "first")
        return Strategy::First;
    if (name == "random")
        return Strategy::Random;
    if (name == "heuristic")
        return Strategy::Heuristic;
    if (name == "advisor")
        return Strategy::Advisor;
    return std::nullopt;
}

std::string_view strategyName(Strategy strategy)
{
    switch (strategy) {
    case Strategy::First: return "first";
    case Strategy::Random: return "random";
    case Strategy::Heuristic: return "heuristic";
    case Strategy::Advisor: break;
    }
    return "advisor";
}

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

} // namespace nablo

#include "advice/strategy.h"

#include "advice/advisor.h"
#include "advice/estimate.h"
#include "deck/cards.h"
#include "deck/random.h"
#include "table/form.h"

#include <algorithm>
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

// The share of the draw's attempts that land on a code: the value 0..100 folded onto 52 codes
// gives codes 2..48 two values, codes 1 and 49 one and a half (0 and 100 come half as often),
// and codes 50..52 one.
constexpr double drawShare(int code) { return code <= 48 && code >= 2 ? 2 : code >= 50 ? 1 : 1.5; }

struct DrawOdds {
    std::array<double, 4> suit{};
    std::array<double, 14> rank{};
    double all = 0;
};

DrawOdds drawOdds(const Form1& form)
{
    DrawOdds odds;
    if (form.PLAYED >= 47) // no card replaces the ones placed from the 48th on
        return odds;
    for (int code = 1; code <= 52; ++code) {
        if (form.USED[static_cast<std::size_t>(code)] != 0)
            continue;
        odds.suit[static_cast<std::size_t>(suitOf(code))] += drawShare(code);
        odds.rank[static_cast<std::size_t>(rankOf(code))] += drawShare(code);
        odds.all += drawShare(code);
    }
    return odds;
}

// The most of `cards` that can be placed one after another on `pile`, each on the one before.
int longestRun(const std::array<int, 4>& cards, int count, int pile, unsigned placed = 0)
{
    int longest = 0;
    for (int i = 0; i < count; ++i) {
        const unsigned bit = 1u << i;
        const auto card = cards[static_cast<std::size_t>(i)];
        if ((placed & bit) == 0 && matches(card, pile))
            longest = std::max(longest, 1 + longestRun(cards, count, card, placed | bit));
    }
    return longest;
}

} // namespace

int weightedChoice(const Form1& form, const Weights& w)
{
    const auto& hand = form.HAND;
    const DrawOdds odds = drawOdds(form);
    const double all = odds.all > 0 ? odds.all : 1;
    int best = 0;
    double bestScore = 0;
    for (int k = 1; k <= 5; ++k) {
        if (form.CANPLAY[k] != -1 || hand[k] == 0)
            continue;
        const int card = hand[k];
        int following = 0;
        int rank = 0;
        std::array<int, 4> suits{};
        std::array<int, 4> others{};
        int count = 0;
        for (int j = 1; j <= 5; ++j) {
            if (j == k || hand[j] == 0)
                continue;
            others[static_cast<std::size_t>(count++)] = hand[j];
            following += matches(hand[j], card);
            rank += rankOf(hand[j]) == rankOf(card);
            ++suits[static_cast<std::size_t>(suitOf(hand[j]))];
        }
        const auto suit = static_cast<std::size_t>(suitOf(card));
        const auto r = static_cast<std::size_t>(rankOf(card));
        // A card of its suit and rank is not undrawn, so the two shares do not overlap.
        const double follows = (odds.suit[suit] + odds.rank[r]) / all;
        int majority = 0;
        std::size_t majoritySuit = 0;
        for (std::size_t s = 0; s < 4; ++s)
            if (suits[s] > majority) {
                majority = suits[s];
                majoritySuit = s;
            }
        Weights f{};
        f[othersFollowing] = following;
        f[othersSameSuit] = suits[suit];
        f[drawFollows] = follows;
        f[strandedOdds] = following > 0 ? 0 : 1 - follows;
        f[flushOdds] = majority == 4 ? odds.suit[majoritySuit] / all : 0;
        f[suitMajority] = majority;
        f[sameRank] = rank;
        f[surePlacements] = following > 0 ? longestRun(others, count, card) : 0;
        double score = 0;
        for (std::size_t i = 0; i < f.size(); ++i)
            score += w[i] * f[i];
        if (best == 0 || score > bestScore) {
            best = k;
            bestScore = score;
        }
    }
    return best;
}

const Weights tunedWeights{-1.625, 0, -2.25, -100, 0, -1, -0.75, 1.15625};

int chooseTuned(const Form1& form, Xoshiro128&, const Advisor*)
{
    return weightedChoice(form, tunedWeights);
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

// The advice the game shows: the table's own estimate, played on by the tuned weights, with the
// advisor's count of continuations. It asks nothing of the game's generator.
int chooseAdvice(const Form1& form, Xoshiro128&, const Advisor* advisor)
{
    const std::vector<int> slots = playableSlots(form);
    if (slots.size() < 2)
        return slots.empty() ? 0 : slots.front();
    const int rollouts = advisor ? advisor->rollouts() : adviceRollouts;
    return TableEstimate(form, rollouts, continuationPolicy).run().advice().slot;
}

constexpr std::array<StrategyInfo, 6> registry{{
    {"first", "the first playable slot from the left", chooseFirst},
    {"random", "any playable slot, at random", chooseRandom},
    {"heuristic", "a card another slot card follows, keeping the slots' main suit together",
     chooseHeuristic},
    {"tuned", "weighs each card's odds of being followed and of a flush, tuned by simulation",
     chooseTuned},
    {"advisor", "the best estimate of continuations played on by the heuristic", chooseByAdvice},
    {"advice", "the game's advice: the table's estimate, continuations played on by tuned",
     chooseAdvice},
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

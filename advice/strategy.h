#pragma once

#include "game/state.h"

#include <array>
#include <span>
#include <string_view>

namespace nablo {

class Advisor;
class Form1;
class Xoshiro128;

// A way of choosing the slot to place next: a slot 1..5 whose card is playable, 0 when none
// is. random serves strategies that draw; advisor, when given, serves those that ask it.
using ChoiceFunction = int (*)(const Form1& form, Xoshiro128& random, const Advisor* advisor);

struct StrategyInfo {
    std::string_view name;    // as the simulator's --strategy takes it
    std::string_view summary; // one line for its help
    ChoiceFunction choose;
};

// Every strategy, the default first. A new strategy is one entry in this table.
std::span<const StrategyInfo> strategies();

// The strategy of that name, or nullptr.
const StrategyInfo* strategyNamed(std::string_view name);

// The first playable slot.
int firstPlayable(const Form1& form);

// Two rules of thumb: when there is a choice, never place a card that no other slot card
// matches (it would leave nothing to follow it); then place the card whose suit the other slot
// cards share least, keeping the majority suit together for flushes.
int heuristicChoice(const Form1& form);

// heuristicChoice as a strategy.
int chooseHeuristic(const Form1& form, Xoshiro128& random, const Advisor* advisor);

// What a weighted choice weighs for each playable card, as seen from the table: the cards
// still to be drawn, with the draw's own odds, and the other four slot cards.
enum Weighed : std::size_t {
    othersFollowing, // other slot cards that match the card, so could go on it next
    othersSameSuit,  // other slot cards of its suit
    drawFollows,     // the odds that the card drawn in its place matches it
    strandedOdds,    // the odds that nothing can go on it: the game would end
    flushOdds,       // the odds that the draw completes a flush with the other four
    suitMajority,    // the most cards of one suit among the other four
    sameRank,        // other slot cards of its rank
    surePlacements,  // the most other slot cards that can go on the pile one by one after it
    weighedCount
};
using Weights = std::array<double, weighedCount>;

// The playable slot whose card scores highest by these weights (the lowest slot on a tie).
int weightedChoice(const Form1& form, const Weights& weights);

// The weights tuned by simulation for the highest return.
extern const Weights tunedWeights;

// weightedChoice with the tuned weights: the policy the advice's continuations play on.
int chooseTuned(const Form1& form, Xoshiro128& random, const Advisor* advisor);
inline constexpr ChoiceFunction continuationPolicy = chooseTuned;

} // namespace nablo

#pragma once

#include "game/state.h"

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

// heuristicChoice as a strategy: the advisor's default policy for its continuations.
int chooseHeuristic(const Form1& form, Xoshiro128& random, const Advisor* advisor);

} // namespace nablo

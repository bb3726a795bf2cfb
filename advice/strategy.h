#pragma once

#include "game/state.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace nablo {

class Form1;
class Xoshiro128;

// Ways of choosing which playable slot to place next.
enum class Strategy { First, Random, Heuristic, Advisor };

std::optional<Strategy> strategyNamed(std::string_view name);
std::string_view strategyName(Strategy strategy);

// The first playable slot.
int firstPlayable(const Form1& form);

// Two rules of thumb: when there is a choice, never place a card that no other slot card
// matches (it would leave nothing to follow it); then place the card whose suit the other slot
// cards share least, keeping the majority suit together for flushes.
int heuristicChoice(const Form1& form);

} // namespace nablo

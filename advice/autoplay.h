#pragma once

#include "advice/headless.h"
#include "advice/strategy.h"

#include <functional>

namespace nablo {

class Advisor;
class Form1;

struct Stake {
    int units = 1;          // 1..10
    bool allAtOnce = false; // "BETx10" instead of unit by unit (always ten units)
};

// Places the stake and plays one game to its end-of-game box with a strategy, through the same
// clicks a player makes. The platform must be the form's; the credits must cover the stake.
// afterClick, when given, runs after every click of the game.
GameOutcome playGame(Form1& form, HeadlessPlatform& platform, Stake stake,
                     const StrategyInfo& strategy, const Advisor* advisor = nullptr,
                     const std::function<void(Form1&)>& afterClick = {});

} // namespace nablo

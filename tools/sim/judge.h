#pragma once

#include "advice/autoplay.h"
#include "advice/trainer.h"

namespace nablo::sim {

// Judges every placement a strategy makes against the advisor's best, as the trainer would.
// It runs after each click and asks the strategy, with a copy of the platform's generator,
// which slot it is about to place, so the games it watches go on exactly as unwatched ones.
class PlacementJudge {
public:
    PlacementJudge(const StrategyInfo& strategy, const Advisor* advisor,
                   const HeadlessPlatform& platform)
        : strategy_(strategy), advisor_(advisor), platform_(platform)
    {
    }

    void afterClick(const Form1& form);

    long long judged = 0;
    long long matched = 0;
    // Summed in whole millionths, so that a run's total does not depend on the order its games
    // are added up in.
    long long givenUpMicro = 0;

private:
    const StrategyInfo& strategy_;
    const Advisor* advisor_;
    const HeadlessPlatform& platform_;
    Trainer trainer_{400};
};

} // namespace nablo::sim

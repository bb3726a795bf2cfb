#include "judge.h"

#include <cmath>

namespace nablo::sim {

void PlacementJudge::afterClick(const Form1& form)
{
    Xoshiro128 generator = platform_.generator;
    const int slot = playableSlots(form).empty() ? 0 : strategy_.choose(form, generator, advisor_);
    if (slot == 0)
        return;
    const Judgement judgement = trainer_.judge(form, slot);
    ++judged;
    matched += judgement.slot == judgement.best;
    givenUpMicro += std::llround(judgement.cost * 1e6);
}

} // namespace nablo::sim

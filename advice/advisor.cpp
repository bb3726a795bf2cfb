#include "advice/advisor.h"

#include "advice/estimate.h"
#include "game/state.h"

#include <limits>

namespace nablo {

Advisor::Pays Advisor::continuations(const Form1& form, std::uint64_t seed) const
{
    return TableEstimate(form, rollouts_, policy_, seed).run().pays();
}

Advisor::Advice Advisor::advise(const Form1& form, std::uint64_t seed) const
{
    const std::vector<int> slots = playableSlots(form);
    if (slots.size() > 1)
        return adviceOf(assess(continuations(form, seed))); // the highest figure
    Advisor::Advice advice;
    advice.expected.fill(std::numeric_limits<double>::quiet_NaN());
    advice.slot = slots.empty() ? 0 : slots.front();
    return advice;
}

Advisor::Advice adviseOn(const Form1& form) { return TableEstimate(form).run().advice(); }

} // namespace nablo

#include "app/advicetext.h"

#include "game/state.h"
#include "table/form.h"
#include "table/numbers.h"

#include <QCoreApplication>

#include <cmath>

namespace nablo {

std::uint64_t adviceSeed(const Form1& form)
{
    const double placed = readNumber(*form.find("TEN"));
    auto seed = static_cast<std::uint64_t>(std::llround(placed));
    for (int k = 1; k <= 5; ++k)
        seed = seed * 53 + static_cast<std::uint64_t>(form.HAND[k]);
    return seed;
}

Advisor::Advice adviseOn(const Form1& form)
{
    return Advisor(adviceRollouts).advise(form, adviceSeed(form));
}

QString adviceSummary(const Form1& form, const Advisor::Advice& advice)
{
    const std::vector<int> playable = playableSlots(form);
    if (playable.empty() || advice.slot == 0)
        return {};
    if (playable.size() == 1)
        return QCoreApplication::translate("AdviceText", "advice: only slot %1 can be placed")
            .arg(playable.front());
    return QCoreApplication::translate("AdviceText", "advice: slot %1").arg(advice.slot);
}

} // namespace nablo

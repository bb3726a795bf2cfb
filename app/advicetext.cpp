#include "app/advicetext.h"

#include "game/state.h"
#include "table/form.h"
#include "table/numbers.h"

#include <QCoreApplication>

#include <cmath>

namespace nablo {

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

#include "training.h"

#include "game/betting.h"
#include "game/state.h"
#include "json.h"
#include "table/form.h"

#include <algorithm>
#include <ostream>
#include <string>

namespace nablo::console {

namespace {

// The slot a click on this control would place, 0 when it places nothing.
int placedSlot(const Form1& form, std::string_view control)
{
    if (control.size() != 5 || control.substr(0, 4) != "CARD" || control[4] < '1'
        || control[4] > '5')
        return 0;
    const int slot = control[4] - '0';
    const std::vector<int> playable = playableSlots(form);
    if (!isInPlay(form) || !form.CARD(slot).enabled()
        || std::find(playable.begin(), playable.end(), slot) == playable.end())
        return 0;
    return slot;
}

template <typename Counts>
std::string rows(const Counts& counts, std::size_t first, std::size_t last)
{
    std::string text = "{";
    for (std::size_t row = first; row <= last; ++row)
        text += (row > first ? ",\"" : "\"") + std::to_string(row)
                + "\":" + std::to_string(counts[row]);
    return text + "}";
}

} // namespace

void Training::advise(const Form1& form) const
{
    const Assessment assessment = trainer_.assess(form);
    out_ << "{\"advice\":{\"best\":" << assessment.best << ",\"slots\":[";
    bool first = true;
    for (const SlotEstimate& estimate : assessment.estimates) {
        out_ << (first ? "" : ",") << "{\"slot\":" << estimate.slot
             << ",\"expected\":" << number(estimate.expected) << ",\"low\":" << number(estimate.low)
             << ",\"high\":" << number(estimate.high) << "}";
        first = false;
    }
    out_ << "]}}\n";
}

void Training::beforeClick(const Form1& form, std::string_view control)
{
    if (!trainerOn_)
        return;
    const int slot = placedSlot(form, control);
    if (slot == 0)
        return;
    const Judgement judgement = trainer_.judge(form, slot);
    statistics_.addJudgement(judgement);
    out_ << "{\"judgement\":{\"slot\":" << judgement.slot << ",\"best\":" << judgement.best
         << ",\"cost\":" << number(judgement.cost)
         << ",\"flagged\":" << (judgement.flagged ? "true" : "false") << "}}\n";
}

void Training::gameEnded(const Form1& form, const GameOutcome& outcome)
{
    statistics_.addGame(outcome, stakeOf(form), creditsOf(form));
}

void Training::stats() const
{
    const RunStatistics& s = statistics_;
    out_ << "{\"stats\":{\"games\":" << s.games() << ",\"staked\":" << number(s.staked())
         << ",\"paid\":" << number(s.paid()) << ",\"return\":" << number(s.playerReturn())
         << ",\"best\":" << number(s.bestPay()) << ",\"tiers\":" << rows(s.tierGames(), 1, 7)
         << ",\"hits\":" << rows(s.hits(), 1, 5) << ",\"judged\":" << s.judged()
         << ",\"matched\":" << s.matched() << ",\"given_up\":" << number(s.givenUp()) << "}}\n";
}

} // namespace nablo::console

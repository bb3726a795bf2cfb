#include "game/state.h"

#include "table/form.h"
#include "table/numbers.h"

namespace nablo {

bool isInPlay(const Form1& form)
{
    const bool betting =
        form.BET().enabled() || form.RepertBet().enabled() || form.START().enabled();
    return !betting && form.CARD(1).enabled();
}

std::vector<int> playableSlots(const Form1& form)
{
    std::vector<int> slots;
    for (int k = 1; k <= 5; ++k)
        if (form.CANPLAY[k] == -1 && form.HAND[k] != 0)
            slots.push_back(k);
    return slots;
}

GameOutcome gameOutcome(const Form1& form, GameEnding ending)
{
    GameOutcome outcome;
    outcome.pay = form.PAY;
    outcome.cardsPlaced = static_cast<int>(readNumber(form.TEN()));
    for (int k = 1; k <= 5; ++k)
        outcome.hits[static_cast<std::size_t>(k - 1)] = static_cast<int>(readNumber(form.HIT(k)));
    outcome.ending = ending;
    return outcome;
}

} // namespace nablo

#include "advice/autoplay.h"

#include "game/events.h"
#include "game/place.h"
#include "table/errors.h"
#include "table/form.h"

namespace nablo {

GameOutcome playGame(Form1& form, HeadlessPlatform& platform, Stake stake,
                     const StrategyInfo& strategy, const Advisor* advisor,
                     const std::function<void(Form1&)>& afterClick)
{
    const auto press = [&](std::string_view name) {
        click(form, name);
        if (afterClick)
            afterClick(form);
    };
    if (stake.allAtOnce) {
        press("RepertBet");
    } else {
        for (int unit = 0; unit < stake.units; ++unit)
            press("BET");
        press("START"); // ignored after the tenth unit, which has started the game
    }
    const int ended = platform.gamesEnded;
    while (platform.gamesEnded == ended) {
        const int slot = strategy.choose(form, platform.generator, advisor);
        if (slot == 0)
            throw RunTimeError("Internal error: a game in play has no playable slot");
        Card_Click(form, static_cast<std::int16_t>(slot), form.CARD(slot));
        if (afterClick)
            afterClick(form);
    }
    return platform.lastOutcome;
}

} // namespace nablo

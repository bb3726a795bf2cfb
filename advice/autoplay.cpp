#include "advice/autoplay.h"

#include "advice/advisor.h"
#include "game/events.h"
#include "game/place.h"
#include "table/errors.h"
#include "table/form.h"

namespace nablo {

int chooseSlot(const Form1& form, Strategy strategy, Xoshiro128& random, const Advisor* advisor)
{
    switch (strategy) {
    case Strategy::First:
        return firstPlayable(form);
    case Strategy::Random: {
        const std::vector<int> slots = playableSlots(form);
        return slots.empty() ? 0 : slots[random.next() % slots.size()];
    }
    case Strategy::Heuristic:
        return heuristicChoice(form);
    case Strategy::Advisor:
        break;
    }
    if (!advisor)
        return heuristicChoice(form);
    return advisor->advise(form, (std::uint64_t(random.next()) << 32) | random.next()).slot;
}

GameOutcome playGame(Form1& form, HeadlessPlatform& platform, Stake stake, Strategy strategy,
                     const Advisor* advisor, const std::function<void(Form1&)>& afterClick)
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
        const int slot = chooseSlot(form, strategy, platform.generator, advisor);
        if (slot == 0)
            throw RunTimeError("Internal error: a game in play has no playable slot");
        Card_Click(form, static_cast<std::int16_t>(slot), form.CARD(slot));
        if (afterClick)
            afterClick(form);
    }
    return platform.lastOutcome;
}

} // namespace nablo

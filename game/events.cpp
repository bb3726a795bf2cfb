#include "game/events.h"

#include "game/betting.h"
#include "game/place.h"
#include "game/start.h"
#include "table/form.h"

#include <array>
#include <utility>

namespace nablo {

ClickHandler clickHandler(std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, ClickHandler>, 8> handlers{{
        {"BET", BET_Click},
        {"RepertBet", RepertBet_Click},
        {"START", START_Click},
        {"CARD1", CARD1_Click},
        {"CARD2", CARD2_Click},
        {"CARD3", CARD3_Click},
        {"CARD4", CARD4_Click},
        {"CARD5", CARD5_Click},
    }};
    for (const auto& [control, handler] : handlers) {
        if (control == name)
            return handler;
    }
    return nullptr;
}

bool click(Form1& form, std::string_view name)
{
    const ClickHandler handler = clickHandler(name);
    const Control* control = form.find(name);
    if (!handler || !control || !control->enabled())
        return false;
    handler(form);
    return true;
}

} // namespace nablo

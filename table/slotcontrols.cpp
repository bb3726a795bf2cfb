#include "table/slotcontrols.h"

#include "table/form.h"

namespace nablo {

std::string_view slotControl(int slot)
{
    return slot >= 1 && slot <= 5 ? slotControls[static_cast<std::size_t>(slot - 1)]
                                  : std::string_view();
}

int slotOfControl(std::string_view name)
{
    for (std::size_t i = 0; i < slotControls.size(); ++i) {
        if (slotControls[i] == name)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

std::string_view roleControl(ButtonRole role, int slot)
{
    switch (role) {
    case ButtonRole::Bet: return "BET";
    case ButtonRole::BetTen: return "RepertBet";
    case ButtonRole::Start: return "START";
    case ButtonRole::Slot: break;
    }
    return slotControl(slot);
}

const Control& roleButton(const Form1& form, ButtonRole role, int slot)
{
    switch (role) {
    case ButtonRole::Bet: return form.BET();
    case ButtonRole::BetTen: return form.RepertBet();
    case ButtonRole::Start: return form.START();
    case ButtonRole::Slot: break;
    }
    return form.CARD(slot);
}

} // namespace nablo

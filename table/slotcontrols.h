#pragma once

#include <array>
#include <string_view>

namespace nablo {

class Control;
class Form1;

// The buttons a key or the demo presses, by what they do: a card slot (with its number), BET,
// BETx10 and START.
enum class ButtonRole { Slot, Bet, BetTen, Start };

// The control names of the card slots 1..5, the one place they are spelled out.
inline constexpr std::array<std::string_view, 5> slotControls{"CARD1", "CARD2", "CARD3", "CARD4",
                                                              "CARD5"};

// The control of slot 1..5; empty for any other number.
std::string_view slotControl(int slot);
// The slot 1..5 of a card slot's control name, 0 for any other control.
int slotOfControl(std::string_view name);

// The control a button of that role is; slot counts for ButtonRole::Slot only.
std::string_view roleControl(ButtonRole role, int slot = 0);
const Control& roleButton(const Form1& form, ButtonRole role, int slot = 0);

} // namespace nablo

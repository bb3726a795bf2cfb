#pragma once

#include <cstdint>
#include <string_view>

namespace nablo {

class Form1;

// Colours the card board label of a card code: "KI" yellow (in a slot), "AO" blue (on the
// pile, vanishing into the strip), any other word white (not yet dealt). Codes outside 1..52
// change nothing.
void Color_Change(Form1& form, std::int16_t code, std::string_view word);

// Where the card board shows a card: not yet dealt in this pass, in a slot, or on the pile.
enum class BoardMark { Undealt, InSlot, OnPile };

// The mark of a code 1..52 as Color_Change last left it.
BoardMark boardMark(const Form1& form, int code);

} // namespace nablo

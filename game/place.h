#pragma once

#include <cstdint>

namespace nablo {

class Control;
class Form1;

// The player's move: places the card of a playable slot on the pile, refills the slot and
// runs the checks that follow. A click on a blocked slot is ignored.
void Card_Click(Form1& form, std::int16_t slot, Control& button);

void CARD1_Click(Form1& form);
void CARD2_Click(Form1& form);
void CARD3_Click(Form1& form);
void CARD4_Click(Form1& form);
void CARD5_Click(Form1& form);

} // namespace nablo

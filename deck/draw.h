#pragma once

namespace nablo {

class Control;
class Form1;

// Refills the card slot of a slot button (CARD1..CARD5, told apart by their tab indices 45..49)
// with a random card not yet drawn in this pass, or empties it from the 48th placement of a
// pass on, when the deck is used up.
void CardChange(Form1& form, Control& button);

} // namespace nablo

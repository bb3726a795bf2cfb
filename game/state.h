#pragma once

#include "table/platform.h"

#include <vector>

namespace nablo {

class Form1;

// Whether a game is dealt and waits for a slot click: the betting buttons are off and the
// slots take clicks.
bool isInPlay(const Form1& form);

// The slots 1..5 whose card a click would place now, in slot order.
std::vector<int> playableSlots(const Form1& form);

// The outcome of the game on the table, read when it has just been paid.
GameOutcome gameOutcome(const Form1& form, GameEnding ending);

} // namespace nablo

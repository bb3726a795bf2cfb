#pragma once

namespace nablo {

class Form1;

// Marks which slot cards may go on the pile next. When none may, the game is over: it is paid,
// and the player goes on to the next game or the program ends.
void L_CHECK(Form1& form);

// Whether the mark under slot k (1..5) shows that its card may go on the pile, as L_CHECK last
// left it.
bool isSlotMarked(const Form1& form, int k);

} // namespace nablo

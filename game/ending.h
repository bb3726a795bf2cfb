#pragma once

namespace nablo {

class Form1;

// Marks which slot cards may go on the pile next. When none may, the game is over: it is paid,
// and the player goes on to the next game or the program ends.
void L_CHECK(Form1& form);

} // namespace nablo

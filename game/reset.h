#pragma once

namespace nablo {

class Form1;

// The window's load event: resets the table before the window is first shown.
void Form_Load(Form1& form);

// Puts the table into the betting state. Running it twice has the effect of running it once;
// COINS carries over.
void INITGAME(Form1& form);

} // namespace nablo

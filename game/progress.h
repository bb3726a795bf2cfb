#pragma once

#include <cstdint>

namespace nablo {

class Form1;

// Reacts to the count of placed cards after a placement: lights the tier reached, begins the
// second pass at the 52nd card of the first, and ends the game at the 104th card. Returns 1
// when it began the second pass or ended the game, else 0.
std::int16_t S_CHECK(Form1& form);

} // namespace nablo

#pragma once

#include "table/platform.h"

#include <string>

namespace nablo {

// What a box at the end of a game or of the credits asks, in the player's language, for a player
// who does not read the box's Japanese: "No card can be placed. 5 credits paid. Play on?". Said
// from the box's kind and pay, as its text is. Empty for the program's own boxes, and when the
// player's language is Japanese.
std::string boxTranslation(const MessageBox& box);

} // namespace nablo

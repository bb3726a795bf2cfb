#pragma once

namespace nablo {

class Form1;

// Stakes one bet unit; the tenth unit starts the game.
void BET_Click(Form1& form);

// "BETx10": tops the stake up to ten units, charging only the missing ones, and starts the
// game; does nothing when the credits do not cover the missing units.
void RepertBet_Click(Form1& form);

} // namespace nablo

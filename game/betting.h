#pragma once

namespace nablo {

class Form1;

// Stakes one bet unit; the tenth unit starts the game.
void BET_Click(Form1& form);

// "BETx10": tops the stake up to ten units, charging only the missing ones, and starts the
// game; does nothing when the credits do not cover the missing units.
void RepertBet_Click(Form1& form);

// The credits staked on the game on the table: the pay tables hold the stake, one unit for
// every tierIncrement[0] of CPAY1.
double stakeOf(const Form1& form);

// The credits the player holds.
double creditsOf(const Form1& form);

} // namespace nablo

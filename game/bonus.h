#pragma once

namespace nablo {

class Form1;

// Judges the five slot cards as a poker hand: lights the row of a royal flush, straight flush,
// four of a kind, full house or flush and counts the hit; every other row gets its normal look.
// Keeps nothing between calls, so a hand still in the slots at the next call scores again.
void B_CHECK(Form1& form);

} // namespace nablo

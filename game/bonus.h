#pragma once

#include <array>
#include <cstdint>

namespace nablo {

class Form1;

// The poker hand five card codes make, in the order of the bonus rows 1..5.
enum class HandClass { None, RoyalFlush, StraightFlush, FourOfAKind, FullHouse, Flush };

// The bonus row (BPAY, HIT) of a hand class, 1..5; 0 for None.
constexpr int bonusRow(HandClass hand) { return static_cast<int>(hand); }

// Judges five codes as the slots hold them. Codes that no deal gives (empty slots, one card
// twice) may fit more than one class; the first in row order is taken.
HandClass classifyHand(const std::array<std::int16_t, 5>& codes);

// Lights the bonus row of the slot cards' hand and counts the hit; every other row gets its
// normal look. Keeps nothing between calls, so a hand still in the slots at the next call
// scores again.
void B_CHECK(Form1& form);

} // namespace nablo

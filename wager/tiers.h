#pragma once

#include <array>

namespace nablo {

// The tiers of the card-count pay table, by CPAY row: row 1 pays all 104 cards of both passes,
// row 2 the second pass, rows 7..2 the bands of the first pass. This is the one table of the
// bands; the game, the payout, the simulator and the window's words all read it.
struct TierBand {
    int row;
    int firstCard; // cards placed in the first pass that enter the row
    int lastCard;  // the last count the row's label names; row 2 also pays the counts after it
};

inline constexpr std::array<TierBand, 6> firstPassBands{{
    {7, 10, 13},
    {6, 14, 17},
    {5, 18, 21},
    {4, 22, 24},
    {3, 25, 26},
    {2, 27, 28},
}};

inline constexpr int cardsPerPass = 52;

// The row of the first-pass band whose label names this count, 0 for none.
int bandRow(int played);

// The row a game pays with `played` cards placed in the current pass, 0 for none.
int tierRow(int played, bool secondPass);

// The row newly entered at exactly this count of the first pass, 0 when none begins there.
int tierEntered(int played);

} // namespace nablo

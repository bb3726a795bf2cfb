#pragma once

#include <cstdint>
#include <string>

namespace nablo {

class Form1;

// Card codes: 1..13 diamonds, 14..26 spades, 27..39 hearts, 40..52 clubs, ace to king within
// a suit; 0 is no card.

// Rank code used for every rank comparison: ace..queen 1..12, king 0.
constexpr int rankCode(int code) { return code % 13; }

// Relative path of a card's picture, "cards\d1.jpg" .. "cards\c13.jpg".
std::string CA(std::int16_t code);

// -1 when card x may go on the pile card TOPCARD (same suit or same rank), else 0. An empty
// slot (0) never matches, not even when a king is on the pile.
std::int16_t D_CHECK(const Form1& form, std::int16_t x);

} // namespace nablo

#pragma once

#include <cstdint>
#include <string>

namespace nablo {

class Form1;

// Card codes: 1..13 diamonds, 14..26 spades, 27..39 hearts, 40..52 clubs, ace to king within
// a suit; 0 is no card.

inline constexpr int cardsPerSuit = 13;

// Rank code used for every rank comparison: ace..queen 1..12, king 0.
constexpr int rankCode(int code) { return code % cardsPerSuit; }

// Suit of a card code 1..52: 0 diamonds, 1 spades, 2 hearts, 3 clubs.
constexpr int suitOf(int code) { return (code - 1) / cardsPerSuit; }

constexpr bool isCardCode(int code) { return code >= 1 && code <= 52; }

// Whether card may go on pile: the same suit or the same rank. An empty slot (0) never matches;
// a king matches an empty pile (0), whose rank code is a king's.
constexpr bool matches(int card, int pile)
{
    const bool sameSuit = isCardCode(card) && isCardCode(pile) && suitOf(card) == suitOf(pile);
    return card != 0 && (sameSuit || rankCode(card) == rankCode(pile));
}

// Relative path of a card's picture, "cards\d1.jpg" .. "cards\c13.jpg".
std::string CA(std::int16_t code);

// -1 when card x matches the pile card TOPCARD, else 0.
std::int16_t D_CHECK(const Form1& form, std::int16_t x);

} // namespace nablo

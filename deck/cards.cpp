#include "deck/cards.h"

#include "table/form.h"

#include <algorithm>

namespace nablo {

std::string CA(std::int16_t code)
{
    // Codes outside the deck keep the letter of the nearest suit.
    const int suit = std::clamp(suitOf(code), 0, 3);
    const int rank = code - cardsPerSuit * suit;
    return std::string("cards\\") + "dshc"[suit] + std::to_string(rank) + ".jpg";
}

std::int16_t D_CHECK(const Form1& form, std::int16_t x)
{
    return matches(x, form.TOPCARD) ? -1 : 0;
}

} // namespace nablo

#include "deck/cards.h"

#include "table/form.h"

#include <algorithm>
#include <array>

namespace nablo {

namespace {

std::string pictureName(int code)
{
    // Codes outside the deck keep the letter of the nearest suit.
    const int suit = std::clamp(suitOf(code), 0, 3);
    const int rank = code - cardsPerSuit * suit;
    return std::string("cards\\") + "dshc"[suit] + std::to_string(rank) + ".jpg";
}

} // namespace

std::string CA(std::int16_t code)
{
    // The deck's names, spelt once: a draw copies a short string instead of building one.
    static const std::array<std::string, 53> deck = [] {
        std::array<std::string, 53> names;
        for (int c = 1; c <= 52; ++c)
            names[static_cast<std::size_t>(c)] = pictureName(c);
        return names;
    }();
    return isCardCode(code) ? deck[static_cast<std::size_t>(code)] : pictureName(code);
}

std::int16_t D_CHECK(const Form1& form, std::int16_t x)
{
    return matches(x, form.TOPCARD) ? -1 : 0;
}

} // namespace nablo

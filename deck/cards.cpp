#include "deck/cards.h"

#include "table/form.h"

namespace nablo {

namespace {
constexpr bool within(int x, int low, int high) { return x >= low && x <= high; }
} // namespace

std::string CA(std::int16_t code)
{
    char letter = 'c';
    int rank = code - 39;
    if (code <= 13) {
        letter = 'd';
        rank = code;
    } else if (code <= 26) {
        letter = 's';
        rank = code - 13;
    } else if (code <= 39) {
        letter = 'h';
        rank = code - 26;
    }
    return std::string("cards\\") + letter + std::to_string(rank) + ".jpg";
}

std::int16_t D_CHECK(const Form1& form, std::int16_t x)
{
    const int p = form.TOPCARD;
    const bool rank = x != 0 && rankCode(x) == rankCode(p);
    const bool diamonds = within(x, 1, 13) && within(p, 1, 13);
    const bool spades = within(x, 14, 26) && within(p, 14, 26);
    const bool hearts = within(x, 27, 39) && within(p, 27, 39);
    const bool clubs = within(x, 40, 52) && within(p, 40, 52);
    return (rank || diamonds || spades || hearts || clubs) ? -1 : 0;
}

} // namespace nablo

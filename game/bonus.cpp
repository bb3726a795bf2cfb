#include "game/bonus.h"

#include "deck/cards.h"
#include "table/form.h"
#include "table/numbers.h"

#include <algorithm>
#include <array>
#include <functional>

namespace nablo {

namespace {

enum Hand { RoyalFlush = 1, StraightFlush, FourOfAKind, FullHouse, Flush };

struct FullHouseTest {
    int triple[3];
    int pair[2];
};

// Every way of choosing the three slots of the triple among the five.
constexpr std::array<FullHouseTest, 10> fullHouseTests{{
    {{1, 2, 3}, {4, 5}},
    {{1, 2, 4}, {3, 5}},
    {{1, 2, 5}, {3, 4}},
    {{1, 3, 4}, {2, 5}},
    {{1, 3, 5}, {2, 4}},
    {{1, 4, 5}, {2, 3}},
    {{2, 3, 4}, {1, 5}},
    {{2, 3, 5}, {1, 4}},
    {{2, 4, 5}, {1, 3}},
    {{3, 4, 5}, {1, 2}},
}};

} // namespace

void B_CHECK(Form1& form)
{
    const auto& hand = form.HAND;
    std::array<bool, 6> flag{};
    int c4 = 0;
    int c5 = 0;

    std::array<std::int16_t, 5> sorted{hand[1], hand[2], hand[3], hand[4], hand[5]};
    std::sort(sorted.begin(), sorted.end(), std::greater<>());

    for (int s = 1; s <= 4; ++s) {
        const int low = 13 * (s - 1) + 1;
        const int high = 13 * s;
        int slot = 1;
        while (slot <= 5 && hand[slot] >= low && hand[slot] <= high)
            ++slot;
        if (slot <= 5)
            continue;
        if (sorted[3] - sorted[4] == 9)
            flag[RoyalFlush] = true;
        else if (sorted[0] - sorted[4] == 4)
            flag[StraightFlush] = true;
        else
            flag[Flush] = true;
    }

    const auto rank = [&hand](int slot) { return rankCode(hand[slot]); };
    for (int i = 1; i <= 3; ++i) {
        if (rank(i) == rank(4))
            ++c4;
        if (rank(i) == rank(5))
            ++c5;
    }
    if (c4 == 3 || c5 == 3 || (c4 == 2 && c5 == 2))
        flag[FourOfAKind] = true;

    for (const FullHouseTest& test : fullHouseTests) {
        const auto [a, b, c] = test.triple;
        const auto [d, e] = test.pair;
        if (rank(a) == rank(b) && rank(b) == rank(c) && rank(d) == rank(e))
            flag[FullHouse] = true;
    }

    if (std::find(flag.begin() + 1, flag.end(), true) != flag.end())
        form.platform().playSound("wav\\bonus2.wav");

    for (int k = RoyalFlush; k <= Flush; ++k) {
        Control& name = form.bonusLabel(k);
        Control& amount = form.BPAY(k);
        if (flag[k]) {
            name.setBackColor(colour::red);
            name.setForeColor(colour::yellow);
            amount.setBackColor(colour::white);
            amount.setForeColor(colour::red);
            writeNumber(form.HIT(k), readNumber(form.HIT(k)) + 1);
        } else {
            name.setBackColor(colour::blue);
            name.setForeColor(colour::white);
            amount.setBackColor(colour::red);
            amount.setForeColor(colour::white);
        }
    }
}

} // namespace nablo

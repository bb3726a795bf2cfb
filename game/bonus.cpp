#include "game/bonus.h"

#include "deck/cards.h"
#include "game/rows.h"
#include "table/form.h"
#include "table/numbers.h"

#include <algorithm>
#include <functional>

namespace nablo {

namespace {

struct FullHouseTest {
    int triple[3];
    int pair[2];
};

// Every way of choosing the three cards of the triple among the five.
constexpr std::array<FullHouseTest, 10> fullHouseTests{{
    {{0, 1, 2}, {3, 4}},
    {{0, 1, 3}, {2, 4}},
    {{0, 1, 4}, {2, 3}},
    {{0, 2, 3}, {1, 4}},
    {{0, 2, 4}, {1, 3}},
    {{0, 3, 4}, {1, 2}},
    {{1, 2, 3}, {0, 4}},
    {{1, 2, 4}, {0, 3}},
    {{1, 3, 4}, {0, 2}},
    {{2, 3, 4}, {0, 1}},
}};

// Royal flush, straight flush or flush when the five cards share a suit, else None. Straights
// are told by the codes: ten to ace has the ace nine below the ten, a run spans four codes.
HandClass flushClass(const std::array<std::int16_t, 5>& codes)
{
    const auto sameSuit = [&](std::int16_t c) {
        return isCardCode(c) && isCardCode(codes[0]) && suitOf(c) == suitOf(codes[0]);
    };
    if (!std::all_of(codes.begin(), codes.end(), sameSuit))
        return HandClass::None;
    std::array<std::int16_t, 5> sorted = codes;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    if (sorted[3] - sorted[4] == 9)
        return HandClass::RoyalFlush;
    if (sorted[0] - sorted[4] == 4)
        return HandClass::StraightFlush;
    return HandClass::Flush;
}

bool isFourOfAKind(const std::array<int, 5>& rank)
{
    int c4 = 0;
    int c5 = 0;
    for (int i = 0; i < 3; ++i) {
        c4 += rank[i] == rank[3];
        c5 += rank[i] == rank[4];
    }
    return c4 == 3 || c5 == 3 || (c4 == 2 && c5 == 2);
}

bool isFullHouse(const std::array<int, 5>& rank)
{
    return std::any_of(fullHouseTests.begin(), fullHouseTests.end(), [&](const FullHouseTest& t) {
        const auto [a, b, c] = t.triple;
        const auto [d, e] = t.pair;
        return rank[a] == rank[b] && rank[b] == rank[c] && rank[d] == rank[e];
    });
}

} // namespace

HandClass classifyHand(const std::array<std::int16_t, 5>& codes)
{
    const HandClass flush = flushClass(codes);
    if (flush == HandClass::RoyalFlush || flush == HandClass::StraightFlush)
        return flush;
    std::array<int, 5> rank{};
    std::transform(codes.begin(), codes.end(), rank.begin(), [](int c) { return rankCode(c); });
    if (isFourOfAKind(rank))
        return HandClass::FourOfAKind;
    if (isFullHouse(rank))
        return HandClass::FullHouse;
    return flush;
}

void B_CHECK(Form1& form)
{
    const auto& hand = form.HAND;
    const HandClass hit = classifyHand({hand[1], hand[2], hand[3], hand[4], hand[5]});
    if (hit != HandClass::None)
        form.platform().playSound("wav\\bonus2.wav");

    for (int k = 1; k <= 5; ++k) {
        Control& name = form.bonusLabel(k);
        if (k == bonusRow(hit)) {
            showRowLit(name, form.BPAY(k));
            name.setForeColor(colour::yellow);
            writeNumber(form.HIT(k), readNumber(form.HIT(k)) + 1);
        } else {
            showRowNormal(name, form.BPAY(k));
            name.setForeColor(colour::white);
        }
    }
}

} // namespace nablo

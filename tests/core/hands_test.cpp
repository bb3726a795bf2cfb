#include "game/bonus.h"
#include "table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <numeric>

namespace nablo {
namespace {

using testing::Table;
using Hand = std::array<std::int16_t, 5>;

// The row lit by the last call, 0 for none; fails when more than one is lit.
int litRow(Form1& form)
{
    int lit = 0;
    for (int k = 1; k <= 5; ++k) {
        if (form.bonusLabel(k).backColor() == colour::red) {
            EXPECT_EQ(lit, 0) << "two rows lit";
            lit = k;
        }
    }
    return lit;
}

int rowOf(const Hand& hand) { return bonusRow(classifyHand(hand)); }

// Paints the hand's row on the table; returns the row lit.
int judge(Table& t, const Hand& hand)
{
    for (int k = 0; k < 5; ++k)
        t.form.HAND[k + 1] = hand[k];
    B_CHECK(t.form);
    return litRow(t.form);
}

TEST(BonusHands, EveryHandOfTheDeckIsClassifiedWithTheKnownCounts)
{
    std::array<long long, 6> count{};
    long long hands = 0;
    const auto start = std::chrono::steady_clock::now();
    Hand h{};
    for (h[0] = 1; h[0] <= 48; ++h[0])
        for (h[1] = static_cast<std::int16_t>(h[0] + 1); h[1] <= 49; ++h[1])
            for (h[2] = static_cast<std::int16_t>(h[1] + 1); h[2] <= 50; ++h[2])
                for (h[3] = static_cast<std::int16_t>(h[2] + 1); h[3] <= 51; ++h[3])
                    for (h[4] = static_cast<std::int16_t>(h[3] + 1); h[4] <= 52; ++h[4]) {
                        ++count[static_cast<std::size_t>(rowOf(h))];
                        ++hands;
                    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("classified %lld hands in %.2f s\n", hands, seconds);

    EXPECT_EQ(hands, 2598960);
    EXPECT_EQ(count[1], 4);    // royal flush
    EXPECT_EQ(count[2], 36);   // straight flush
    EXPECT_EQ(count[3], 624);  // four of a kind
    EXPECT_EQ(count[4], 3744); // full house
    EXPECT_EQ(count[5], 5108); // flush
}

TEST(BonusHands, TheVerdictDoesNotDependOnSlotOrder)
{
    Xoshiro128 random(42);
    std::vector<Hand> sample{{10, 1, 13, 11, 12}, {27, 28, 29, 30, 31}, {48, 49, 50, 51, 52},
                             {13, 26, 39, 52, 7}, {1, 14, 27, 5, 18},   {24, 25, 26, 14, 15},
                             {2, 9, 11, 12, 13},  {1, 2, 3, 4, 18}};
    while (sample.size() < 300) {
        Hand h{};
        for (std::size_t i = 0; i < 5;) {
            const auto code = static_cast<std::int16_t>(random.next() % 52 + 1);
            if (std::find(h.begin(), h.begin() + static_cast<long>(i), code)
                == h.begin() + static_cast<long>(i))
                h[i++] = code;
        }
        sample.push_back(h);
    }
    for (Hand h : sample) {
        std::sort(h.begin(), h.end());
        const int expected = rowOf(h);
        do {
            ASSERT_EQ(rowOf(h), expected)
                << h[0] << ' ' << h[1] << ' ' << h[2] << ' ' << h[3] << ' ' << h[4];
        } while (std::next_permutation(h.begin(), h.end()));
    }
}

struct HandCase {
    const char* name;
    Hand hand;
    int row;
};

void PrintTo(const HandCase& c, std::ostream* os) { *os << c.name; }

class NamedHands : public ::testing::TestWithParam<HandCase> {};

TEST_P(NamedHands, AreClassified) { EXPECT_EQ(rowOf(GetParam().hand), GetParam().row); }

INSTANTIATE_TEST_SUITE_P(
    BonusHands, NamedHands,
    ::testing::Values(HandCase{"royal_flush_of_diamonds", {10, 1, 13, 11, 12}, 1},
                      HandCase{"ace_to_five_of_hearts", {29, 27, 31, 28, 30}, 2},
                      HandCase{"nine_to_king_of_clubs", {48, 49, 50, 51, 52}, 2},
                      HandCase{"no_wrap_around_the_ace", {24, 25, 26, 14, 15}, 5},
                      HandCase{"flush_with_a_gap", {2, 9, 11, 12, 13}, 5},
                      HandCase{"four_kings_odd_card_first", {7, 13, 26, 39, 52}, 3},
                      HandCase{"four_kings_odd_card_in_slot_4", {13, 26, 39, 7, 52}, 3},
                      HandCase{"four_kings_odd_card_last", {13, 26, 39, 52, 7}, 3},
                      HandCase{"aces_full_pair_in_slots_1_and_5", {5, 1, 14, 27, 18}, 4},
                      HandCase{"three_of_a_kind", {1, 14, 27, 5, 19}, 0},
                      HandCase{"two_pairs", {1, 14, 5, 18, 9}, 0},
                      HandCase{"straight_of_mixed_suits", {1, 15, 29, 43, 5}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BonusHands, ALitRowShowsRedAndYellowAndTheOthersTheirNormalLook)
{
    Table t;
    judge(t, {10, 1, 13, 11, 12});
    EXPECT_EQ(t.platform.sounds, std::vector<std::string>{"wav\\bonus2.wav"});
    EXPECT_EQ(t.form.bonusLabel(1).foreColor(), colour::yellow);
    EXPECT_EQ(t.form.BPAY(1).backColor(), colour::white);
    EXPECT_EQ(t.form.BPAY(1).foreColor(), colour::red);
    EXPECT_EQ(t.caption("HIT1"), "1");
    for (int k = 2; k <= 5; ++k) {
        EXPECT_EQ(t.form.bonusLabel(k).backColor(), colour::blue);
        EXPECT_EQ(t.form.bonusLabel(k).foreColor(), colour::white);
        EXPECT_EQ(t.form.BPAY(k).backColor(), colour::red);
        EXPECT_EQ(t.form.BPAY(k).foreColor(), colour::white);
        EXPECT_EQ(t.form.HIT(k).caption(), "0");
    }
    // A later hand without a bonus puts the row back, keeps the count, and is silent.
    judge(t, {1, 14, 5, 18, 9});
    EXPECT_EQ(t.platform.sounds.size(), 1u);
    EXPECT_EQ(t.form.bonusLabel(1).backColor(), colour::blue);
    EXPECT_EQ(t.form.bonusLabel(1).foreColor(), colour::white);
    EXPECT_EQ(t.caption("HIT1"), "1");
}

TEST(BonusHands, AHandStillInTheSlotsScoresAgain)
{
    Table t;
    judge(t, {13, 26, 39, 52, 7});
    judge(t, {13, 26, 39, 52, 8});
    EXPECT_EQ(t.caption("HIT3"), "2");
    EXPECT_EQ(t.platform.sounds.size(), 2u);
}

} // namespace
} // namespace nablo

// Stakes: BET and "BETx10" build the pay tables from the credits, and the start of a game.

#include "game/betting.h"
#include "game/events.h"
#include "game/reset.h"
#include "game/start.h"
#include "snapshot.h"
#include "table.h"
#include "table/colour.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace nablo::testing {
namespace {

const std::string betSound = "wav\\bet.wav";
const std::string startSound = "wav\\start.wav";
const std::string bonusHandSound = "wav\\bonus2.wav";

// A table reset with these credits, the deal of the next game queued: five cards that form no
// bonus hand (2 of diamonds, 3 of spades, 4 of hearts, 5 of clubs, 7 of diamonds).
void resetWithCredits(Table& t, const char* credits)
{
    t.form.COINS().setCaption(credits);
    INITGAME(t.form);
    t.platform.clear();
    t.queueCodes({2, 16, 30, 44, 7});
}

bool started(Table& t)
{
    for (int k = 1; k <= 5; ++k)
        if (!t.form.CARD(k).enabled() || t.form.HAND[k] == 0)
            return false;
    return true;
}

// --- The betting state, click by click -------------------------------------------------------

struct StakeRow {
    const char* name;
    const char* credits; // COINS at the reset
    int betClicks;       // clicks on BET (a click on a disabled BET is ignored)
    const char* bet;     // looks afterwards
    const char* repertBet;
    const char* start;
    const char* coinsAfter;
    const char* cpay1After; // the stake shows in CPAY1: 10000 per unit
    int betSounds;          // units accepted
    bool gameStarted;
};

class StakeTable : public ::testing::TestWithParam<StakeRow> {};

TEST_P(StakeTable, ButtonsCreditsAndSoundsAfterTheClicks)
{
    const StakeRow& row = GetParam();
    Table t;
    resetWithCredits(t, row.credits);
    for (int i = 0; i < row.betClicks; ++i)
        click(t.form, "BET");

    EXPECT_EQ(look(t.form.BET()), row.bet);
    EXPECT_EQ(look(t.form.RepertBet()), row.repertBet);
    EXPECT_EQ(look(t.form.START()), row.start);
    EXPECT_EQ(t.caption("COINS"), row.coinsAfter);
    EXPECT_EQ(t.caption("CPAY1"), row.cpay1After);
    std::vector<std::string> sounds(row.betSounds, betSound);
    if (row.gameStarted)
        sounds.push_back(startSound);
    EXPECT_EQ(t.platform.sounds, sounds);
    EXPECT_EQ(started(t), row.gameStarted);
}

const char* const U = "usable";
const char* const N = "unusable";

INSTANTIATE_TEST_SUITE_P(
    Betting, StakeTable,
    ::testing::Values(
        StakeRow{"Credits100_NoStake", "100", 0, U, U, N, "100", "0", 0, false},
        StakeRow{"Credits100_OneUnitMakesStartUsable", "100", 1, U, U, U, "99", "10000", 1, false},
        StakeRow{"Credits100_NineUnits", "100", 9, U, U, U, "91", "90000", 9, false},
        StakeRow{"Credits100_TenthUnitStartsTheGame", "100", 10, N, N, N, "90", "100000", 10, true},
        StakeRow{"Credits10_NoStake", "10", 0, U, U, N, "10", "0", 0, false},
        StakeRow{"Credits10_OneUnitKeepsBetx10AsAtTheReset", "10", 1, U, U, U, "9", "10000", 1,
                 false},
        StakeRow{"Credits10_TenUnitsSpendAllAndStart", "10", 10, N, N, N, "0", "100000", 10, true},
        StakeRow{"Credits9_NoStakeBetx10Unusable", "9", 0, U, N, N, "9", "0", 0, false},
        StakeRow{"Credits9_OneUnit", "9", 1, U, N, U, "8", "10000", 1, false},
        StakeRow{"Credits9_NineUnitsGreyBetLeaveStart", "9", 9, N, N, U, "0", "90000", 9, false},
        StakeRow{"Credits9_TenthClickOnGreyBetIgnored", "9", 10, N, N, U, "0", "90000", 9, false},
        StakeRow{"Credits1_NoStake", "1", 0, U, N, N, "1", "0", 0, false},
        StakeRow{"Credits1_LastCreditGreysBetInTheSameClick", "1", 1, N, N, U, "0", "10000", 1,
                 false},
        StakeRow{"Credits0_ResetLeavesBetUsable", "0", 0, U, N, N, "0", "0", 0, false},
        StakeRow{"Credits0_BetRefusedSilentlyAndGreyed", "0", 1, N, N, N, "0", "0", 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The pay tables built by the units ---------------------------------------------------------

struct PayTableRow {
    const char* name;
    int units;
    std::array<const char*, 7> cpay;
    std::array<const char*, 5> bpay;
};

class PayTableAfterUnits : public ::testing::TestWithParam<PayTableRow> {};

TEST_P(PayTableAfterUnits, EveryAmountGrowsByItsIncrement)
{
    const PayTableRow& row = GetParam();
    Table t;
    resetWithCredits(t, "100");
    for (int i = 0; i < row.units; ++i)
        click(t.form, "BET");
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(t.form.CPAY(k).caption(), row.cpay[k - 1]) << "CPAY" << k;
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(t.form.BPAY(k).caption(), row.bpay[k - 1]) << "BPAY" << k;
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(t.form.HIT(k).caption(), "0") << "HIT" << k;
}

INSTANTIATE_TEST_SUITE_P(
    Betting, PayTableAfterUnits,
    ::testing::Values(PayTableRow{"OneUnit",
                                  1,
                                  {"10000", "30", "25", "20", "15", "10", "5"},
                                  {"500", "100", "25", "5", "5"}},
                      PayTableRow{"ThreeUnits",
                                  3,
                                  {"30000", "90", "75", "60", "45", "30", "15"},
                                  {"1500", "300", "75", "15", "15"}},
                      PayTableRow{"NineUnits",
                                  9,
                                  {"90000", "270", "225", "180", "135", "90", "45"},
                                  {"4500", "900", "225", "45", "45"}},
                      PayTableRow{"TenUnits",
                                  10,
                                  {"100000", "300", "250", "200", "150", "100", "50"},
                                  {"5000", "1000", "250", "50", "50"}}),
    [](const auto& info) { return std::string(info.param.name); });

const std::array<const char*, 7> tenUnitTiers{"100000", "300", "250", "200", "150", "100", "50"};
const std::array<const char*, 5> tenUnitBonuses{"5000", "1000", "250", "50", "50"};

TEST(Betting, BetWithTheStakeFullChangesNothing)
{
    Table t;
    resetWithCredits(t, "50");
    for (int k = 1; k <= 7; ++k)
        t.form.CPAY(k).setCaption(tenUnitTiers[k - 1]);
    for (int k = 1; k <= 5; ++k)
        t.form.BPAY(k).setCaption(tenUnitBonuses[k - 1]);
    const Snapshot before(t.form);

    BET_Click(t.form);

    EXPECT_EQ(difference(before, Snapshot(t.form)), "");
    EXPECT_TRUE(t.platform.events.empty());
}

// --- BETx10 ------------------------------------------------------------------------------------

struct TopUpRow {
    const char* name;
    const char* credits; // at the reset
    int betClicks;       // units staked before BETx10
    const char* coinsAfter;
};

class TopUp : public ::testing::TestWithParam<TopUpRow> {};

TEST_P(TopUp, ChargesTheMissingUnitsSetsTenUnitAmountsAndStarts)
{
    const TopUpRow& row = GetParam();
    Table t;
    resetWithCredits(t, row.credits);
    for (int i = 0; i < row.betClicks; ++i)
        click(t.form, "BET");
    ASSERT_EQ(look(t.form.RepertBet()), "usable");

    EXPECT_TRUE(click(t.form, "RepertBet"));

    EXPECT_EQ(t.caption("COINS"), row.coinsAfter);
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(t.form.CPAY(k).caption(), tenUnitTiers[k - 1]) << "CPAY" << k;
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(t.form.BPAY(k).caption(), tenUnitBonuses[k - 1]) << "BPAY" << k;
    // No sound of its own: only the units staked by BET, then the start of the game.
    std::vector<std::string> sounds(row.betClicks, betSound);
    sounds.push_back(startSound);
    EXPECT_EQ(t.platform.sounds, sounds);
    EXPECT_TRUE(started(t));
    EXPECT_EQ(look(t.form.BET()), "unusable");
    EXPECT_EQ(look(t.form.RepertBet()), "unusable");
    EXPECT_EQ(look(t.form.START()), "unusable");
}

INSTANTIATE_TEST_SUITE_P(Betting, TopUp,
                         ::testing::Values(TopUpRow{"NoStake100Credits", "100", 0, "90"},
                                           TopUpRow{"NoStakeExactlyTenCredits", "10", 0, "0"},
                                           TopUpRow{"ThreeUnitsStakedSevenCreditsLeft", "10", 3,
                                                    "0"},
                                           TopUpRow{"NineUnitsStakedChargesOne", "100", 9, "90"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusedTopUpRow {
    const char* name;
    const char* credits; // at the reset
    int betClicks;
    const char* creditsBefore; // COINS set just before BETx10, or nullptr to keep
};

class RefusedTopUp : public ::testing::TestWithParam<RefusedTopUpRow> {};

TEST_P(RefusedTopUp, CreditsShortOfTheMissingUnitsChangeNothingAtAll)
{
    const RefusedTopUpRow& row = GetParam();
    Table t;
    resetWithCredits(t, row.credits);
    for (int i = 0; i < row.betClicks; ++i)
        click(t.form, "BET");
    if (row.creditsBefore)
        t.form.COINS().setCaption(row.creditsBefore);
    t.platform.clear();
    const Snapshot before(t.form);
    const auto attempts = t.platform.attempts;

    RepertBet_Click(t.form);

    EXPECT_EQ(difference(before, Snapshot(t.form)), "");
    EXPECT_TRUE(t.platform.events.empty());
    EXPECT_EQ(t.platform.attempts, attempts);
}

INSTANTIATE_TEST_SUITE_P(Betting, RefusedTopUp,
                         ::testing::Values(RefusedTopUpRow{"NineCreditsNoStake", "9", 0, nullptr},
                                           RefusedTopUpRow{"SixCreditsSevenMissing", "100", 3, "6"},
                                           RefusedTopUpRow{"NoCreditsOneMissing", "9", 9, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Starting a game ---------------------------------------------------------------------------

TEST(Start, WithoutAStakeDoesNothingAtAll)
{
    Table t;
    const Snapshot before(t.form);

    START_Click(t.form);

    EXPECT_EQ(difference(before, Snapshot(t.form)), "");
    EXPECT_TRUE(t.platform.events.empty());
    EXPECT_EQ(t.platform.attempts, 0);
    // START itself cannot be clicked then.
    EXPECT_FALSE(click(t.form, "START"));
}

TEST(Start, ClosesTheStakesAndDealsFiveCardsMarkedOnTheBoard)
{
    Table t;
    click(t.form, "BET");
    t.queueCodes({5, 18, 31, 40, 12}); // three fives: no bonus hand
    ASSERT_TRUE(click(t.form, "START"));

    EXPECT_EQ(look(t.form.BET()), "unusable");
    EXPECT_EQ(look(t.form.RepertBet()), "unusable");
    EXPECT_EQ(look(t.form.START()), "unusable");

    const std::array<int, 5> dealt{5, 18, 31, 40, 12};
    const std::array<const char*, 5> pictures{"cards\\d5.jpg", "cards\\s5.jpg", "cards\\h5.jpg",
                                              "cards\\c1.jpg", "cards\\d12.jpg"};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_TRUE(t.form.CARD(k).enabled()) << "CARD" << k;
        EXPECT_EQ(t.form.HAND[k], dealt[k - 1]) << "HAND" << k;
        EXPECT_EQ(t.form.CARD(k).picture(), pictures[k - 1]) << "CARD" << k;
        EXPECT_EQ(rgb(t.form.SEL(k).foreColor()), rgb(colour::yellow)) << "SEL" << k;
        EXPECT_EQ(t.form.CANPLAY[k], -1);
    }
    const std::set<int> inSlots(dealt.begin(), dealt.end());
    int drawn = 0;
    for (int code = 1; code <= 52; ++code) {
        const Rgb expected = inSlots.count(code) ? colour::yellow : colour::white;
        EXPECT_EQ(rgb(t.form.rankLabel(code).foreColor()), rgb(expected)) << "card " << code;
        drawn += t.form.USED[code] == -1;
    }
    EXPECT_EQ(drawn, 5);
    // Dealt cards are drawn, not placed.
    EXPECT_EQ(t.form.TOPCARD, 0);
    EXPECT_EQ(t.form.PLAYED, 0);
    EXPECT_EQ(t.caption("TEN"), "0");
    EXPECT_EQ(t.form.Image1().picture(), "");
    EXPECT_EQ(t.caption("CPAY1"), "10000");
    EXPECT_EQ(t.platform.sounds, (std::vector<std::string>{betSound, startSound}));
}

TEST(Start, ADealtBonusHandIsScoredAtOnce)
{
    Table t;
    click(t.form, "BET");
    t.queueCodes({10, 1, 13, 11, 12}); // ten, ace, king, jack, queen of diamonds
    click(t.form, "START");

    EXPECT_EQ(t.caption("HIT1"), "1");
    for (int k = 2; k <= 5; ++k)
        EXPECT_EQ(t.form.HIT(k).caption(), "0") << "HIT" << k;
    EXPECT_EQ(rgb(t.form.bonusLabel(1).backColor()), rgb(colour::red));
    EXPECT_EQ(rgb(t.form.bonusLabel(1).foreColor()), rgb(colour::yellow));
    EXPECT_EQ(rgb(t.form.BPAY(1).backColor()), rgb(colour::white));
    EXPECT_EQ(rgb(t.form.BPAY(1).foreColor()), rgb(colour::red));
    EXPECT_EQ(t.platform.sounds, (std::vector<std::string>{betSound, startSound, bonusHandSound}));
}

} // namespace
} // namespace nablo::testing

// The payout at the end of a game: the card-count tier plus every bonus hand's hits, credited.

#include "table.h"
#include "table/errors.h"
#include "wager/payout.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

namespace nablo::testing {
namespace {

// Table rows print as their names in test listings.
template <typename Row>
requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

// Every tier amount differs, so the amount paid names the tier that paid it.
const std::array<const char*, 7> distinctTiers{"7001", "602", "503", "404", "305", "206", "107"};

void setTiers(Table& t, const std::array<const char*, 7>& amounts)
{
    for (int k = 1; k <= 7; ++k)
        t.form.CPAY(k).setCaption(amounts[k - 1]);
}

void setBonuses(Table& t, const std::array<const char*, 5>& amounts,
                const std::array<const char*, 5>& hits)
{
    for (int k = 1; k <= 5; ++k) {
        t.form.BPAY(k).setCaption(amounts[k - 1]);
        t.form.HIT(k).setCaption(hits[k - 1]);
    }
}

// --- The tier paid by the count of placed cards ------------------------------------------------

struct TierRow {
    const char* name;
    bool secondPass;
    int played;
    int pay;
    const char* coinsAfter; // from "1000"
};

class TierBands : public ::testing::TestWithParam<TierRow> {};

TEST_P(TierBands, TheCountSelectsTheAmount)
{
    const TierRow& row = GetParam();
    Table t;
    setTiers(t, distinctTiers);
    t.form.COINS().setCaption("1000");
    t.form.SECONDDECK = row.secondPass ? -1 : 0;
    t.form.PLAYED = static_cast<std::int16_t>(row.played);

    PAYOUT(t.form);

    EXPECT_EQ(t.form.PAY, row.pay);
    EXPECT_EQ(t.caption("COINS"), row.coinsAfter);
    // No sound, no picture, no message.
    EXPECT_TRUE(t.platform.events.empty());
}

INSTANTIATE_TEST_SUITE_P(Payout, TierBands,
                         ::testing::Values(TierRow{"FirstPass0_Nothing", false, 0, 0, "1000"},
                                           TierRow{"FirstPass9_Nothing", false, 9, 0, "1000"},
                                           TierRow{"FirstPass10_Cpay7", false, 10, 107, "1107"},
                                           TierRow{"FirstPass13_Cpay7", false, 13, 107, "1107"},
                                           TierRow{"FirstPass14_Cpay6", false, 14, 206, "1206"},
                                           TierRow{"FirstPass17_Cpay6", false, 17, 206, "1206"},
                                           TierRow{"FirstPass18_Cpay5", false, 18, 305, "1305"},
                                           TierRow{"FirstPass21_Cpay5", false, 21, 305, "1305"},
                                           TierRow{"FirstPass22_Cpay4", false, 22, 404, "1404"},
                                           TierRow{"FirstPass24_Cpay4", false, 24, 404, "1404"},
                                           TierRow{"FirstPass25_Cpay3", false, 25, 503, "1503"},
                                           TierRow{"FirstPass26_Cpay3", false, 26, 503, "1503"},
                                           TierRow{"FirstPass27_Cpay2", false, 27, 602, "1602"},
                                           TierRow{"FirstPass28_Cpay2", false, 28, 602, "1602"},
                                           TierRow{"FirstPass29_Cpay2", false, 29, 602, "1602"},
                                           TierRow{"FirstPass51_Cpay2", false, 51, 602, "1602"},
                                           TierRow{"SecondPass52_Cpay1", true, 52, 7001, "8001"},
                                           TierRow{"SecondPass0_Cpay2", true, 0, 602, "1602"},
                                           TierRow{"SecondPass9_Cpay2", true, 9, 602, "1602"},
                                           TierRow{"SecondPass51_Cpay2", true, 51, 602, "1602"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Payout, BelowTenCardsNoTierCaptionIsRead)
{
    Table t;
    setTiers(t, {"x", "x", "x", "x", "x", "x", "x"});
    t.form.PLAYED = 9;
    EXPECT_NO_THROW(PAYOUT(t.form));
    EXPECT_EQ(t.form.PAY, 0);
}

// --- Bonus hands and the sums ------------------------------------------------------------------

struct SumRow {
    const char* name;
    int played;        // first pass
    const char* cpay7; // the 10-13 amount; the other tiers are not reached
    std::array<const char*, 5> bpay;
    std::array<const char*, 5> hits;
    const char* coinsBefore;
    int pay;
    const char* coinsAfter;
};

class Sums : public ::testing::TestWithParam<SumRow> {};

TEST_P(Sums, TierPlusEachAmountTimesItsHitsIsCredited)
{
    const SumRow& row = GetParam();
    Table t;
    t.form.CPAY(7).setCaption(row.cpay7);
    setBonuses(t, row.bpay, row.hits);
    t.form.COINS().setCaption(row.coinsBefore);
    t.form.PLAYED = static_cast<std::int16_t>(row.played);

    PAYOUT(t.form);

    EXPECT_EQ(t.form.PAY, row.pay);
    EXPECT_EQ(t.caption("COINS"), row.coinsAfter);
}

const std::array<const char*, 5> noHits{"0", "0", "0", "0", "0"};
const std::array<const char*, 5> oneUnitBonuses{"500", "100", "25", "5", "5"};
const std::array<const char*, 5> halves{"2.5", "2.5", "2.5", "2.5", "2.5"};
const std::array<const char*, 5> oneHitEach{"1", "1", "1", "1", "1"};

INSTANTIATE_TEST_SUITE_P(
    Payout, Sums,
    ::testing::Values(
        SumRow{"NineCardsNoHitsRewritesCoinsUnchanged", 9, "5", oneUnitBonuses, noHits, "100", 0,
               "100"},
        SumRow{"TwoRoyalFlushesFiveCards",
               5,
               "5",
               oneUnitBonuses,
               {"2", "0", "0", "0", "0"},
               "100",
               1000,
               "1100"},
        SumRow{"ThirtyCreditsTo100", 10, "30", oneUnitBonuses, noHits, "100", 30, "130"},
        SumRow{"EveryHandAndTheTier",
               10,
               "50",
               {"5000", "1000", "250", "50", "50"},
               {"1", "2", "3", "4", "5"},
               "0",
               50 + 5000 + 2000 + 750 + 200 + 250,
               "8250"},
        // Rounded after each addition: 2.5 -> 2, 4.5 -> 4, 6.5 -> 6, 8.5 -> 8, 10.5 -> 10
        // (rounding once at the end would give 12).
        SumRow{"HalvesRoundedAfterEachAdditionFromEven", 5, "5", halves, oneHitEach, "100", 10,
               "110"},
        // From the tier 5: 7.5 -> 8, 10.5 -> 10, 12.5 -> 12, 14.5 -> 14, 16.5 -> 16 (not 18).
        SumRow{"HalvesRoundedAfterEachAdditionFromOdd", 10, "5", halves, oneHitEach, "100", 16,
               "116"},
        // 1.5 -> 2 from the tier 1, then whole additions.
        SumRow{"HalfAddedToOddRoundsUp",
               10,
               "1",
               {"0.5", "0", "0", "0", "3"},
               {"1", "0", "0", "0", "2"},
               "100",
               8,
               "108"},
        SumRow{"CreditsAddedToNonWholeCoins", 10, "5", oneUnitBonuses, noHits, "0.25", 5, "5.25"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The tier caption read as a 32-bit integer -------------------------------------------------

struct ReadRow {
    const char* name;
    const char* caption;
    int pay;
};

class TierCaptionRead : public ::testing::TestWithParam<ReadRow> {};

TEST_P(TierCaptionRead, HalvesGoToTheEvenNeighbour)
{
    const ReadRow& row = GetParam();
    Table t;
    t.form.CPAY(7).setCaption(row.caption);
    t.form.PLAYED = 10;
    PAYOUT(t.form);
    EXPECT_EQ(t.form.PAY, row.pay);
}

INSTANTIATE_TEST_SUITE_P(Payout, TierCaptionRead,
                         ::testing::Values(ReadRow{"TenAndAHalfDown", "10.5", 10},
                                           ReadRow{"ElevenAndAHalfUp", "11.5", 12},
                                           ReadRow{"JustAboveAHalf", "10.51", 11},
                                           ReadRow{"JustBelowAHalf", "11.49", 11},
                                           ReadRow{"Largest", "2147483647", 2147483647},
                                           ReadRow{"SmallestRoundsToEvenInside", "-2147483648.5",
                                                   -2147483647 - 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Totals outside the 32-bit range -----------------------------------------------------------

struct OverflowRow {
    const char* name;
    const char* cpay7;
    const char* bpay1;
    const char* hit1;
};

class Overflow : public ::testing::TestWithParam<OverflowRow> {};

TEST_P(Overflow, IsARunTimeErrorAndNothingIsCredited)
{
    const OverflowRow& row = GetParam();
    Table t;
    t.form.CPAY(7).setCaption(row.cpay7);
    t.form.BPAY(1).setCaption(row.bpay1);
    t.form.HIT(1).setCaption(row.hit1);
    t.form.PLAYED = 10;
    EXPECT_THROW(PAYOUT(t.form), RunTimeError);
    EXPECT_EQ(t.caption("COINS"), "100");
}

INSTANTIATE_TEST_SUITE_P(
    Payout, Overflow,
    ::testing::Values(OverflowRow{"TierCaptionAboveTheRange", "2147483648", "0", "0"},
                      OverflowRow{"TierCaptionHalfRoundsOutOfRange", "2147483647.5", "0", "0"},
                      OverflowRow{"TierCaptionBelowTheRange", "-2147483649", "0", "0"},
                      OverflowRow{"TierPlusBonusCrossesTheTop", "2147483000", "1000", "1"},
                      OverflowRow{"BonusTimesHitsAboveTheRange", "0", "5000", "1000000"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nablo::testing

#include "deck/cards.h"
#include "deck/draw.h"
#include "deck/random.h"
#include "table.h"
#include "table/errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <set>

namespace nablo {
namespace {

using testing::Table;

int undrawnCount(const Form1& form)
{
    return static_cast<int>(std::count(form.USED.begin() + 1, form.USED.end(), 0));
}

struct FoldCase {
    const char* name;
    float r;
    int rndnum;
    int code;
};

void PrintTo(const FoldCase& c, std::ostream* os) { *os << c.name; }

class Fold : public ::testing::TestWithParam<FoldCase> {};

TEST_P(Fold, ValueToNumberToCode)
{
    const FoldCase& c = GetParam();
    Table t;
    t.platform.randoms.push_back(c.r);
    CardChange(t.form, t.form.CARD(2));
    EXPECT_EQ(t.form.RNDNUM, c.rndnum);
    EXPECT_EQ(t.form.HAND[2], c.code);
    EXPECT_EQ(t.form.USED[c.code], -1);
    EXPECT_EQ(t.form.CARD(2).picture(), CA(static_cast<std::int16_t>(c.code)));
    EXPECT_EQ(undrawnCount(t.form), 51);
}

INSTANTIATE_TEST_SUITE_P(
    Draw, Fold,
    ::testing::Values(FoldCase{"zero_gives_ace_of_diamonds", 0.0f, 0, 1},
                      FoldCase{"just_under_half_rounds_down", 0.005f, 0, 1},
                      FoldCase{"just_over_half_rounds_up", 0.00500001f, 1, 2},
                      // 0.025f is a little above 0.025: the product in double is above 2.5.
                      FoldCase{"product_is_taken_in_double", 0.025f, 3, 4},
                      FoldCase{"fifty_one_gives_king_of_clubs", 0.51f, 51, 52},
                      FoldCase{"fifty_two_folds_onto_ace_of_diamonds", 0.52f, 52, 1},
                      FoldCase{"forty_eight_gives_ten_of_clubs", 0.48f, 48, 49},
                      FoldCase{"ninety_nine_and_a_half_gives_hundred", 0.995f, 100, 49},
                      FoldCase{"top_of_the_range", 0.99999994f, 100, 49},
                      FoldCase{"ninety_nine_folds_onto_48", 0.99f, 99, 48}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Draw, ADrawnCodeIsRetriedWithANewReseedEachAttempt)
{
    Table t;
    t.form.USED[1] = -1;
    t.form.USED[2] = -1;
    t.platform.randoms = {0.0f, 0.52f, 0.01f, 0.54f}; // 1, 1, 2, then 3 (RNDNUM 54)
    CardChange(t.form, t.form.CARD(1));
    EXPECT_EQ(t.form.HAND[1], 3);
    EXPECT_EQ(t.form.RNDNUM, 54);
    EXPECT_EQ(t.platform.attempts, 4);
}

TEST(Draw, ThePictureIsShownBeforeTheSlotRecordsTheCard)
{
    struct Watch : testing::RecordingPlatform {
        Form1* form = nullptr;
        std::int16_t handWhenShown = -1;
        void pictureChanged(const Control& c) override
        {
            if (c.name() == "CARD4")
                handWhenShown = form->HAND[4];
        }
    } platform;
    Form1 form(platform);
    platform.form = &form;
    platform.queueCode(30);
    CardChange(form, form.CARD(4));
    EXPECT_EQ(platform.handWhenShown, 0);
    EXPECT_EQ(form.HAND[4], 30);
}

TEST(Draw, AButtonOutsideTheSlotsGetsOnlyThePicture)
{
    Table t;
    t.platform.queueCode(7);
    CardChange(t.form, t.form.BET());
    EXPECT_EQ(t.form.BET().picture(), "cards\\d7.jpg");
    EXPECT_EQ(t.form.USED[7], -1);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(t.form.HAND[k], 0);
}

TEST(Draw, TheLastDrawOfAPassFindsTheOneUndrawnCardHoweverRare)
{
    for (int last : {1, 2, 25, 49, 50, 52}) {
        Table t;
        for (int code = 1; code <= 52; ++code)
            t.form.USED[code] = code == last ? 0 : -1;
        t.form.PLAYED = 47;
        t.form.HAND[3] = 17;
        CardChange(t.form, t.form.CARD(3));
        EXPECT_EQ(t.form.HAND[3], last);
        EXPECT_EQ(undrawnCount(t.form), 0);
        EXPECT_EQ(t.form.CARD(3).picture(), CA(static_cast<std::int16_t>(last)));
        EXPECT_GE(t.platform.attempts, 1);
    }
}

TEST(Draw, FromThe48thPlacementTheSlotIsEmptiedAndNothingElseChanges)
{
    for (std::int16_t played = 48; played <= 52; ++played) {
        Table t;
        t.form.PLAYED = played;
        t.form.HAND[5] = 12;
        t.form.USED[12] = -1;
        t.form.RNDNUM = 77;
        t.form.CARD(5).setPicture("cards\\d12.jpg");
        const auto used = t.form.USED;
        CardChange(t.form, t.form.CARD(5));
        EXPECT_EQ(t.form.HAND[5], 0);
        EXPECT_EQ(t.form.CARD(5).picture(), "");
        EXPECT_EQ(t.form.USED, used);
        EXPECT_EQ(t.form.RNDNUM, 77);
        EXPECT_EQ(t.platform.attempts, 0) << "no random number is taken";
    }
}

TEST(Draw, AskingToDrawFromAnEmptyDeckIsAnInternalErrorNotAnEndlessLoop)
{
    Table t;
    for (int code = 1; code <= 52; ++code)
        t.form.USED[code] = -1;
    t.form.PLAYED = 47;
    EXPECT_THROW(CardChange(t.form, t.form.CARD(1)), RunTimeError);
}

TEST(Draw, AMissingPictureIsARunTimeErrorNamingTheFile)
{
    Table t;
    t.platform.missingPictures = {"cards\\h5.jpg"};
    t.platform.queueCode(31);
    try {
        CardChange(t.form, t.form.CARD(1));
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_NE(std::string(e.what()).find("cards\\h5.jpg"), std::string::npos);
    }
}

// Share of one attempt for each code, in per mille: 0 and 100 come half as often as 1..99.
double share(int code)
{
    if (code == 1 || code == 49)
        return 15;
    if (code >= 50)
        return 10;
    return 20;
}

TEST(Draw, SingleAttemptsFollowTheSharesOfTheFold)
{
    Table t;
    t.platform.generator.seed64(20261208);
    constexpr int draws = 200000;
    std::array<int, 53> seen{};
    for (int i = 0; i < draws; ++i) {
        t.form.USED.fill(0);
        CardChange(t.form, t.form.CARD(1));
        ++seen[t.form.HAND[1]];
    }
    EXPECT_EQ(t.platform.attempts, draws) << "a fresh deck takes one attempt a draw";
    double chiSquare = 0;
    for (int code = 1; code <= 52; ++code) {
        const double expected = draws * share(code) / 1000.0;
        chiSquare += (seen[code] - expected) * (seen[code] - expected) / expected;
    }
    // 51 degrees of freedom: the 99.9th percentile is about 87.
    EXPECT_LT(chiSquare, 87.0);
    EXPECT_NEAR(seen[50] / double(draws), 0.010, 0.002);
    EXPECT_NEAR(seen[1] / double(draws), 0.015, 0.002);
    EXPECT_NEAR(seen[30] / double(draws), 0.020, 0.002);
}

TEST(Draw, AmongTheUndrawnCodesEachComesInProportionToItsShare)
{
    Table t;
    t.platform.generator.seed64(7);
    constexpr int draws = 30000;
    int twos = 0;
    for (int i = 0; i < draws; ++i) {
        for (int code = 1; code <= 52; ++code)
            t.form.USED[code] = (code == 2 || code == 50) ? 0 : -1;
        CardChange(t.form, t.form.CARD(1));
        twos += t.form.HAND[1] == 2;
    }
    EXPECT_NEAR(twos / double(draws), 2.0 / 3.0, 0.015);
}

TEST(ClockRandom, ReseedsWithinOneClockTickStillGiveVariedValues)
{
    ClockRandom random;
    constexpr int steps = 200000;
    std::set<float> distinct;
    int longestRun = 1;
    int run = 1;
    float previous = -1;
    double sum = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < steps; ++i) {
        random.reseed();
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        run = r == previous ? run + 1 : 1;
        longestRun = std::max(longestRun, run);
        previous = r;
        distinct.insert(r);
        sum += r;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("clock-seeded source: %.0f reseed-and-draw steps per second\n", steps / seconds);
    // Two equal values in a row happen by chance about once in 80 runs (2^24 values, 200,000
    // steps); a reseed that repeats the clock's state gives runs far longer than that.
    EXPECT_LE(longestRun, 2);
    EXPECT_GT(distinct.size(), steps * 0.99); // 2^24 values: few collisions
    EXPECT_NEAR(sum / steps, 0.5, 0.01);
}

TEST(ClockRandom, ValuesCarryTwentyFourBits)
{
    Xoshiro128 generator(3);
    bool lowBitSeen = false;
    for (int i = 0; i < 1000; ++i) {
        const float r = generator.nextFloat();
        const double scaled = static_cast<double>(r) * (1 << 24);
        ASSERT_EQ(scaled, std::floor(scaled));
        lowBitSeen |= static_cast<long long>(scaled) % 2 == 1;
    }
    EXPECT_TRUE(lowBitSeen);
}

} // namespace
} // namespace nablo

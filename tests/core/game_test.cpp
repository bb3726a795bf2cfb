// Playing a game: placing cards, the tiers and the two passes through the deck, the end of a
// game, and random games played out by clicks.

#include "deck/cards.h"
#include "game/ending.h"
#include "game/events.h"
#include "game/place.h"
#include "game/progress.h"
#include "game/reset.h"
#include "game/state.h"
#include "snapshot.h"
#include "table.h"
#include "table/colour.h"
#include "table/errors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace nablo::testing {
namespace {

const std::string cardSound = "wav\\card.wav";
const std::string tierSound = "wav\\bonus.wav";
const std::string secondPassSound = "wav\\twice.wav";
const std::string bonusHandSound = "wav\\bonus2.wav";

using Sounds = std::vector<std::string>;

enum class Row { Normal, Lit };

// The look of card-count row k (CPAYk and the name label beside it).
std::string rowLook(Form1& form, int k)
{
    const Control& name = form.tierLabel(k);
    const Control& amount = form.CPAY(k);
    if (name.backColor() == colour::blue && amount.backColor() == colour::red
        && amount.foreColor() == colour::white)
        return "normal";
    if (name.backColor() == colour::red && amount.backColor() == colour::white
        && amount.foreColor() == colour::red)
        return "lit";
    return "name " + rgb(name.backColor()) + ", amount " + rgb(amount.backColor()) + " on "
           + rgb(amount.foreColor());
}

void paintRow(Form1& form, int k, Row row)
{
    const bool lit = row == Row::Lit;
    form.tierLabel(k).setBackColor(lit ? colour::red : colour::blue);
    form.CPAY(k).setBackColor(lit ? colour::white : colour::red);
    form.CPAY(k).setForeColor(lit ? colour::red : colour::white);
}

// A game under way, put on the table without playing up to it: one unit staked, the given slot
// cards (0 for an emptied slot) on the pile card, in the given pass at the given count. Every
// card of the pass is drawn except `undrawn`; on the board the slot cards are yellow, the
// undrawn ones white and the rest blue, as placed on the pile. Every card in a slot is playable.
struct Layout {
    std::array<int, 5> hand;
    int played;
    bool secondPass = false;
    int pile = 0;
    std::vector<int> undrawn = {};
};

void arrange(Table& t, const Layout& layout)
{
    Form1& f = t.form;
    const std::array<const char*, 7> tiers{"10000", "30", "25", "20", "15", "10", "5"};
    const std::array<const char*, 5> bonuses{"500", "100", "25", "5", "5"};
    for (int k = 1; k <= 7; ++k)
        f.CPAY(k).setCaption(tiers[k - 1]);
    for (int k = 1; k <= 5; ++k)
        f.BPAY(k).setCaption(bonuses[k - 1]);
    f.COINS().setCaption("99");
    for (Control* button : {&f.RepertBet(), &f.BET(), &f.START()}) {
        button->setEnabled(false);
        button->setBackColor(colour::grey);
    }
    for (int code = 1; code <= 52; ++code) {
        const bool undrawn =
            std::find(layout.undrawn.begin(), layout.undrawn.end(), code) != layout.undrawn.end();
        f.USED[code] = undrawn ? 0 : -1;
        f.rankLabel(code).setForeColor(undrawn ? colour::white : colour::blue);
    }
    for (int k = 1; k <= 5; ++k) {
        const int code = layout.hand[k - 1];
        f.HAND[k] = static_cast<std::int16_t>(code);
        f.CANPLAY[k] = code != 0 ? -1 : 0;
        f.CARD(k).setEnabled(true);
        f.CARD(k).setPicture(code != 0 ? CA(static_cast<std::int16_t>(code)) : "");
        f.SEL(k).setForeColor(code != 0 ? colour::yellow : colour::black);
        if (code != 0)
            f.rankLabel(code).setForeColor(colour::yellow);
    }
    f.TOPCARD = static_cast<std::int16_t>(layout.pile);
    f.Image1().setPicture(layout.pile != 0 ? CA(static_cast<std::int16_t>(layout.pile)) : "");
    f.PLAYED = static_cast<std::int16_t>(layout.played);
    f.SECONDDECK = layout.secondPass ? -1 : 0;
    f.TEN().setCaption(std::to_string(layout.played + (layout.secondPass ? 52 : 0)));
    t.platform.clear();
}

std::vector<int> codesExcept(std::initializer_list<int> taken)
{
    std::vector<int> codes;
    for (int code = 1; code <= 52; ++code)
        if (std::find(taken.begin(), taken.end(), code) == taken.end())
            codes.push_back(code);
    return codes;
}

// The betting state that every reset leaves, with the credits as they are.
void expectBettingState(Table& t)
{
    Form1& f = t.form;
    EXPECT_EQ(look(f.BET()), "usable");
    EXPECT_EQ(look(f.RepertBet()), t.number("COINS") >= 10 ? "usable" : "unusable");
    EXPECT_EQ(look(f.START()), "unusable");
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(f.CPAY(k).caption(), "0") << "CPAY" << k;
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(rowLook(f, k), "normal") << "row " << k;
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(f.HIT(k).caption(), "0");
        EXPECT_FALSE(f.CARD(k).enabled()) << "CARD" << k;
        EXPECT_EQ(f.CARD(k).picture(), "") << "CARD" << k;
        EXPECT_EQ(f.HAND[k], 0);
        EXPECT_EQ(f.CANPLAY[k], -1);
        EXPECT_EQ(rgb(f.SEL(k).foreColor()), rgb(colour::black)) << "SEL" << k;
    }
    EXPECT_EQ(t.caption("TEN"), "0");
    EXPECT_EQ(f.Image1().picture(), "");
    EXPECT_EQ(f.PAY, 0);
    EXPECT_EQ(f.PLAYED, 0);
    EXPECT_EQ(f.SECONDDECK, 0);
    EXPECT_EQ(f.TOPCARD, 0);
}

// --- Placing a card ----------------------------------------------------------------------------

struct BlockedRow {
    const char* name;
    std::array<int, 5> hand;
    int slot;
};

class BlockedSlot : public ::testing::TestWithParam<BlockedRow> {};

TEST_P(BlockedSlot, AClickIsIgnoredWithoutSoundOrChange)
{
    const BlockedRow& row = GetParam();
    Table t;
    arrange(t, {row.hand, 20, false, 45, {1, 2}});
    t.form.CANPLAY[row.slot] = 0;
    const Snapshot before(t.form);

    EXPECT_TRUE(click(t.form, "CARD" + std::to_string(row.slot))); // the button is enabled

    EXPECT_EQ(difference(before, Snapshot(t.form)), "");
    EXPECT_TRUE(t.platform.events.empty());
    EXPECT_EQ(t.platform.attempts, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Placing, BlockedSlot,
    ::testing::Values(BlockedRow{"CardThatDoesNotMatch", {40, 14, 41, 42, 43}, 2},
                      BlockedRow{"EmptiedSlot", {40, 41, 0, 42, 43}, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// The first card of a game needs no match; the next clicks are judged against it.
struct FirstClickRow {
    const char* name;
    int slot;
    const char* pile;
    std::array<int, 5> canplay;
};

class FirstClick : public ::testing::TestWithParam<FirstClickRow> {};

TEST_P(FirstClick, PlacesAnyDealtCardAndRefillsItsSlot)
{
    const FirstClickRow& row = GetParam();
    const std::array<int, 5> dealt{5, 20, 33, 46, 9}; // 5 of diamonds, three sevens, 9 of diamonds
    Table t;
    click(t.form, "BET");
    t.queueCodes({5, 20, 33, 46, 9});
    click(t.form, "START");
    t.platform.clear();
    t.queueCodes({40}); // the refill: ace of clubs

    ASSERT_TRUE(click(t.form, "CARD" + std::to_string(row.slot)));

    const int placed = dealt[row.slot - 1];
    const std::string slot = "CARD" + std::to_string(row.slot);
    EXPECT_EQ(
        t.platform.events,
        (std::vector<std::string>{"sound " + cardSound, "picture Image1 " + std::string(row.pile),
                                  "picture " + slot + " cards\\c1.jpg"}));
    EXPECT_EQ(t.form.Image1().picture(), row.pile);
    EXPECT_EQ(t.form.TOPCARD, placed);
    EXPECT_EQ(t.caption("TEN"), "1");
    EXPECT_EQ(t.form.PLAYED, 1);
    EXPECT_EQ(t.form.HAND[row.slot], 40);
    EXPECT_EQ(rgb(t.form.rankLabel(placed).foreColor()), rgb(colour::blue));
    EXPECT_EQ(rgb(t.form.rankLabel(40).foreColor()), rgb(colour::yellow));
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(t.form.CANPLAY[k], row.canplay[k - 1]) << "slot " << k;
        EXPECT_EQ(rgb(t.form.SEL(k).foreColor()),
                  rgb(row.canplay[k - 1] == -1 ? colour::yellow : colour::black))
            << "SEL" << k;
    }
    EXPECT_TRUE(t.platform.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Placing, FirstClick,
    ::testing::Values(
        FirstClickRow{"FiveOfDiamondsLeavesTheNine", 1, "cards\\d5.jpg", {0, 0, 0, 0, -1}},
        FirstClickRow{"SevenOfSpadesLeavesTheSevens", 2, "cards\\s7.jpg", {0, 0, -1, -1, 0}},
        FirstClickRow{"SevenOfHeartsLeavesTheSevens", 3, "cards\\h7.jpg", {0, -1, 0, -1, 0}},
        FirstClickRow{"SevenOfClubsLeavesSevensAndTheAce", 4, "cards\\c7.jpg", {0, -1, -1, -1, 0}},
        FirstClickRow{"NineOfDiamondsLeavesTheFive", 5, "cards\\d9.jpg", {-1, 0, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Placing, TheFortySeventhPlacementDrawsTheLastUndrawnCard)
{
    Table t;
    // Ace to five of clubs in the slots, six of clubs on the pile, the jack of clubs undrawn.
    arrange(t, {{40, 41, 42, 43, 44}, 46, false, 45, {50}});
    t.queueCodes({7, 12, 50}); // two attempts hit drawn cards

    click(t.form, "CARD5");

    EXPECT_EQ(t.form.HAND[5], 50);
    EXPECT_EQ(t.form.CARD(5).picture(), "cards\\c11.jpg");
    EXPECT_EQ(t.form.USED[50], -1);
    EXPECT_EQ(t.platform.attempts, 3);
    EXPECT_EQ(rgb(t.form.rankLabel(50).foreColor()), rgb(colour::yellow));
    EXPECT_EQ(rgb(t.form.rankLabel(44).foreColor()), rgb(colour::blue));
    EXPECT_EQ(t.form.Image1().picture(), "cards\\c5.jpg");
    EXPECT_EQ(t.caption("TEN"), "47");
    EXPECT_EQ(t.form.PLAYED, 47);
    // The bonus check runs: ace, 2, 3, 4 and jack of clubs are a flush.
    EXPECT_EQ(t.caption("HIT5"), "1");
    EXPECT_EQ(t.platform.sounds, (Sounds{cardSound, bonusHandSound}));
}

struct LateRow {
    const char* name;
    int playedBefore;
    std::array<int, 5> hand; // the card in slot 5 is placed
};

class LatePlacement : public ::testing::TestWithParam<LateRow> {};

TEST_P(LatePlacement, EmptiesTheSlotWithoutDrawingOrScoring)
{
    const LateRow& row = GetParam();
    Table t;
    arrange(t, {row.hand, row.playedBefore, false, 45});
    // A lit bonus row shows whether the bonus check ran: it would put the row back to normal.
    t.form.bonusLabel(5).setBackColor(colour::red);
    t.form.RNDNUM = 77;
    t.queueCodes({1});

    click(t.form, "CARD5");

    EXPECT_EQ(t.form.HAND[5], 0);
    EXPECT_EQ(t.form.CARD(5).picture(), "");
    EXPECT_EQ(t.form.Image1().picture(), "cards\\c5.jpg");
    EXPECT_EQ(t.form.TOPCARD, 44);
    EXPECT_EQ(rgb(t.form.rankLabel(44).foreColor()), rgb(colour::blue));
    EXPECT_EQ(t.form.PLAYED, row.playedBefore + 1);
    EXPECT_EQ(t.caption("TEN"), std::to_string(row.playedBefore + 1));
    // No draw, no new card on the board, no bonus check.
    EXPECT_EQ(t.platform.attempts, 0);
    EXPECT_EQ(t.platform.randoms.size(), 1u);
    EXPECT_EQ(t.form.RNDNUM, 77);
    int yellow = 0;
    for (int code = 1; code <= 52; ++code)
        yellow += t.form.rankLabel(code).foreColor() == colour::yellow;
    EXPECT_EQ(yellow, 4 - std::count(row.hand.begin(), row.hand.end(), 0));
    EXPECT_EQ(rgb(t.form.bonusLabel(5).backColor()), rgb(colour::red));
    EXPECT_EQ(t.platform.sounds, Sounds{cardSound});
    EXPECT_EQ(t.form.CANPLAY[5], 0);
    EXPECT_TRUE(t.platform.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Placing, LatePlacement,
                         ::testing::Values(LateRow{"Placement48", 47, {40, 41, 42, 43, 44}},
                                           LateRow{"Placement49", 48, {0, 41, 42, 43, 44}},
                                           LateRow{"Placement50", 49, {0, 0, 42, 43, 44}},
                                           LateRow{"Placement51", 50, {0, 0, 0, 43, 44}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Placing, EnteringATierSoundsAfterTheCardAndBeforeTheBonusHand)
{
    Table t;
    arrange(t, {{40, 41, 42, 43, 44}, 9, false, 45, codesExcept({40, 41, 42, 43, 44, 45})});
    t.queueCodes({47}); // eight of clubs: the slots make a flush

    click(t.form, "CARD5");

    EXPECT_EQ(t.platform.sounds, (Sounds{cardSound, tierSound, bonusHandSound}));
    EXPECT_EQ(t.caption("TEN"), "10");
    EXPECT_EQ(rowLook(t.form, 7), "lit");
    EXPECT_EQ(t.caption("HIT5"), "1");
}

TEST(Placing, TheFiftySecondCardBeginsTheSecondPass)
{
    Table t;
    arrange(t, {{0, 0, 0, 0, 44}, 51, false, 45});
    paintRow(t.form, 2, Row::Lit);
    // The new deal: 2, 4, 6, 8 and 5 of diamonds, a flush; only the 5 matches the 5 of clubs.
    t.queueCodes({2, 4, 6, 8, 5});

    click(t.form, "CARD5");

    EXPECT_EQ(t.platform.events,
              (std::vector<std::string>{
                  "sound " + cardSound, "picture Image1 cards\\c5.jpg", "sound " + secondPassSound,
                  "picture CARD1 cards\\d2.jpg", "picture CARD2 cards\\d4.jpg",
                  "picture CARD3 cards\\d6.jpg", "picture CARD4 cards\\d8.jpg",
                  "picture CARD5 cards\\d5.jpg", "sound " + bonusHandSound}));
    EXPECT_EQ(t.caption("TEN"), "52");
    EXPECT_EQ(t.form.PLAYED, 0);
    EXPECT_EQ(t.form.SECONDDECK, -1);
    EXPECT_EQ(t.form.TOPCARD, 44);
    EXPECT_EQ(t.form.Image1().picture(), "cards\\c5.jpg");
    const std::set<int> dealt{2, 4, 6, 8, 5};
    for (int code = 1; code <= 52; ++code) {
        EXPECT_EQ(rgb(t.form.rankLabel(code).foreColor()),
                  rgb(dealt.count(code) ? colour::yellow : colour::white))
            << "card " << code;
        EXPECT_EQ(t.form.USED[code], dealt.count(code) ? -1 : 0) << "card " << code;
    }
    EXPECT_EQ(t.caption("HIT5"), "1");
    EXPECT_EQ(rowLook(t.form, 2), "lit");
    // Judged against the pile card: only the 5 of diamonds may follow the 5 of clubs.
    const std::array<int, 5> canplay{0, 0, 0, 0, -1};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(t.form.CANPLAY[k], canplay[k - 1]) << "slot " << k;
        EXPECT_EQ(rgb(t.form.SEL(k).foreColor()),
                  rgb(canplay[k - 1] == -1 ? colour::yellow : colour::black));
    }
    EXPECT_TRUE(t.platform.boxes.empty());
}

TEST(Placing, SecondPassCountsOnFrom52WithoutTierSounds)
{
    Table t;
    arrange(t, {{1, 2, 3, 4, 5}, 9, true, 6, codesExcept({1, 2, 3, 4, 5, 6})});
    paintRow(t.form, 2, Row::Lit);
    t.queueCodes({20});

    click(t.form, "CARD1");

    EXPECT_EQ(t.caption("TEN"), "62");
    EXPECT_EQ(t.form.PLAYED, 10);
    EXPECT_EQ(t.platform.sounds, Sounds{cardSound});
    EXPECT_EQ(rowLook(t.form, 7), "normal");
    EXPECT_EQ(rowLook(t.form, 2), "lit");
}

// --- Tier progress in the first pass -----------------------------------------------------------

struct TierRow {
    const char* name;
    int played;
    bool sound;
    int lit;    // the row highlighted (CPAY number), 0 for none
    int normal; // the row given back its normal look, 0 for none
};

class TierProgress : public ::testing::TestWithParam<TierRow> {};

TEST_P(TierProgress, SoundAndRowLooksAtEachCount)
{
    const TierRow& row = GetParam();
    Table t;
    t.form.PLAYED = static_cast<std::int16_t>(row.played);
    // Every row painted teal, so that any row the check touches shows it.
    for (int k = 1; k <= 7; ++k) {
        t.form.tierLabel(k).setBackColor(colour::teal);
        t.form.tierLabel(k).setForeColor(colour::teal);
        t.form.CPAY(k).setBackColor(colour::teal);
        t.form.CPAY(k).setForeColor(colour::teal);
    }

    EXPECT_EQ(S_CHECK(t.form), 0);

    EXPECT_EQ(t.platform.events, row.sound ? std::vector<std::string>{"sound " + tierSound}
                                           : std::vector<std::string>{});
    for (int k = 1; k <= 7; ++k) {
        const std::string expected = k == row.lit ? "lit"
                                     : k == row.normal
                                         ? "normal"
                                         : "name (0,192,192), amount (0,192,192) on (0,192,192)";
        EXPECT_EQ(rowLook(t.form, k), expected) << "row of CPAY" << k;
        EXPECT_EQ(rgb(t.form.tierLabel(k).foreColor()), rgb(colour::teal)) << "name text " << k;
    }
    EXPECT_EQ(t.form.PLAYED, row.played);
    EXPECT_EQ(t.form.SECONDDECK, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Tiers, TierProgress,
    ::testing::Values(
        TierRow{"Count0", 0, false, 0, 0}, TierRow{"Count9", 9, false, 0, 0},
        TierRow{"Count10Enters10to13", 10, true, 7, 0}, TierRow{"Count11", 11, false, 7, 0},
        TierRow{"Count13", 13, false, 7, 0}, TierRow{"Count14Enters14to17", 14, true, 6, 7},
        TierRow{"Count17", 17, false, 6, 7}, TierRow{"Count18Enters18to21", 18, true, 5, 6},
        TierRow{"Count21", 21, false, 5, 6}, TierRow{"Count22Enters22to24", 22, true, 4, 5},
        TierRow{"Count24", 24, false, 4, 5}, TierRow{"Count25Enters25to26", 25, true, 3, 4},
        TierRow{"Count26", 26, false, 3, 4}, TierRow{"Count27Enters27to28", 27, true, 2, 3},
        TierRow{"Count28", 28, false, 2, 3}, TierRow{"Count29", 29, false, 0, 0},
        TierRow{"Count51", 51, false, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tiers, Count52OfTheFirstPassBeginsTheSecondAndReturns1)
{
    Table t;
    arrange(t, {{0, 0, 0, 0, 0}, 52, false, 44});
    t.queueCodes({1, 15, 29, 44, 10}); // three aces: no bonus hand

    EXPECT_EQ(S_CHECK(t.form), 1);

    EXPECT_EQ(t.platform.sounds, Sounds{secondPassSound});
    EXPECT_EQ(t.form.SECONDDECK, -1);
    EXPECT_EQ(t.form.PLAYED, 0);
    EXPECT_EQ(t.caption("TEN"), "52");
    EXPECT_EQ(t.form.TOPCARD, 44);
    EXPECT_EQ(t.form.Image1().picture(), "cards\\c5.jpg");
    const std::array<int, 5> dealt{1, 15, 29, 44, 10};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(t.form.HAND[k], dealt[k - 1]);
    int yellow = 0, white = 0;
    for (int code = 1; code <= 52; ++code) {
        yellow += t.form.rankLabel(code).foreColor() == colour::yellow;
        white += t.form.rankLabel(code).foreColor() == colour::white;
    }
    EXPECT_EQ(yellow, 5);
    EXPECT_EQ(white, 47);
}

struct QuietRow {
    const char* name;
    const char* ten;
    int played;
};

class SecondPassQuiet : public ::testing::TestWithParam<QuietRow> {};

TEST_P(SecondPassQuiet, BelowTen104NothingHappens)
{
    const QuietRow& row = GetParam();
    Table t;
    arrange(t, {{1, 2, 3, 4, 5}, row.played, true, 6});
    t.form.TEN().setCaption(row.ten);
    paintRow(t.form, 2, Row::Lit);
    const Snapshot before(t.form);

    EXPECT_EQ(S_CHECK(t.form), 0);

    EXPECT_EQ(difference(before, Snapshot(t.form)), "");
    EXPECT_TRUE(t.platform.events.empty());
}

INSTANTIATE_TEST_SUITE_P(Tiers, SecondPassQuiet,
                         ::testing::Values(QuietRow{"Ten53", "53", 1},
                                           QuietRow{"Ten62AtATierCount", "62", 10},
                                           QuietRow{"Ten79AtATierCount", "79", 27},
                                           QuietRow{"Ten103", "103", 51},
                                           // The end of the second pass is told by TEN alone.
                                           QuietRow{"Ten103WithPlayedAt52", "103", 52}),
                         [](const auto& info) { return std::string(info.param.name); });

// A completed second pass with ten units staked and three flushes scored: 100000 + 3 x 50.
void arrangeCompletedSecondPass(Table& t)
{
    arrange(t, {{0, 0, 0, 0, 0}, 52, true, 30});
    t.form.CPAY(1).setCaption("100000");
    t.form.CPAY(2).setCaption("300");
    t.form.BPAY(5).setCaption("50");
    t.form.HIT(5).setCaption("3");
    t.form.COINS().setCaption("90");
    paintRow(t.form, 2, Row::Lit);
}

void expectCongratulation(const MessageBox& box, const std::string& paid)
{
    EXPECT_EQ(box.title, "ＣＯＮＧＲＡＴＵＬＡＴＩＯＮ！！");
    EXPECT_EQ(box.text, "おめでとうございます。１０４枚達成です。\r\n" + paid
                            + "クレジットの支払い\r\nゲームを続けますか？");
    EXPECT_EQ(box.buttons, MessageButtons::YesNo);
    EXPECT_EQ(box.icon, MessageIcon::Information);
}

TEST(Tiers, Ten104PaysCongratulatesAndNoEndsTheProgram)
{
    Table t;
    arrangeCompletedSecondPass(t);
    t.platform.answers = {Answer::No};

    EXPECT_THROW(S_CHECK(t.form), ProgramEnd);

    ASSERT_EQ(t.platform.boxes.size(), 1u);
    expectCongratulation(t.platform.boxes[0], "100150");
    EXPECT_EQ(t.form.PAY, 100150);
    EXPECT_EQ(t.caption("COINS"), "100240");
    EXPECT_EQ(rowLook(t.form, 2), "normal");
    EXPECT_EQ(rowLook(t.form, 1), "lit");
    EXPECT_TRUE(t.platform.sounds.empty());
}

TEST(Tiers, Ten104AnsweredYesResetsTheTableAndReturns1)
{
    Table t;
    arrangeCompletedSecondPass(t);
    t.platform.answers = {Answer::Yes};

    EXPECT_EQ(S_CHECK(t.form), 1);

    ASSERT_EQ(t.platform.boxes.size(), 1u);
    expectCongratulation(t.platform.boxes[0], "100150");
    EXPECT_EQ(t.caption("COINS"), "100240");
    expectBettingState(t);
}

// After a completed second pass that the player continues, the placement ends there: no game-over
// box for the empty table follows, and the table stays ready for the next stake.
TEST(Tiers, ContinuingAfter104CardsShowsNoSecondBox)
{
    Table t;
    arrange(t, {{0, 0, 44, 0, 0}, 51, true, 45});
    t.form.CPAY(1).setCaption("100000");
    t.form.COINS().setCaption("90");
    t.platform.answers = {Answer::Yes, Answer::No}; // a second box would end the program

    EXPECT_NO_THROW(click(t.form, "CARD3"));

    ASSERT_EQ(t.platform.boxes.size(), 1u);
    expectCongratulation(t.platform.boxes[0], "100000");
    EXPECT_EQ(t.caption("COINS"), "100090");
    EXPECT_EQ(t.platform.sounds, Sounds{cardSound});
    expectBettingState(t);
}

// --- Playable cards and the end of a game ------------------------------------------------------

TEST(Playable, MatchingSlotsShowSelectableTheOthersHideIt)
{
    Table t;
    // On the 5 of diamonds: ace of diamonds (suit) and 5 of spades (rank) match.
    arrange(t, {{1, 14, 18, 27, 40}, 20, false, 5, {2, 3}});

    L_CHECK(t.form);

    const std::array<int, 5> canplay{-1, 0, -1, 0, 0};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(t.form.CANPLAY[k], canplay[k - 1]) << "slot " << k;
        EXPECT_EQ(rgb(t.form.SEL(k).foreColor()),
                  rgb(canplay[k - 1] == -1 ? colour::yellow : colour::black))
            << "SEL" << k;
    }
    EXPECT_TRUE(t.platform.events.empty());
    EXPECT_EQ(t.caption("COINS"), "99");
    EXPECT_EQ(t.form.PAY, 0);
}

struct ExpectedBox {
    std::string title;
    std::string text;
    MessageButtons buttons;
    MessageIcon icon;
};

const std::string noMore = "これ以上置くことは出来ません。\r\n";
const std::string goOn = "\r\nゲームを続けますか？";

ExpectedBox gameOver(const std::string& paid)
{
    return {"ゲームオーバー", noMore + paid + "クレジットの支払い" + goOn, MessageButtons::YesNo,
            MessageIcon::Question};
}

const std::vector<ExpectedBox> outOfCredits{
    {"ゲームオーバー", noMore + "0クレジットの支払い", MessageButtons::OK, MessageIcon::Error},
    {"終了", "クレジットが無くなってしまいました。\r\nゲームを終了します。", MessageButtons::OK,
     MessageIcon::Error}};

struct EndRow {
    const char* name;
    const char* coinsBefore;
    int played; // first pass, one unit staked: 10 cards pay 5
    Answer answer;
    std::vector<ExpectedBox> boxes;
    bool programEnds;
    const char* coinsAfter;
};

class GameOver : public ::testing::TestWithParam<EndRow> {};

TEST_P(GameOver, PaysTellsAndResetsOrEnds)
{
    const EndRow& row = GetParam();
    Table t;
    // Four empty slots and the ace of spades, which does not match the 5 of diamonds.
    arrange(t, {{0, 0, 0, 0, 14}, row.played, false, 5});
    t.form.COINS().setCaption(row.coinsBefore);
    t.platform.answers = {row.answer};

    if (row.programEnds)
        EXPECT_THROW(L_CHECK(t.form), ProgramEnd);
    else
        EXPECT_NO_THROW(L_CHECK(t.form));

    ASSERT_EQ(t.platform.boxes.size(), row.boxes.size());
    for (std::size_t i = 0; i < row.boxes.size(); ++i) {
        EXPECT_EQ(t.platform.boxes[i].title, row.boxes[i].title) << "box " << i;
        EXPECT_EQ(t.platform.boxes[i].text, row.boxes[i].text) << "box " << i;
        EXPECT_EQ(t.platform.boxes[i].buttons, row.boxes[i].buttons) << "box " << i;
        EXPECT_EQ(t.platform.boxes[i].icon, row.boxes[i].icon) << "box " << i;
    }
    EXPECT_EQ(t.caption("COINS"), row.coinsAfter);
    if (row.programEnds) {
        // The table as the boxes showed it: every slot blocked.
        for (int k = 1; k <= 5; ++k) {
            EXPECT_EQ(t.form.CANPLAY[k], 0);
            EXPECT_EQ(rgb(t.form.SEL(k).foreColor()), rgb(colour::black)) << "SEL" << k;
        }
    } else {
        expectBettingState(t);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ending, GameOver,
    ::testing::Values(
        EndRow{"PaysFiveYesResets", "20", 10, Answer::Yes, {gameOver("5")}, false, "25"},
        EndRow{"PaysFiveNoEnds", "20", 10, Answer::No, {gameOver("5")}, true, "25"},
        EndRow{"NothingPaidNoCreditsTwoErrorBoxesThenEnd", "0", 3, Answer::OK, outOfCredits, true,
               "0"},
        EndRow{"NothingPaidCreditsLeftYes", "3", 3, Answer::Yes, {gameOver("0")}, false, "3"},
        EndRow{"NothingPaidCreditsLeftNo", "3", 3, Answer::No, {gameOver("0")}, true, "3"},
        EndRow{"PaidFromNoCreditsAsks", "0", 10, Answer::Yes, {gameOver("5")}, false, "5"},
        // Credits of 0 after a payout of 5: the game paid something, so the player is asked.
        EndRow{"PaidToZeroCreditsAsks", "-5", 10, Answer::Yes, {gameOver("5")}, false, "0"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Random games ------------------------------------------------------------------------------

// The state rules that hold after every click: slot cards are drawn in this pass and differ, the
// board shows exactly the slot cards yellow, and TEN counts PLAYED on from 0 or 52.
std::string brokenRule(Table& t)
{
    Form1& f = t.form;
    std::set<int> inSlots;
    for (int k = 1; k <= 5; ++k) {
        const int code = f.HAND[k];
        if (code == 0)
            continue;
        if (code < 1 || code > 52)
            return "HAND(" + std::to_string(k) + ") is " + std::to_string(code);
        if (f.USED[code] != -1)
            return "HAND(" + std::to_string(k) + ") = " + std::to_string(code) + " is not drawn";
        if (!inSlots.insert(code).second)
            return "two slots hold " + std::to_string(code);
    }
    const int expectedTen = f.PLAYED + (f.SECONDDECK != 0 ? 52 : 0);
    if (t.caption("TEN") != std::to_string(expectedTen))
        return "TEN " + t.caption("TEN") + " with PLAYED " + std::to_string(f.PLAYED);
    for (int code = 1; code <= 52; ++code)
        if ((f.rankLabel(code).foreColor() == colour::yellow) != (inSlots.count(code) == 1))
            return "board label of " + std::to_string(code) + " disagrees with the slots";
    return "";
}

TEST(RandomGames, CreditsBalanceAndTheStateRulesHoldAfterEveryClick)
{
    std::mt19937 choices(20240611);
    std::uniform_int_distribution<int> unitsOf(1, 10);
    std::uniform_int_distribution<int> coin(0, 1);
    std::uniform_int_distribution<int> before10(0, 9);

    int tables = 1;
    auto table = std::make_unique<Table>();
    table->platform.generator.seed64(1);
    int secondPasses = 0;
    int programEnds = 0;

    for (int game = 1; game <= 2000; ++game) {
        Table& t = *table;
        SCOPED_TRACE("game " + std::to_string(game));
        const long long creditsBefore = static_cast<long long>(t.number("COINS"));
        ASSERT_GE(creditsBefore, 1);

        int units = std::min<long long>(unitsOf(choices), creditsBefore);
        if (units == 10 && t.form.RepertBet().enabled() && coin(choices) == 1) {
            const int first = before10(choices);
            for (int i = 0; i < first; ++i)
                ASSERT_TRUE(click(t.form, "BET"));
            ASSERT_TRUE(click(t.form, "RepertBet"));
        } else {
            for (int i = 0; i < units; ++i)
                ASSERT_TRUE(click(t.form, "BET"));
            if (units < 10) {
                ASSERT_TRUE(click(t.form, "START"));
            }
        }
        ASSERT_TRUE(isInPlay(t.form));
        ASSERT_EQ(brokenRule(t), "");

        const std::size_t boxesBefore = t.platform.boxes.size();
        bool ended = false;
        for (int clicks = 0; t.platform.boxes.size() == boxesBefore; ++clicks) {
            ASSERT_LT(clicks, 110);
            int slot = 0;
            for (int k = 1; k <= 5 && slot == 0; ++k)
                if (t.form.CANPLAY[k] == -1 && t.form.CARD(k).enabled())
                    slot = k;
            ASSERT_NE(slot, 0) << "a game under way with no playable slot";
            try {
                ASSERT_TRUE(click(t.form, "CARD" + std::to_string(slot)));
            } catch (const ProgramEnd&) {
                ended = true;
            }
            secondPasses += t.form.SECONDDECK != 0 && t.form.PLAYED == 0;
            ASSERT_EQ(brokenRule(t), "") << "after click " << clicks + 1;
        }

        ASSERT_EQ(t.platform.outcomes.size(), 1u);
        const GameOutcome outcome = t.platform.outcomes.front();
        t.platform.outcomes.clear();
        const long long pay = outcome.pay;
        EXPECT_EQ(static_cast<long long>(t.number("COINS")), creditsBefore - units + pay);
        EXPECT_EQ(outcome.ending == GameEnding::OutOfCredits, ended);
        if (ended) {
            // Only a game that pays nothing and leaves no credits ends the program.
            EXPECT_EQ(pay, 0);
            EXPECT_EQ(t.caption("COINS"), "0");
            EXPECT_EQ(t.platform.boxes.size(), boxesBefore + 2);
            ++programEnds;
            table = std::make_unique<Table>();
            table->platform.generator.seed64(++tables);
        } else {
            ASSERT_EQ(t.platform.boxes.size(), boxesBefore + 1);
            ASSERT_EQ(look(t.form.BET()), "usable");
            ASSERT_FALSE(isInPlay(t.form));
        }
    }
    RecordProperty("SecondPasses", secondPasses);
    RecordProperty("ProgramEnds", programEnds);
}

} // namespace
} // namespace nablo::testing

#include "game/reset.h"
#include "table.h"
#include "table/board.h"
#include "table/errors.h"

#include <gtest/gtest.h>

namespace nablo {
namespace {

using testing::Table;

void expectUsable(Control& button, bool usable)
{
    EXPECT_EQ(button.enabled(), usable) << button.name();
    EXPECT_EQ(button.backColor(), usable ? colour::yellow : colour::grey) << button.name();
}

void expectBettingState(Form1& form, bool tenUnitsAffordable)
{
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(form.CPAY(k).caption(), "0");
        EXPECT_EQ(form.CPAY(k).backColor(), colour::red);
        EXPECT_EQ(form.CPAY(k).foreColor(), colour::white);
        EXPECT_EQ(form.tierLabel(k).backColor(), colour::blue);
    }
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(form.BPAY(k).caption(), "0");
        EXPECT_EQ(form.HIT(k).caption(), "0");
        EXPECT_EQ(form.BPAY(k).backColor(), colour::red);
        EXPECT_EQ(form.BPAY(k).foreColor(), colour::white);
        EXPECT_EQ(form.bonusLabel(k).backColor(), colour::blue);
        EXPECT_EQ(form.bonusLabel(k).foreColor(), colour::white);
        EXPECT_EQ(form.SEL(k).foreColor(), colour::black);
        EXPECT_FALSE(form.CARD(k).enabled());
        EXPECT_EQ(form.CARD(k).picture(), "");
        EXPECT_EQ(form.HAND[k], 0);
        EXPECT_EQ(form.CANPLAY[k], -1);
    }
    EXPECT_EQ(form.TEN().caption(), "0");
    EXPECT_EQ(form.Image1().picture(), "");
    expectUsable(form.BET(), true);
    expectUsable(form.START(), false);
    expectUsable(form.RepertBet(), tenUnitsAffordable);
    for (int code = 1; code <= 52; ++code) {
        EXPECT_EQ(form.USED[code], 0);
        EXPECT_EQ(form.rankLabel(code).foreColor(), colour::white);
    }
    EXPECT_EQ(form.PAY, 0);
    EXPECT_EQ(form.TOPCARD, 0);
    EXPECT_EQ(form.SECONDDECK, 0);
    EXPECT_EQ(form.PLAYED, 0);
    EXPECT_EQ(form.RNDNUM, 1);
}

TEST(Reset, TheLoadedWindowIsInTheBettingStateWithAHundredCredits)
{
    Table t;
    EXPECT_EQ(t.caption("COINS"), "100");
    expectBettingState(t.form, true);
    // The tier labels' text and every design value the reset does not name stay as designed.
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(t.form.tierLabel(k).foreColor(), colour::white);
    EXPECT_EQ(t.caption("Label10"), " NUMBER OF       SUCCEEDED       CARDS        ");
}

TEST(Reset, LoadingEmptiesThePileThenTheSlotsInOrder)
{
    testing::RecordingPlatform platform;
    Form1 form(platform);
    Form_Load(form);
    const std::vector<std::string> expected{"picture Image1 ", "picture CARD1 ", "picture CARD2 ",
                                            "picture CARD3 ",  "picture CARD4 ", "picture CARD5 "};
    EXPECT_EQ(platform.events, expected);
}

TEST(Reset, TenUnitsAtOnceNeedTenCredits)
{
    for (const auto& [coins, usable] :
         {std::pair{"10", true}, {"9", false}, {"0", false}, {"11", true}, {"9.5", false}}) {
        Table t;
        t.control("COINS").setCaption(coins);
        INITGAME(t.form);
        expectUsable(t.form.RepertBet(), usable);
        EXPECT_EQ(t.caption("COINS"), coins) << "the reset never touches the credits";
    }
}

// A table in the middle of a second pass: lit rows, hits, cards, flags.
void mess(Table& t)
{
    auto& f = t.form;
    for (int k = 1; k <= 7; ++k) {
        f.CPAY(k).setCaption("123");
        f.CPAY(k).setBackColor(colour::white);
        f.CPAY(k).setForeColor(colour::red);
        f.tierLabel(k).setBackColor(colour::red);
    }
    for (int k = 1; k <= 5; ++k) {
        f.BPAY(k).setCaption("50");
        f.HIT(k).setCaption("3");
        f.bonusLabel(k).setBackColor(colour::red);
        f.bonusLabel(k).setForeColor(colour::yellow);
        f.SEL(k).setForeColor(colour::yellow);
        f.CARD(k).setEnabled(true);
        f.CARD(k).setPicture("cards\\s2.jpg");
        f.HAND[k] = static_cast<std::int16_t>(k + 20);
        f.CANPLAY[k] = 0;
    }
    f.TEN().setCaption("77");
    f.Image1().setPicture("cards\\c1.jpg");
    f.BET().setEnabled(false);
    f.BET().setBackColor(colour::grey);
    f.USED.fill(-1);
    Color_Change(f, 5, "AO");
    Color_Change(f, 6, "KI");
    f.PAY = 99;
    f.TOPCARD = 40;
    f.SECONDDECK = -1;
    f.PLAYED = 25;
    f.RNDNUM = 64;
}

TEST(Reset, ARunningGameIsResetCompletely)
{
    Table t;
    mess(t);
    t.control("COINS").setCaption("57");
    INITGAME(t.form);
    expectBettingState(t.form, true);
    EXPECT_EQ(t.caption("COINS"), "57");
}

TEST(Reset, ResettingTwiceLeavesTheSameTableAsOnce)
{
    Table once;
    Table twice;
    mess(once);
    mess(twice);
    INITGAME(once.form);
    INITGAME(twice.form);
    INITGAME(twice.form);
    for (std::size_t i = 0; i < controlCount; ++i) {
        const Control& a = once.form.controls()[i];
        const Control& b = twice.form.controls()[i];
        EXPECT_EQ(a.caption(), b.caption()) << a.name();
        EXPECT_EQ(a.foreColor(), b.foreColor()) << a.name();
        EXPECT_EQ(a.backColor(), b.backColor()) << a.name();
        EXPECT_EQ(a.enabled(), b.enabled()) << a.name();
        EXPECT_EQ(a.picture(), b.picture()) << a.name();
    }
    EXPECT_EQ(once.form.USED, twice.form.USED);
    EXPECT_EQ(once.form.HAND, twice.form.HAND);
    EXPECT_EQ(once.form.CANPLAY, twice.form.CANPLAY);
}

TEST(Reset, ANonNumericCreditCaptionIsARunTimeError)
{
    Table t;
    t.control("COINS").setCaption("");
    EXPECT_THROW(INITGAME(t.form), RunTimeError);
}

} // namespace
} // namespace nablo

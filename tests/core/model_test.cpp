#include "table.h"
#include "table/design.h"
#include "table/numbers.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace nablo {
namespace {

std::size_t indexOf(std::string_view name)
{
    for (std::size_t i = 0; i < windowDesign.size(); ++i)
        if (windowDesign[i].name == name)
            return i;
    ADD_FAILURE() << "no control " << name;
    return 0;
}

TEST(Design, The116ControlsAreEightButtons107LabelsAndOneImage)
{
    std::map<ControlKind, int> kinds;
    std::set<std::string_view> names;
    for (const ControlDesign& d : windowDesign) {
        ++kinds[d.kind];
        EXPECT_TRUE(names.insert(d.name).second) << "duplicate " << d.name;
        EXPECT_EQ(d.left % twipsPerPixel, 0) << d.name;
        EXPECT_EQ(d.top % twipsPerPixel, 0) << d.name;
        EXPECT_EQ(d.width % twipsPerPixel, 0) << d.name;
        EXPECT_EQ(d.height % twipsPerPixel, 0) << d.name;
        EXPECT_LE(d.left + d.width, windowWidthTwips) << d.name;
        // COINS reaches one pixel past the bottom edge, where the window clips it.
        EXPECT_LE(d.top + d.height, windowHeightTwips + (d.name == "COINS" ? 15 : 0)) << d.name;
    }
    EXPECT_EQ(kinds[ControlKind::Button], 8);
    EXPECT_EQ(kinds[ControlKind::Label], 107);
    EXPECT_EQ(kinds[ControlKind::Image], 1);
}

TEST(Design, ButtonsAreDrawnAboveEveryLabelAndOverlapNone)
{
    std::size_t lastLabel = 0;
    std::size_t firstButton = windowDesign.size();
    for (std::size_t i = 0; i < windowDesign.size(); ++i) {
        if (windowDesign[i].kind == ControlKind::Label)
            lastLabel = i;
        if (windowDesign[i].kind == ControlKind::Button)
            firstButton = std::min(firstButton, i);
    }
    EXPECT_LT(lastLabel, firstButton);
    for (const ControlDesign& b : windowDesign) {
        if (b.kind != ControlKind::Button)
            continue;
        for (const ControlDesign& l : windowDesign) {
            if (l.kind != ControlKind::Label)
                continue;
            const bool apart = b.left + b.width <= l.left || l.left + l.width <= b.left
                               || b.top + b.height <= l.top || l.top + l.height <= b.top;
            EXPECT_TRUE(apart) << b.name << " overlaps " << l.name;
        }
    }
}

TEST(Design, TheCardBoardStacksRanksOverStripsOverMarks)
{
    for (const char* strip : {"DIA", "SPADE", "HEART", "CLOVER"}) {
        EXPECT_GT(indexOf(strip), indexOf("Label19"));
        EXPECT_GT(indexOf(strip), indexOf("Label26"));
        EXPECT_LT(indexOf(strip), indexOf("D1"));
    }
    EXPECT_LT(designIndex("CLOVER"), designIndex("D1"));
}

TEST(Design, RankLabelsSitOnTheirStripsAtTheDesignedSteps)
{
    const char* letters = "DSHC";
    const int tops[] = {1920, 2160, 2400, 2640};
    for (int s = 0; s < 4; ++s) {
        for (int r = 1; r <= 13; ++r) {
            const std::string name = std::string(1, letters[s]) + std::to_string(r);
            const ControlDesign* d = nullptr;
            for (const ControlDesign& c : windowDesign)
                if (c.name == name)
                    d = &c;
            ASSERT_NE(d, nullptr) << name;
            const int left = r <= 10 ? 6600 + 240 * (r - 1)
                                     : (r == 11   ? 9120
                                        : r == 12 ? 9360
                                                  : 9600);
            int width = (r == 10 || r == 12) ? 255 : 135;
            if (name == "C12")
                width = 375;
            EXPECT_EQ(d->left, left) << name;
            EXPECT_EQ(d->top, tops[s]) << name;
            EXPECT_EQ(d->width, width) << name;
            EXPECT_EQ(d->height, 255) << name;
            EXPECT_TRUE(d->transparent) << name;
            EXPECT_EQ(d->fore, colour::white) << name;
            EXPECT_EQ(d->fontSize, 11.25) << name;
        }
    }
}

TEST(Design, SlotButtonsCarryTabIndices45To49AtAStepOf2040Twips)
{
    testing::Table t;
    for (int k = 1; k <= 5; ++k) {
        const ControlDesign& d = t.form.CARD(k).design();
        EXPECT_EQ(d.tabIndex, 44 + k);
        EXPECT_EQ(d.left, 120 + 2040 * (k - 1));
        EXPECT_EQ(t.form.SEL(k).design().left, d.left);
    }
    EXPECT_EQ(t.form.BET().tabIndex(), 44);
    EXPECT_EQ(t.form.START().tabIndex(), 56);
    EXPECT_EQ(t.form.RepertBet().tabIndex(), 114);
}

TEST(Design, PayTableCellsShareOneBorderLineWithTheirNeighbours)
{
    for (const auto& [upper, lower] : {std::pair{"Label2", "Label3"},
                                       {"CPAY1", "CPAY2"},
                                       {"Label2", "CPAY1"},
                                       {"BPAY1", "HIT1"},
                                       {"Label12", "BPAY1"}}) {
        const ControlDesign& a = windowDesign[indexOf(upper)];
        const ControlDesign& b = windowDesign[indexOf(lower)];
        const bool stacked = a.left == b.left;
        const int overlap = stacked ? a.top + a.height - b.top : a.left + a.width - b.left;
        EXPECT_EQ(overlap, twipsPerPixel) << upper << " / " << lower;
    }
}

TEST(Form, ControlsAreFoundByNameAndKeepTheirDesignValues)
{
    testing::Table t;
    for (const ControlDesign& d : windowDesign) {
        Control* c = t.form.find(d.name);
        ASSERT_NE(c, nullptr) << d.name;
        EXPECT_EQ(&c->design(), &d);
    }
    EXPECT_EQ(t.form.find("Nothing"), nullptr);
    EXPECT_EQ(t.form.find("coins"), nullptr) << "names are case-sensitive";
    EXPECT_EQ(t.form.tierLabel(7).name(), "Label9");
    EXPECT_EQ(t.form.bonusLabel(5).caption(), "FLUSH");
}

TEST(Form, ARevisionCountsChangesOnly)
{
    testing::Table t;
    Control& coins = t.control("COINS");
    const auto before = coins.revision();
    coins.setCaption(coins.caption());
    coins.setForeColor(coins.foreColor());
    EXPECT_EQ(coins.revision(), before);
    coins.setCaption("5");
    EXPECT_GT(coins.revision(), before);
}

TEST(Form, ACopyIsAnIndependentTable)
{
    testing::Table t;
    Form1 copy = t.form;
    copy.COINS().setCaption("1");
    copy.HAND[1] = 9;
    EXPECT_EQ(t.caption("COINS"), "100");
    EXPECT_EQ(t.form.HAND[1], 0);
    EXPECT_EQ(copy.find("COINS")->caption(), "1");
}

TEST(Form, ARestoredCopyEqualsItsOriginalAgain)
{
    testing::Table t;
    Form1 copy = t.form;
    copy.COINS().setCaption("1");
    writeNumber(copy.CPAY(3), 250);
    copy.CARD(2).setPicture("cards\\s5.jpg");
    copy.rankLabel(9).setForeColor(colour::yellow);
    copy.HAND[1] = 9;
    copy.PLAYED = 30;
    copy.restore(t.form);
    for (std::size_t i = 0; i < copy.controls().size(); ++i) {
        const Control& a = copy.controls()[i];
        const Control& b = t.form.controls()[i];
        EXPECT_TRUE(a.caption() == b.caption() && a.picture() == b.picture()
                    && a.foreColor() == b.foreColor() && a.backColor() == b.backColor()
                    && a.enabled() == b.enabled())
            << a.name();
    }
    EXPECT_EQ(copy.HAND, t.form.HAND);
    EXPECT_EQ(copy.PLAYED, t.form.PLAYED);
}

} // namespace
} // namespace nablo

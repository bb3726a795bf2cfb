#include "table.h"
#include "table/board.h"

#include <gtest/gtest.h>

namespace nablo {
namespace {

using testing::Table;

struct BoardCase {
    const char* name;
    int code;
    const char* word;
    const char* label;
    Rgb colour;
};

void PrintTo(const BoardCase& c, std::ostream* os) { *os << c.name; }

class ColorChange : public ::testing::TestWithParam<BoardCase> {};

TEST_P(ColorChange, ColoursExactlyTheLabelOfTheCode)
{
    const BoardCase& c = GetParam();
    Table t;
    Color_Change(t.form, 1, "KI"); // so that a white result shows on D1 too
    std::vector<Rgb> before;
    for (const Control& control : t.form.controls())
        before.push_back(control.foreColor());
    Color_Change(t.form, static_cast<std::int16_t>(c.code), c.word);
    for (std::size_t i = 0; i < controlCount; ++i) {
        const Control& control = t.form.controls()[i];
        if (control.name() == c.label)
            EXPECT_EQ(control.foreColor(), c.colour) << control.name();
        else
            EXPECT_EQ(control.foreColor(), before[i]) << control.name();
    }
    const BoardMark mark = c.colour == colour::yellow ? BoardMark::InSlot
                           : c.colour == colour::blue ? BoardMark::OnPile
                                                      : BoardMark::Undealt;
    EXPECT_EQ(boardMark(t.form, c.code), mark);
}

INSTANTIATE_TEST_SUITE_P(
    Board, ColorChange,
    ::testing::Values(BoardCase{"four_of_diamonds_yellow", 4, "KI", "D4", colour::yellow},
                      BoardCase{"four_of_spades_blue", 17, "AO", "S4", colour::blue},
                      BoardCase{"king_of_clubs_white", 52, "SHIRO", "C13", colour::white},
                      BoardCase{"ace_of_hearts_yellow", 27, "KI", "H1", colour::yellow},
                      BoardCase{"king_of_diamonds_blue", 13, "AO", "D13", colour::blue},
                      BoardCase{"ace_of_clubs_yellow", 40, "KI", "C1", colour::yellow},
                      BoardCase{"lower_case_word_is_white", 1, "ki", "D1", colour::white},
                      BoardCase{"empty_word_is_white", 1, "", "D1", colour::white},
                      BoardCase{"unknown_word_is_white", 1, "AKA", "D1", colour::white}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Board, CodesOutsideTheDeckChangeNothing)
{
    Table t;
    for (std::int16_t code : {0, 53, -1, 100}) {
        Color_Change(t.form, code, "AO");
        Color_Change(t.form, code, "KI");
    }
    for (int code = 1; code <= 52; ++code)
        EXPECT_EQ(t.form.rankLabel(code).foreColor(), colour::white) << code;
}

TEST(Board, RankLabelsFollowTheSuitRows)
{
    Table t;
    const char* letters = "DSHC";
    for (int code = 1; code <= 52; ++code) {
        const std::string expected =
            std::string(1, letters[(code - 1) / 13]) + std::to_string((code - 1) % 13 + 1);
        EXPECT_EQ(t.form.rankLabel(code).name(), expected);
    }
}

} // namespace
} // namespace nablo

#include "deck/cards.h"
#include "table.h"

#include <gtest/gtest.h>

#include <set>

namespace nablo {
namespace {

using testing::Table;

TEST(Cards, PicturePathsOfTheDocumentedCodes)
{
    const std::pair<int, const char*> table[] = {
        {1, "cards\\d1.jpg"},   {9, "cards\\d9.jpg"},  {10, "cards\\d10.jpg"},
        {13, "cards\\d13.jpg"}, {14, "cards\\s1.jpg"}, {26, "cards\\s13.jpg"},
        {27, "cards\\h1.jpg"},  {40, "cards\\c1.jpg"}, {52, "cards\\c13.jpg"},
    };
    for (const auto& [code, path] : table)
        EXPECT_EQ(CA(static_cast<std::int16_t>(code)), path) << code;
}

TEST(Cards, EveryCodeHasItsOwnPicture)
{
    std::set<std::string> paths;
    for (std::int16_t code = 1; code <= 52; ++code)
        paths.insert(CA(code));
    EXPECT_EQ(paths.size(), 52u);
}

struct MatchCase {
    const char* name;
    int pile;
    std::vector<int> match;
    std::vector<int> noMatch;
};

void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }

class Matching : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Matching, SameSuitOrSameRank)
{
    const MatchCase& c = GetParam();
    Table t;
    t.form.TOPCARD = static_cast<std::int16_t>(c.pile);
    for (int x : c.match)
        EXPECT_EQ(D_CHECK(t.form, static_cast<std::int16_t>(x)), -1)
            << "pile " << c.pile << " card " << x;
    for (int x : c.noMatch)
        EXPECT_EQ(D_CHECK(t.form, static_cast<std::int16_t>(x)), 0)
            << "pile " << c.pile << " card " << x;
}

INSTANTIATE_TEST_SUITE_P(
    Cards, Matching,
    ::testing::Values(
        MatchCase{"five_of_diamonds", 5, {1, 2, 5, 12, 13, 18, 31, 44}, {14, 40, 17, 0}},
        MatchCase{"king_of_diamonds", 13, {1, 12, 26, 39, 52}, {0, 14, 25, 27, 51}},
        MatchCase{"king_of_spades", 26, {13, 39, 52, 14, 25}, {1, 0, 27, 51}},
        MatchCase{"ace_of_hearts", 27, {1, 14, 40, 28, 39}, {13, 0, 2, 52}},
        MatchCase{"ten_of_clubs", 49, {40, 52, 10, 23, 36}, {39, 0, 1}},
        MatchCase{
            "empty_pile_matches_only_kings", 0, {13, 26, 39, 52}, {0, 1, 12, 14, 27, 40, 51}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cards, AnEmptySlotNeverMatches)
{
    Table t;
    for (std::int16_t pile = 0; pile <= 52; ++pile) {
        t.form.TOPCARD = pile;
        EXPECT_EQ(D_CHECK(t.form, 0), 0) << pile;
    }
}

TEST(Cards, KingsShareRankCodeZero)
{
    for (int king : {13, 26, 39, 52})
        EXPECT_EQ(rankCode(king), 0);
    EXPECT_EQ(rankCode(1), rankCode(40));
    EXPECT_EQ(rankCode(12), 12);
}

} // namespace
} // namespace nablo

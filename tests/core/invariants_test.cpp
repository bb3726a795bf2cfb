#include "game/invariants.h"
#include "table.h"

#include <gtest/gtest.h>

#include <functional>

namespace nablo {
namespace {

using testing::Table;

TEST(Invariants, TheResetTableIsSound)
{
    Table t;
    EXPECT_TRUE(invariantViolations(t.form).empty());
}

struct Breakage {
    const char* name;
    std::function<void(Form1&)> breakIt;
    const char* reported; // the one violation reported
};

void PrintTo(const Breakage& b, std::ostream* os) { *os << b.name; }

class Invariants : public ::testing::TestWithParam<Breakage> {};

TEST_P(Invariants, EachBrokenRuleIsReported)
{
    Table t;
    GetParam().breakIt(t.form);
    EXPECT_EQ(invariantViolations(t.form), std::vector<std::string>{GetParam().reported});
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Invariants,
    ::testing::Values(Breakage{"slot_card_not_drawn", [](Form1& f) { f.HAND[2] = 7; },
                               "card 7 in slot 2 is not marked drawn"},
                      Breakage{"same_card_in_two_slots",
                               [](Form1& f) {
                                   f.HAND[1] = f.HAND[4] = 7;
                                   f.USED[7] = -1;
                               },
                               "slots 1 and 4 hold the same card"},
                      Breakage{"slot_code_outside_the_deck", [](Form1& f) { f.HAND[3] = 53; },
                               "HAND(3) holds 53"},
                      Breakage{"canplay_not_a_truth_value", [](Form1& f) { f.CANPLAY[5] = 1; },
                               "CANPLAY(5) is 1"},
                      Breakage{"used_not_a_truth_value", [](Form1& f) { f.USED[9] = 2; },
                               "USED(9) is 2"},
                      Breakage{"negative_credits", [](Form1& f) { f.COINS().setCaption("-1"); },
                               "COINS is negative"},
                      Breakage{"fractional_amount", [](Form1& f) { f.CPAY(3).setCaption("2.5"); },
                               "CPAY3 shows \"2.5\", not a whole number"},
                      Breakage{"text_in_a_hit_count", [](Form1& f) { f.HIT(2).setCaption("x"); },
                               "HIT2 shows \"x\", not a whole number"},
                      Breakage{"counter_off_in_first_pass", [](Form1& f) { f.PLAYED = 3; },
                               "TEN shows 0 with PLAYED 3 in the first pass"},
                      Breakage{"counter_off_in_second_pass",
                               [](Form1& f) {
                                   f.SECONDDECK = -1;
                                   f.TEN().setCaption("3");
                                   f.PLAYED = 3;
                               },
                               "TEN shows 3 with PLAYED 3 in the second pass"},
                      Breakage{"enabled_but_grey", [](Form1& f) { f.START().setEnabled(true); },
                               "START is half usable"},
                      Breakage{"betting_during_play",
                               [](Form1& f) {
                                   for (int k = 1; k <= 5; ++k)
                                       f.CARD(k).setEnabled(true);
                               },
                               "a betting button is usable during play"},
                      Breakage{"one_slot_enabled", [](Form1& f) { f.CARD(2).setEnabled(true); },
                               "the slots are not all in the same state"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Invariants, TheSecondPassCountsFrom52)
{
    Table t;
    t.form.SECONDDECK = -1;
    t.form.PLAYED = 3;
    t.form.TEN().setCaption("55");
    EXPECT_TRUE(invariantViolations(t.form).empty());
}

} // namespace
} // namespace nablo

// Runs the scenario scripts of this folder through the script console and compares what they print
// with the expected output beside them; checks the exit status of the console.
//
// A new scenario is a NAME.nablo script with its expected output NAME.jsonl, made by running
//   nablo-console NAME.nablo > NAME.jsonl
// and then reading every line of it against the game rules before keeping it.

#include "script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Table rows print as their names in test listings.
template <typename Row>
requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

namespace fs = std::filesystem;

const fs::path scenarioDir = NABLO_SCENARIO_DIR;

struct Output {
    int status;
    std::string out;
    std::string err;
};

Output run(const std::string& script)
{
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = nablo::console::runScript(in, out, err);
    return {status, out.str(), err.str()};
}

std::string readFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

// The part of two long lines around their first difference.
std::string around(const std::string& line, std::size_t column)
{
    const std::size_t start = column > 60 ? column - 60 : 0;
    return (start > 0 ? "..." : "") + line.substr(start, 160)
           + (start + 160 < line.size() ? "..." : "");
}

// Empty when the lines are the same, else where and how they first differ.
std::string firstDifference(const std::vector<std::string>& expected,
                            const std::vector<std::string>& actual)
{
    const std::size_t common = std::min(expected.size(), actual.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (expected[i] == actual[i])
            continue;
        const auto [e, a] = std::mismatch(expected[i].begin(), expected[i].end(), actual[i].begin(),
                                          actual[i].end());
        const std::size_t column = static_cast<std::size_t>(e - expected[i].begin());
        return "line " + std::to_string(i + 1) + ", column " + std::to_string(column + 1)
               + "\n  expected: " + around(expected[i], column)
               + "\n  actual:   " + around(actual[i], column);
    }
    if (expected.size() != actual.size())
        return "expected " + std::to_string(expected.size()) + " lines, got "
               + std::to_string(actual.size()) + "; first extra line " + std::to_string(common + 1)
               + ": " + around(expected.size() > common ? expected[common] : actual[common], 0);
    return "";
}

std::vector<std::string> scenarioNames()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(scenarioDir)) {
        if (entry.path().extension() == ".nablo")
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// --- Golden scenarios --------------------------------------------------------------------------

class Scenario : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenario, PrintsTheExpectedLines)
{
    const fs::path script = scenarioDir / (GetParam() + ".nablo");
    const fs::path expectedFile = scenarioDir / (GetParam() + ".jsonl");
    ASSERT_TRUE(fs::exists(expectedFile)) << expectedFile << " is missing";

    const Output result = run(readFile(script));

    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const std::string difference =
        firstDifference(lines(readFile(expectedFile)), lines(result.out));
    EXPECT_EQ(difference, "") << GetParam() << ".jsonl";
}

INSTANTIATE_TEST_SUITE_P(Console, Scenario, ::testing::ValuesIn(scenarioNames()),
                         [](const auto& info) { return info.param; });

TEST(Console, EveryExpectedOutputHasItsScript)
{
    for (const auto& entry : fs::directory_iterator(scenarioDir)) {
        if (entry.path().extension() == ".jsonl") {
            EXPECT_TRUE(fs::exists(fs::path(entry.path()).replace_extension(".nablo")))
                << entry.path();
        }
    }
}

// --- Exit status -------------------------------------------------------------------------------

// What the program start prints: the load event empties the pile and the slots.
const std::string startLines = "{\"picture\":{\"control\":\"Image1\",\"file\":\"\"}}\n"
                               "{\"picture\":{\"control\":\"CARD1\",\"file\":\"\"}}\n"
                               "{\"picture\":{\"control\":\"CARD2\",\"file\":\"\"}}\n"
                               "{\"picture\":{\"control\":\"CARD3\",\"file\":\"\"}}\n"
                               "{\"picture\":{\"control\":\"CARD4\",\"file\":\"\"}}\n"
                               "{\"picture\":{\"control\":\"CARD5\",\"file\":\"\"}}\n";

TEST(Status, ZeroWhenTheScriptRunsOut)
{
    const Output result = run("# a comment\n\n   \nclick BET   # one unit\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, startLines + "{\"sound\":\"wav\\\\bet.wav\"}\n");
    EXPECT_EQ(result.err, "");
}

struct ErrorRow {
    const char* name;
    const char* script;
};

class RunTimeErrorStatus : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(RunTimeErrorStatus, IsOneAfterTheErrorLineAndNothingRunsAfter)
{
    const Output result = run(GetParam().script);
    EXPECT_EQ(result.status, 1);
    const std::vector<std::string> out = lines(result.out);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.back().rfind("{\"error\":\"", 0), 0u) << out.back();
    EXPECT_EQ(std::count_if(out.begin(), out.end(),
                            [](const std::string& l) { return l.find("\"controls\"") != l.npos; }),
              0)
        << "the dump after the error ran";
}

INSTANTIATE_TEST_SUITE_P(
    Status, RunTimeErrorStatus,
    ::testing::Values(ErrorRow{"CreditsThatAreNotANumber", "set COINS abc\nclick BET\ndump\n"},
                      ErrorRow{"PayoutBeyond32Bits",
                               "set BPAY1 3000000000\nset HIT1 1\ncall PAYOUT\ndump\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadLineRow {
    const char* name;
    const char* before; // lines that run before the bad one
    const char* bad;
    int lineNumber;
};

class BadLine : public ::testing::TestWithParam<BadLineRow> {};

TEST_P(BadLine, IsTwoNamesTheLineAndAppliesNothing)
{
    const BadLineRow& row = GetParam();
    const Output good = run(row.before);
    const Output result = run(std::string(row.before) + row.bad + "\nclick BET\ndump\n");

    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("line " + std::to_string(row.lineNumber)), std::string::npos)
        << result.err;
    // Nothing of the bad line, and nothing after it, reaches the output.
    EXPECT_EQ(result.out, good.out);
}

INSTANTIATE_TEST_SUITE_P(
    Status, BadLine,
    ::testing::Values(BadLineRow{"RandomValueNotANumber", "rnd 0.5\n", "rnd 0.5 abc", 2},
                      BadLineRow{"RandomValueOfOne", "", "rnd 0.2 1.0", 1},
                      BadLineRow{"UnknownAnswer", "click BET\n# comment\n", "answer Yes Maybe", 3},
                      BadLineRow{"ClickOnALabel", "", "click COINS", 1},
                      BadLineRow{"ClickWithAnExtraWord", "click BET\n", "click BET twice", 2},
                      BadLineRow{"SetUnknownName", "", "set NOSUCH 3", 1},
                      BadLineRow{"SetBeyond16Bits", "", "set PLAYED 40000", 1},
                      BadLineRow{"SetIndexOutOfRange", "", "set HAND(6) 1", 1},
                      BadLineRow{"CallUnknownProcedure", "", "call NOPE", 1},
                      BadLineRow{"CallWithoutItsArgument", "", "call CA", 1},
                      BadLineRow{"CallWithAnExtraArgument", "set TOPCARD 5\n", "call D_CHECK 18 19",
                                 2},
                      BadLineRow{"UnknownCommand", "", "deal 5", 1}),
    [](const auto& info) { return std::string(info.param.name); });

// A line past 64 KB is refused unread and unechoed, endless input included; control characters
// in what is printed, the script's own words among it, are quoted.
TEST(Status, OverlongLinesAreRefusedAndControlCharactersQuoted)
{
    struct Row {
        std::string script;
        int status;
        std::string printed;
    };
    for (const auto& [script, status, printed] : std::vector<Row>{
             {std::string(70'000, 'x') + "\nclick BET\n", 2, "line 1: longer than 65536 bytes"},
             {"click BET\n" + std::string(1 << 20, '\0'), 2, "line 2: longer than 65536 bytes"},
             {"\x1b]0;title\x07\n", 2, "\"\\u001b]0;title\\u0007\""},
             {"click \xff\x9b"
              "2J\n",
              2, "\"\\xff\\x9b2J\""},
             {"set COINS \xc2\x9b"
              "31m\x7f\ndump\n",
              0, "\"caption\":\"\\u009b31m\\u007f\""}}) {
        const Output result = run(script);
        EXPECT_EQ(result.status, status);
        EXPECT_NE((result.out + result.err).find(printed), std::string::npos) << result.err;
        EXPECT_LT(result.err.size(), 200u);
        EXPECT_TRUE(std::all_of(result.err.begin(), result.err.end(),
                                [](char c) { return c == '\n' || (c >= ' ' && c < 0x7f); }));
    }
}

// --- Trainer and statistics ----------------------------------------------------------------------

// The number after "name": in a JSON line (the first one).
double field(const std::string& line, const std::string& name)
{
    const std::size_t at = line.find("\"" + name + "\":");
    return at == std::string::npos ? std::nan("")
                                   : std::strtod(line.c_str() + at + name.size() + 3, nullptr);
}

std::vector<std::string> linesOf(const std::string& text, const std::string& kind)
{
    std::vector<std::string> found;
    for (const std::string& line : lines(text))
        if (line.rfind("{\"" + kind + "\":", 0) == 0)
            found.push_back(line);
    return found;
}

// The expected pay of a slot in an advice line.
double estimateOf(const std::string& advice, int slot)
{
    const std::size_t at = advice.find("{\"slot\":" + std::to_string(slot) + ",");
    return at == std::string::npos ? std::nan("") : field(advice.substr(at), "expected");
}

// The card-count pay table's rows by their first count; 104 cards is row 1.
int tierRowOf(double cards)
{
    constexpr std::array<std::pair<int, int>, 6> bands{
        {{27, 2}, {25, 3}, {22, 4}, {18, 5}, {14, 6}, {10, 7}}};
    if (cards == 104)
        return 1;
    for (const auto& [first, row] : bands)
        if (cards >= first)
            return row;
    return 0;
}

TEST(Trainer, StatisticsOfThreeGamesAgreeWithTheirEvents)
{
    // Three golden games in a row, with the trainer on: no pay, a pay of the 27-28 row, and all
    // 104 cards with bonus hands.
    const Output result = run("trainer on\n" + readFile(scenarioDir / "short_game.nablo")
                              + readFile(scenarioDir / "every_tier.nablo")
                              + readFile(scenarioDir / "full_game_continue.nablo") + "stats\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> ends = linesOf(result.out, "game_end");
    const std::vector<std::string> judgements = linesOf(result.out, "judgement");
    const std::vector<std::string> stats = linesOf(result.out, "stats");
    ASSERT_EQ(ends.size(), 3u);
    ASSERT_EQ(stats.size(), 1u);

    double paid = 0;
    double best = 0;
    std::array<int, 5> hits{};
    std::array<int, 8> tiers{};
    for (const std::string& end : ends) {
        paid += field(end, "pay");
        ++tiers[static_cast<std::size_t>(tierRowOf(field(end, "cards")))];
        best = std::max(best, field(end, "pay"));
        const std::size_t open = end.find("\"hits\":[") + 8;
        std::istringstream row(end.substr(open, end.find(']', open) - open));
        char comma = 0;
        for (int& h : hits) {
            int count = 0;
            row >> count >> comma;
            h += count;
        }
    }
    int matched = 0;
    double givenUp = 0;
    for (const std::string& judgement : judgements) {
        matched += field(judgement, "slot") == field(judgement, "best");
        givenUp += field(judgement, "cost");
    }
    const std::string& line = stats.front();
    EXPECT_EQ(field(line, "games"), 3);
    EXPECT_EQ(field(line, "staked"), 3);
    EXPECT_EQ(field(line, "paid"), paid);
    EXPECT_DOUBLE_EQ(field(line, "return"), paid / 3);
    EXPECT_EQ(field(line, "best"), best);
    for (std::size_t row = 1; row <= 5; ++row)
        EXPECT_EQ(field(line.substr(line.find("\"hits\"")), std::to_string(row)), hits[row - 1]);
    for (std::size_t row = 1; row <= 7; ++row)
        EXPECT_EQ(field(line.substr(line.find("\"tiers\"")), std::to_string(row)), tiers[row]);
    EXPECT_EQ(tiers[1] + tiers[2], 2);
    EXPECT_EQ(field(line, "judged"), static_cast<double>(judgements.size()));
    EXPECT_EQ(field(line, "matched"), matched);
    EXPECT_DOUBLE_EQ(field(line, "given_up"), givenUp);
}

// Stake ten, then a table of eight cards placed, the two of diamonds on the pile: the three of
// diamonds (slot 1) leads a run of four past the tenth card, while nothing in the slots follows
// the two of hearts (slot 5).
const std::string strandingTable = "seed 3\nclick RepertBet\n"
                                   "set TOPCARD 2\nset PLAYED 8\nset TEN 8\n"
                                   "set HAND(1) 3\nset HAND(2) 42\nset HAND(3) 46\n"
                                   "set HAND(4) 20\nset HAND(5) 28\n"
                                   "set CANPLAY(1) -1\nset CANPLAY(2) 0\nset CANPLAY(3) 0\n"
                                   "set CANPLAY(4) 0\nset CANPLAY(5) -1\n"
                                   "set USED(2) -1\nset USED(3) -1\nset USED(42) -1\n"
                                   "set USED(46) -1\nset USED(20) -1\nset USED(28) -1\n"
                                   "trainer on\nadvise\n";

TEST(Trainer, FlagsTheStrandingSlotAtTheDifferenceOfTheEstimates)
{
    const Output result = run(strandingTable + "click CARD5\n");
    const std::string advice = linesOf(result.out, "advice").at(0);
    const std::string judgement = linesOf(result.out, "judgement").at(0);
    EXPECT_EQ(field(advice, "best"), 1);
    EXPECT_EQ(field(judgement, "slot"), 5);
    EXPECT_EQ(field(judgement, "best"), 1);
    EXPECT_EQ(field(judgement, "cost"), estimateOf(advice, 1) - estimateOf(advice, 5));
    EXPECT_NE(judgement.find("\"flagged\":true"), std::string::npos) << judgement;
    // The judgement comes before the placement's own events.
    EXPECT_LT(result.out.find("{\"judgement\""), result.out.find("wav\\\\card.wav"));
}

TEST(Trainer, NeverFlagsTheAdvisedSlotNorTheOnlyPlayableOne)
{
    const std::string advised =
        linesOf(run(strandingTable + "click CARD1\n").out, "judgement").at(0);
    EXPECT_EQ(advised, "{\"judgement\":{\"slot\":1,\"best\":1,\"cost\":0,\"flagged\":false}}");

    const Output only = run(strandingTable + "set CANPLAY(1) 0\nadvise\nclick CARD5\n");
    const std::vector<std::string> advice = linesOf(only.out, "advice");
    ASSERT_EQ(advice.size(), 2u);
    EXPECT_EQ(advice[1].find("{\"slot\":1,"), std::string::npos) << advice[1];
    EXPECT_EQ(linesOf(only.out, "judgement").at(0),
              "{\"judgement\":{\"slot\":5,\"best\":5,\"cost\":0,\"flagged\":false}}");
}

TEST(Trainer, QuotesTheAdvicesFiguresAndBestSlotOnFreshDeals)
{
    // Five playable slots, where close calls are the rule: the trainer's best slot and cost
    // are the advice's, to the last digit.
    for (const char* seed : {"1", "2", "3", "4"}) {
        const Output result = run(std::string("seed ") + seed
                                  + "\nclick RepertBet\nadvise\ntrainer on\nclick CARD3\n");
        const std::string advice = linesOf(result.out, "advice").at(0);
        const std::string judgement = linesOf(result.out, "judgement").at(0);
        const double best = field(advice, "best");
        EXPECT_EQ(field(judgement, "best"), best) << seed;
        EXPECT_EQ(field(judgement, "cost"),
                  estimateOf(advice, static_cast<int>(best)) - estimateOf(advice, 3))
            << seed;
    }
}

} // namespace

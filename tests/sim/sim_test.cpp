#include "advice/autoplay.h"
#include "game/reset.h"
#include "options.h"
#include "report.h"
#include "script.h"
#include "shard.h"
#include "simulation.h"
#include "table/form.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <regex>
#include <sstream>
#include <tuple>

namespace nablo {
namespace {

sim::Options options(const std::vector<std::string>& args)
{
    std::string error;
    const auto parsed = sim::parseOptions(args, error);
    EXPECT_TRUE(parsed) << error;
    return parsed.value_or(sim::Options{});
}

std::string withoutSpeed(const std::string& json)
{
    return std::regex_replace(json, std::regex(R"("games_per_second":[0-9.]+)"), "");
}

std::string reportWithoutSpeed(const sim::Options& o)
{
    std::atomic<long long> progress{0};
    const sim::Tally tally = sim::simulate(o, progress);
    EXPECT_EQ(progress.load(), o.games);
    return withoutSpeed(sim::jsonReport(o, tally, sim::summarize(o, tally, 1.0)));
}

// The shards of a run, each written as its JSON tally and read back.
std::vector<sim::ShardRecord> shards(std::vector<std::string> args, int count)
{
    std::vector<sim::ShardRecord> result;
    for (int k = 1; k <= count; ++k) {
        std::vector<std::string> shardArgs = args;
        shardArgs.insert(shardArgs.end(),
                         {"--shard", std::to_string(k) + "/" + std::to_string(count)});
        sim::ShardRecord shard{options(shardArgs), {}, 0.5};
        std::atomic<long long> progress{0};
        shard.tally = sim::simulate(shard.options, progress);
        std::string error;
        auto read = sim::parseShard(sim::shardJson(shard), error);
        EXPECT_TRUE(read) << error;
        result.push_back(read.value_or(shard));
    }
    return result;
}

TEST(Simulator, PairsAStrategyWithItselfGameForGame)
{
    // Both plays of a game draw from its one stream: against itself nothing differs, by a hair.
    const sim::Options o = options({"--games", "300", "--strategy", "tuned", "--versus", "tuned"});
    std::atomic<long long> progress{0};
    const sim::Tally tally = sim::simulate(o, progress);
    EXPECT_GT(tally.paid, 0);
    EXPECT_EQ(tally.versusPaid, tally.paid);
    EXPECT_EQ(tally.pairSquares, 0u);
}

TEST(Simulator, TheReportOfASeedIsTheSameForAnyThreadsAndOtherSeedsDiffer)
{
    const std::vector<std::string> run{"--games", "3000", "--seed", "5", "--strategy", "random"};
    const auto threads = [&](const char* count) {
        std::vector<std::string> args = run;
        args.insert(args.end(), {"--threads", count});
        return reportWithoutSpeed(options(args));
    };
    const std::string first = threads("1");
    EXPECT_EQ(first, threads("2"));
    EXPECT_EQ(first, threads("3"));
    EXPECT_NE(first, reportWithoutSpeed(
                         options({"--games", "3000", "--seed", "6", "--strategy", "random"})));
    EXPECT_NE(first.find("\"return_to_player_ci95\":["), std::string::npos);
}

TEST(Simulator, ThreeShardsMergedGiveTheReportOfOneRun)
{
    const std::vector<std::string> run{"--games",   "1001",    "--seed", "9",      "--strategy",
                                       "heuristic", "--stake", "3",      "--check"};
    std::string error;
    const auto merged = sim::mergeShards(shards(run, 3), error);
    ASSERT_TRUE(merged) << error;
    sim::Options single = options(run);
    single.threads = 1;
    EXPECT_EQ(withoutSpeed(sim::jsonReport(merged->options, merged->tally,
                                           sim::summarize(merged->options, merged->tally, 1.5))),
              reportWithoutSpeed(single));
}

TEST(Simulator, AnIncompleteDoubledOrMixedShardSetIsRefused)
{
    const std::vector<std::string> run{"--games", "40", "--seed", "2"};
    const auto three = shards(run, 3);
    auto other = run;
    other[3] = "3";
    const auto foreign = shards(other, 3);
    for (const auto& [set, reason] :
         std::vector<std::pair<std::vector<sim::ShardRecord>, std::string>>{
             {{three[0], three[2]}, "shard 2 of 3 is missing"},
             {{three[0], three[1], three[1], three[2]}, "shard 2 of 3 is given twice"},
             {{three[0], foreign[1], three[2]}, "shards of different runs"},
             {{}, "no shards"}}) {
        std::string error;
        EXPECT_FALSE(sim::mergeShards(set, error));
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    }
    std::string error;
    EXPECT_FALSE(sim::parseShard(R"({"format":"nablo-sim shard 1","seed":2})", error));
}

TEST(Simulator, AShardFileKeepsItsFiguresExactlyAndRefusesInexactOnes)
{
    sim::ShardRecord shard{options({"--games", "1", "--shard", "1/1"}), {}, 2.5};
    shard.tally.games = 1;
    shard.tally.tiers[0] = 1;
    shard.tally.paid = 9'007'199'254'740'993; // not a double
    shard.tally.paidSquares = static_cast<sim::WideSum>(shard.tally.paid) * shard.tally.paid;
    shard.tally.firstViolation = "CARD1 \"x\"\\\n";
    const std::string text = sim::shardJson(shard);
    std::string error;
    const auto read = sim::parseShard(text, error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->tally.paid, shard.tally.paid);
    EXPECT_TRUE(read->tally.paidSquares == shard.tally.paidSquares);
    EXPECT_EQ(read->tally.firstViolation, shard.tally.firstViolation);
    for (const auto& [from, to] : {std::pair{"\"paid\":9007199254740993", "\"paid\":9.5"},
                                   std::pair{"\"paid\":9007199254740993", "\"paid\":1e400"},
                                   std::pair{"\"rollouts\":64", "\"rollouts\":99999999999"}}) {
        std::string bad = text;
        const auto at = bad.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        EXPECT_FALSE(sim::parseShard(bad.replace(at, std::string(from).size(), to), error)) << to;
    }
}

TEST(Simulator, AShardWhoseFiguresCannotBeRightIsRefusedByTheFigure)
{
    // One game a shard, so that paid squared is paid_squares. The figures patched into shard 2
    // (into both shards where "both") are named in the refusal.
    const auto two = shards({"--games", "2", "--seed", "4", "--strategy", "random"}, 2);
    const std::string zeros(36, '0');
    for (const auto& [figure, patch, both] :
         std::vector<std::tuple<std::string, std::string, bool>>{
             {"shards", R"({"shards":2000000000})", false},
             {"stake_units", R"({"stake_units":99})", false},
             {"rollouts", R"({"rollouts":0})", false},
             {"paid", R"({"paid":-1})", false},
             {"paid", R"({"paid":1000000})", false},
             {"paid_squares", R"({"paid_squares":"1000)" + zeros + "\"}", false},
             {"paid", R"({"paid":6000000000000000000,"paid_squares":"36)" + zeros + "\"}", true},
             {"tiers", R"({"tiers":[0,0,0,0,0,0,0,0,0]})", false},
             {"hits", R"({"hits":[0,0,0,0,-1]})", false}}) {
        std::vector<sim::ShardRecord> set;
        std::string error;
        for (std::size_t k = 0; k < 2 && error.empty(); ++k) {
            auto json = nlohmann::ordered_json::parse(sim::shardJson(two[k]));
            if (k == 1 || both)
                json.update(nlohmann::ordered_json::parse(patch));
            if (auto read = sim::parseShard(json.dump(), error))
                set.push_back(*read), error.clear();
        }
        EXPECT_TRUE(!error.empty() || !sim::mergeShards(set, error)) << figure;
        EXPECT_NE(error.find("\"" + figure + "\""), std::string::npos) << error;
    }
}

TEST(Simulator, ChecksTheInvariantsAndTheCreditsOfEveryGame)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--games", "2000", "--check", "--stake", "1"},
             {"--games", "2000", "--check", "--stake", "7", "--strategy", "heuristic"},
             {"--games", "2000", "--check", "--betx10", "--strategy", "random"}}) {
        std::atomic<long long> progress{0};
        const sim::Options o = options(args);
        const sim::Tally tally = sim::simulate(o, progress);
        EXPECT_EQ(tally.violations, 0) << tally.firstViolation;
        EXPECT_EQ(tally.games, 2000);
        long long tiers = 0;
        for (long long t : tally.tiers)
            tiers += t;
        EXPECT_EQ(tiers, 2000);
    }
}

TEST(Simulator, JudgingLeavesTheGamesAsTheyWere)
{
    const std::vector<std::string> args{"--games", "60", "--threads", "1", "--strategy", "random"};
    std::vector<std::string> judged = args;
    judged.push_back("--judge");
    std::atomic<long long> progress{0};
    const sim::Tally plain = sim::simulate(options(args), progress);
    const sim::Tally watched = sim::simulate(options(judged), progress);
    EXPECT_EQ(watched.paid, plain.paid);
    EXPECT_EQ(watched.tiers, plain.tiers);
    EXPECT_EQ(watched.hits, plain.hits);
    EXPECT_EQ(plain.judged, 0);
    // Every game places its first card, which is free.
    EXPECT_GE(watched.judged, 60);
    EXPECT_LT(watched.matched, watched.judged);
    EXPECT_GT(watched.givenUpMicro, 0);
}

TEST(Strength, EachStrategyBeatsTheNextWeakerGameForGame)
{
    // Credits a game over 20,000 seeded games, paired, beyond the 95 % interval.
    const std::tuple<const char*, const char*, double> pairs[] = {{"tuned", "heuristic", 1.0},
                                                                  {"heuristic", "first", 0.3}};
    for (const auto& [strong, weak, lead] : pairs) {
        const sim::Options o =
            options({"--games", "20000", "--seed", "1", "--strategy", strong, "--versus", weak});
        std::atomic<long long> progress{0};
        const sim::Tally t = sim::simulate(o, progress);
        const sim::MeanInterval gain = sim::meanInterval(static_cast<double>(t.paid - t.versusPaid),
                                                         static_cast<double>(t.pairSquares), 20000);
        EXPECT_GE(gain.mean, lead) << strong << " over " << weak;
        EXPECT_GT(gain.mean - gain.halfWidth, 0) << strong << " over " << weak;
    }
}

TEST(Simulator, BadOptionsAreRefusedWithAReason)
{
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--stake", "0"},
                                               {"--stake", "11"},
                                               {"--games"},
                                               {"--games", "-5"},
                                               {"--strategy", "best"},
                                               {"--threads", "x"},
                                               {"--frobnicate"},
                                               {"--seed", "1.5"},
                                               {"--shard", "4/3"},
                                               {"--shard", "0/3"},
                                               {"--shard", "3"},
                                               {"--calibration", "--shard", "1/2"},
                                               {"--versus", "best"},
                                               {"--stake", "3", "--betx10"},
                                               {"--betx10", "--stake", "9"},
                                               {"merge"}}) {
        std::string error;
        EXPECT_FALSE(sim::parseOptions(args, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

// Notes which slot each placement takes its card from, when the pile takes the slot's picture.
struct PlacementLog : HeadlessPlatform {
    using HeadlessPlatform::HeadlessPlatform;
    Form1* form = nullptr;
    std::string clicks;
    int placements = 0;
    void pictureChanged(const Control& control) override
    {
        if (control.name() != "Image1" || control.picture().empty())
            return;
        for (int k = 1; k <= 5; ++k)
            if (form->CARD(k).picture() == control.picture())
                clicks += "click CARD" + std::to_string(k) + "\n";
        ++placements;
    }
};

// A game of the simulator, replayed click by click through the script console, pays the same.
TEST(Simulator, AgreesWithTheConsoleOnASeededGame)
{
    for (std::uint64_t seed : {3u, 17u, 99u, 1234u, 5150u}) {
        PlacementLog platform(seed);
        Form1 form(platform);
        platform.form = &form;
        Form_Load(form);
        const GameOutcome outcome =
            playGame(form, platform, Stake{2, false}, *strategyNamed("first"));
        const std::string script = "seed " + std::to_string(seed)
                                   + "\nclick BET\nclick BET\nclick START\n" + platform.clicks;
        std::istringstream in(script);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(console::runScript(in, out, err), 0) << err.str();
        const std::string boxPay = "\\r\\n" + std::to_string(outcome.pay) + "クレジットの支払い";
        EXPECT_NE(out.str().find(boxPay), std::string::npos)
            << "seed " << seed << " pays " << outcome.pay << "\n"
            << script << out.str();
        EXPECT_EQ(platform.placements, outcome.cardsPlaced);
    }
}

} // namespace
} // namespace nablo

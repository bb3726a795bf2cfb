#include "advice/autoplay.h"
#include "game/reset.h"
#include "options.h"
#include "report.h"
#include "script.h"
#include "simulation.h"
#include "table/form.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace nablo {
namespace {

sim::Options options(const std::vector<std::string>& args)
{
    std::string error;
    const auto parsed = sim::parseOptions(args, error);
    EXPECT_TRUE(parsed) << error;
    return parsed.value_or(sim::Options{});
}

std::string reportWithoutSpeed(const sim::Options& o)
{
    std::atomic<long long> progress{0};
    const sim::Tally tally = sim::simulate(o, progress);
    EXPECT_EQ(progress.load(), o.games);
    std::string json = sim::jsonReport(o, tally, sim::summarize(o, tally, 1.0));
    return std::regex_replace(json, std::regex(R"("games_per_second":[0-9.]+)"), "");
}

TEST(Simulator, TheSameSeedAndThreadsGiveTheSameReportAndOtherSeedsDiffer)
{
    const auto a = options({"--games", "3000", "--threads", "2", "--seed", "5", "--strategy", "random"});
    const auto b = options({"--games", "3000", "--threads", "2", "--seed", "6", "--strategy", "random"});
    const std::string first = reportWithoutSpeed(a);
    EXPECT_EQ(first, reportWithoutSpeed(a));
    EXPECT_NE(first, reportWithoutSpeed(b));
    EXPECT_NE(first.find("\"return_to_player\":"), std::string::npos);
    EXPECT_NE(first.find("\"return_to_player_ci95\":["), std::string::npos);
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
        EXPECT_TRUE(tally.violations.empty()) << tally.violations.front();
        EXPECT_EQ(tally.games, 2000);
        long long tiers = 0;
        for (long long t : tally.tiers)
            tiers += t;
        EXPECT_EQ(tiers, 2000);
    }
}

TEST(Simulator, BadOptionsAreRefusedWithAReason)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--stake", "0"}, {"--stake", "11"}, {"--games"}, {"--games", "-5"},
             {"--strategy", "best"}, {"--threads", "x"}, {"--frobnicate"}, {"--seed", "1.5"}}) {
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
        const GameOutcome outcome = playGame(form, platform, Stake{2, false}, *strategyNamed("first"));
        const std::string script =
            "seed " + std::to_string(seed) + "\nclick BET\nclick BET\nclick START\n" + platform.clicks;
        std::istringstream in(script);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(console::runScript(in, out, err), 0) << err.str();
        const std::string boxPay = "\\r\\n" + std::to_string(outcome.pay) + "クレジットの支払い";
        EXPECT_NE(out.str().find(boxPay), std::string::npos)
            << "seed " << seed << " pays " << outcome.pay << "\n" << script << out.str();
        EXPECT_EQ(platform.placements, outcome.cardsPlaced);
    }
}

} // namespace
} // namespace nablo

#include "report.h"

#include <cmath>
#include <cstdio>

namespace nablo::sim {

namespace {

constexpr std::array<const char*, 5> handNames{"royal_flush", "straight_flush", "four_of_a_kind",
                                               "full_house", "flush"};

std::string format(const char* pattern, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

std::string stakeText(const Options& options)
{
    return options.stake.allAtOnce ? "10 units (BETx10)"
                                   : std::to_string(options.stake.units) + " unit"
                                         + (options.stake.units > 1 ? "s" : "");
}

} // namespace

Summary summarize(const Options& options, const Tally& tally, double seconds)
{
    Summary s;
    const double n = static_cast<double>(tally.games);
    const double units = options.stake.units;
    s.meanPay = static_cast<double>(tally.paid) / n;
    const double squares = static_cast<double>(tally.paidSquares);
    const double variance = n > 1 ? (squares - n * s.meanPay * s.meanPay) / (n - 1) : 0;
    s.sdPay = std::sqrt(std::max(0.0, variance));
    s.returnToPlayer = s.meanPay / units;
    const double halfWidth = 1.96 * s.sdPay / std::sqrt(n) / units;
    s.ciLow = s.returnToPlayer - halfWidth;
    s.ciHigh = s.returnToPlayer + halfWidth;
    s.gamesPerSecond = seconds > 0 ? n / seconds : 0;
    return s;
}

std::string textReport(const Options& options, const Tally& tally, const Summary& s)
{
    const double n = static_cast<double>(tally.games);
    std::string out;
    out += "games            " + std::to_string(tally.games) + "\n";
    out += "strategy         " + std::string(options.strategy->name) + "\n";
    out += "stake            " + stakeText(options) + "\n";
    out += "return to player " + format("%.4f", s.returnToPlayer) + "  (95% CI "
           + format("%.4f", s.ciLow) + " .. " + format("%.4f", s.ciHigh) + ")\n";
    out += "pay per game     mean " + format("%.3f", s.meanPay) + ", sd " + format("%.3f", s.sdPay)
           + " credits\n";
    out += "first pass done  " + format("%.4f%%", 100 * tally.firstPassDone / n) + "\n";
    out += "all 104 cards    " + format("%.5f%%", 100 * tally.allCards / n) + "\n";
    out += "cards placed     ";
    const auto tiers = tierNames();
    for (std::size_t i = 0; i < tiers.size(); ++i)
        out += std::string(i ? ", " : "") + tiers[i] + ": "
               + format("%.3f%%", 100 * tally.tiers[i] / n);
    out += "\nhits per game    ";
    for (std::size_t i = 0; i < handNames.size(); ++i)
        out += std::string(i ? ", " : "") + handNames[i] + ": " + format("%.5f", tally.hits[i] / n);
    out += "\ngames per second " + format("%.0f", s.gamesPerSecond) + "\n";
    if (options.judge)
        out += "against advisor  " + format("%.3f", tally.givenUpMicro / 1e6 / n)
               + " credits given up a game; "
               + format("%.2f%%", 100.0 * tally.matched / std::max(1LL, tally.judged)) + " of "
               + std::to_string(tally.judged) + " placements matched\n";
    if (options.check)
        out += "invariants       "
               + (tally.violations == 0 ? std::string("held after every click")
                                        : std::to_string(tally.violations)
                                              + " broken, first: " + tally.firstViolation)
               + "\n";
    return out;
}

std::string jsonReport(const Options& options, const Tally& tally, const Summary& s)
{
    const double n = static_cast<double>(tally.games);
    std::string out = "{";
    out += "\"games\":" + std::to_string(tally.games);
    out += ",\"strategy\":\"" + std::string(options.strategy->name) + "\"";
    out += ",\"stake_units\":" + std::to_string(options.stake.units);
    out += ",\"betx10\":" + std::string(options.stake.allAtOnce ? "true" : "false");
    out += ",\"seed\":" + std::to_string(options.seed);
    out += ",\"return_to_player\":" + format("%.6f", s.returnToPlayer);
    out += ",\"return_to_player_ci95\":[" + format("%.6f", s.ciLow) + "," + format("%.6f", s.ciHigh)
           + "]";
    out += ",\"pay_mean\":" + format("%.6f", s.meanPay);
    out += ",\"pay_sd\":" + format("%.6f", s.sdPay);
    out += ",\"first_pass_rate\":" + format("%.8f", tally.firstPassDone / n);
    out += ",\"all_cards_rate\":" + format("%.8f", tally.allCards / n);
    out += ",\"cards_placed\":{";
    const auto tiers = tierNames();
    for (std::size_t i = 0; i < tiers.size(); ++i)
        out += std::string(i ? "," : "") + "\"" + tiers[i]
               + "\":" + format("%.8f", tally.tiers[i] / n);
    out += "},\"hits_per_game\":{";
    for (std::size_t i = 0; i < handNames.size(); ++i)
        out += std::string(i ? "," : "") + "\"" + handNames[i]
               + "\":" + format("%.8f", tally.hits[i] / n);
    out += "},\"games_per_second\":" + format("%.1f", s.gamesPerSecond);
    if (options.check)
        out += ",\"invariant_violations\":" + std::to_string(tally.violations);
    if (options.judge)
        out += ",\"given_up_per_game\":" + format("%.6f", tally.givenUpMicro / 1e6 / n)
               + ",\"judged\":" + std::to_string(tally.judged) + ",\"matched_share\":"
               + format("%.6f", static_cast<double>(tally.matched) / std::max(1LL, tally.judged));
    out += "}\n";
    return out;
}

} // namespace nablo::sim

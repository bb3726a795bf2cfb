#include "report.h"

#include "advice/advisor.h"
#include "advice/trainer.h"
#include "session/jsontext.h"

#include <nlohmann/json.hpp>

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

// --calibration: the mean figure of the advised slot, the mean pay and their difference.
struct Calibration {
    double figure = 0;
    double pay = 0;
    MeanInterval gap;
};

Calibration calibration(const Tally& tally)
{
    const double n = static_cast<double>(tally.games);
    return {tally.figureMicro / 1e6 / n, tally.paid / n,
            meanInterval(tally.gapMicro / 1e6, static_cast<double>(tally.gapSquares) / 1e12, n)};
}

// --versus: the other strategy's return and the paired difference, per unit staked.
struct Versus {
    double otherReturn = 0;
    double difference = 0;
    double low = 0;
    double high = 0;
};

Versus versus(const Options& options, const Tally& tally)
{
    const double n = static_cast<double>(tally.games);
    const double units = options.stake.units;
    const MeanInterval pair = meanInterval(static_cast<double>(tally.paid - tally.versusPaid),
                                           static_cast<double>(tally.pairSquares), n);
    return {tally.versusPaid / n / units, pair.mean / units, (pair.mean - pair.halfWidth) / units,
            (pair.mean + pair.halfWidth) / units};
}

std::string extraText(const Options& options, const Tally& tally)
{
    std::string out;
    if (options.calibration) {
        const Calibration c = calibration(tally);
        out += "calibration      advised figure " + format("%.3f", c.figure) + ", pay "
               + format("%.3f", c.pay) + ", pay less figure " + format("%.3f", c.gap.mean)
               + " (95% CI " + format("%.3f", c.gap.mean - c.gap.halfWidth) + " .. "
               + format("%.3f", c.gap.mean + c.gap.halfWidth) + ")\n";
    }
    if (options.versus) {
        const Versus v = versus(options, tally);
        out += "versus " + std::string(options.versus->name) + " return "
               + format("%.4f", v.otherReturn) + "; difference " + format("%.4f", v.difference)
               + " (95% CI " + format("%.4f", v.low) + " .. " + format("%.4f", v.high) + ")\n";
    }
    return out;
}

void addExtraJson(const Options& options, const Tally& tally, Json& out)
{
    if (options.calibration) {
        const Calibration c = calibration(tally);
        out["calibration"] = {
            {"figure_rollouts", adviceRollouts},
            {"play_rollouts", options.rollouts},
            {"figure_mean", fixed(c.figure, 6)},
            {"pay_mean", fixed(c.pay, 6)},
            {"difference", fixed(c.gap.mean, 6)},
            {"difference_ci95",
             {fixed(c.gap.mean - c.gap.halfWidth, 6), fixed(c.gap.mean + c.gap.halfWidth, 6)}}};
    }
    if (options.versus) {
        const Versus v = versus(options, tally);
        out["versus"] = {{"strategy", options.versus->name},
                         {"return_to_player", fixed(v.otherReturn, 6)},
                         {"difference", fixed(v.difference, 6)},
                         {"difference_ci95", {fixed(v.low, 6), fixed(v.high, 6)}}};
    }
}

} // namespace

MeanInterval meanInterval(double sum, double squares, double n)
{
    MeanInterval m;
    m.mean = n > 0 ? sum / n : 0;
    m.halfWidth = halfWidth95(squares - n * m.mean * m.mean, n);
    return m;
}

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
    const double halfWidth = halfWidth95(squares - n * s.meanPay * s.meanPay, n) / units;
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
    out += extraText(options, tally);
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
    const auto rates = [n](const auto& names, const auto& counts) {
        Json rate;
        for (std::size_t i = 0; i < names.size(); ++i)
            rate[names[i]] = fixed(counts[i] / n, 8);
        return rate;
    };
    Json out = {{"games", tally.games},
                {"strategy", options.strategy->name},
                {"stake_units", options.stake.units},
                {"betx10", options.stake.allAtOnce},
                {"seed", options.seed},
                {"return_to_player", fixed(s.returnToPlayer, 6)},
                {"return_to_player_ci95", {fixed(s.ciLow, 6), fixed(s.ciHigh, 6)}},
                {"pay_mean", fixed(s.meanPay, 6)},
                {"pay_sd", fixed(s.sdPay, 6)},
                {"first_pass_rate", fixed(tally.firstPassDone / n, 8)},
                {"all_cards_rate", fixed(tally.allCards / n, 8)},
                {"cards_placed", rates(tierNames(), tally.tiers)},
                {"hits_per_game", rates(handNames, tally.hits)},
                {"games_per_second", fixed(s.gamesPerSecond, 1)}};
    if (options.check)
        out["invariant_violations"] = tally.violations;
    if (options.judge) {
        out["given_up_per_game"] = fixed(tally.givenUpMicro / 1e6 / n, 6);
        out["judged"] = tally.judged;
        out["matched_share"] =
            fixed(static_cast<double>(tally.matched) / std::max(1LL, tally.judged), 6);
    }
    addExtraJson(options, tally, out);
    return jsonText(out) + "\n";
}

} // namespace nablo::sim

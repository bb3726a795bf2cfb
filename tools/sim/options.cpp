#include "options.h"

#include <algorithm>
#include <charconv>

namespace nablo::sim {

namespace {

// "first, random, heuristic or advisor"
std::string strategyNames()
{
    std::string names;
    const auto all = strategies();
    for (std::size_t i = 0; i < all.size(); ++i)
        names += std::string(i == 0                ? ""
                             : i + 1 == all.size() ? " or "
                                                   : ", ")
                 + std::string(all[i].name);
    return names;
}

} // namespace

std::string usage()
{
    std::string text =
        "usage: nablo-sim [OPTIONS]\n"
        "       nablo-sim merge [--json] FILE...\n"
        "Plays complete games headless on the game's own procedures and reports what they pay.\n"
        "Game number i of a run draws from a stream of its own seeded by (seed, i): the report of "
        "a\n"
        "seed is the same for any number of threads or shards.\n"
        "\n"
        "  --games N        games to play (default 100000)\n"
        "  --stake U        bet units a game, 1 to 10, staked one BET click at a time (default 1)\n"
        "  --betx10         stake ten units with one BETx10 click instead (--stake, if given, is "
        "10)\n";
    text += "  --strategy S     " + strategyNames() + " (default "
            + std::string(strategies().front().name) + ")\n";
    for (const StrategyInfo& strategy : strategies()) {
        std::string name(strategy.name);
        name.resize(std::max<std::size_t>(name.size(), 10), ' ');
        text += "                     " + name + " " + std::string(strategy.summary) + "\n";
    }
    text +=
        "  --rollouts R     the advisor's continuations per playable slot (default 64)\n"
        "  --threads T      worker threads (default: every core)\n"
        "  --seed N         seed of the run; the same seed gives the same report\n"
        "  --shard K/N      play only games K-1, K-1+N, K-1+2N, ... of the run and print their\n"
        "                   tally as JSON, for \"merge\" (K from 1 to N)\n"
        "  --check          check the table's invariants after every click\n"
        "  --judge          judge every placement against the advisor: credits given up, share "
        "matched\n"
        "  --calibration    play with the advice; compare the figure the game shows on the\n"
        "                   advised slot at each first placement with the pay the game won\n"
        "  --versus S       play every game with strategy S too: the paired difference of pays\n"
        "  --json           print the report as one JSON object\n"
        "  --help           show this help\n"
        "\n"
        "merge FILE...      adds up the tallies of the N shards of one run and prints its report\n";
    return text;
}

namespace {

template <typename Int>
bool number(const std::string& text, Int low, Int high, Int& value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

template <typename Int>
bool number(const std::string& text, Range range, Int& value)
{
    return number(text, static_cast<Int>(range.low), static_cast<Int>(range.high), value);
}

// "K/N" with 1 <= K <= N.
bool shardText(const std::string& text, Options& options)
{
    const std::size_t slash = text.find('/');
    return slash != std::string::npos
           && number(text.substr(0, slash), shardsRange, options.shardIndex)
           && number(text.substr(slash + 1), shardsRange, options.shardCount)
           && options.shardIndex <= options.shardCount;
}

std::optional<Options> parseMerge(const std::vector<std::string>& args, std::string& error)
{
    Options options;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--json")
            options.json = true;
        else
            options.mergeFiles.push_back(args[i]);
    }
    if (options.mergeFiles.empty()) {
        error = "merge needs the shard files of a run";
        return std::nullopt;
    }
    return options;
}

bool takesValue(const std::string& arg)
{
    for (const char* option : {"--games", "--stake", "--strategy", "--rollouts", "--threads",
                               "--seed", "--shard", "--versus"})
        if (arg == option)
            return true;
    return false;
}

// Sets an option that takes a value; on a bad value returns false and sets error.
bool setValue(const std::string& arg, const std::string& v, Options& options, std::string& error)
{
    error.clear();
    if (arg == "--games") {
        if (!number(v, gamesRange, options.games))
            error = "--games takes a whole number from 1, not \"" + v + "\"";
    } else if (arg == "--stake") {
        if (!number(v, stakeRange, options.stake.units))
            error = "--stake takes a whole number of units from 1 to 10, not \"" + v + "\"";
    } else if (arg == "--strategy") {
        options.strategy = strategyNamed(v);
        if (!options.strategy)
            error = "--strategy is " + strategyNames() + ", not \"" + v + "\"";
    } else if (arg == "--versus") {
        options.versus = strategyNamed(v);
        if (!options.versus)
            error = "--versus is " + strategyNames() + ", not \"" + v + "\"";
    } else if (arg == "--rollouts") {
        if (!number(v, rolloutsRange, options.rollouts))
            error = "--rollouts takes a whole number from 1 to 100000, not \"" + v + "\"";
    } else if (arg == "--threads") {
        if (!number(v, 1, 1024, options.threads))
            error = "--threads takes a whole number from 1 to 1024, not \"" + v + "\"";
    } else if (arg == "--seed") {
        if (!number<std::uint64_t>(v, 0, UINT64_MAX, options.seed))
            error = "--seed takes a whole number from 0, not \"" + v + "\"";
    } else if (arg == "--shard") {
        options.sharded = shardText(v, options);
        if (!options.sharded)
            error = "--shard takes K/N with 1 <= K <= N, not \"" + v + "\"";
    }
    return error.empty();
}

} // namespace

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error)
{
    if (!args.empty() && args.front() == "merge")
        return parseMerge(args, error);
    Options options;
    bool stakeGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        stakeGiven = stakeGiven || arg == "--stake";
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--check") {
            options.check = true;
        } else if (arg == "--judge") {
            options.judge = true;
        } else if (arg == "--calibration") {
            options.calibration = true;
        } else if (arg == "--betx10") {
            options.stake.allAtOnce = true;
        } else if (!takesValue(arg)) {
            error = "unknown option \"" + arg + "\"";
            return std::nullopt;
        } else if (i + 1 >= args.size()) {
            error = arg + " needs a value";
            return std::nullopt;
        } else if (!setValue(arg, args[++i], options, error)) {
            return std::nullopt;
        }
    }
    if (options.stake.allAtOnce && stakeGiven && options.stake.units != 10) {
        error = "--betx10 stakes 10 units, not the " + std::to_string(options.stake.units)
                + " of --stake";
        return std::nullopt;
    }
    if (options.stake.allAtOnce)
        options.stake.units = 10;
    if (options.calibration)
        options.strategy = strategyNamed("advice");
    if (options.sharded && (options.calibration || options.versus)) {
        error = "--calibration and --versus run in one process, not in shards";
        return std::nullopt;
    }
    return options;
}

} // namespace nablo::sim

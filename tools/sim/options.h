#pragma once

#include "advice/autoplay.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace nablo::sim {

// The whole numbers an option takes, from low to high; a shard file's options lie in them too.
struct Range {
    long long low;
    long long high;
    bool holds(long long value) const { return value >= low && value <= high; }
};
inline constexpr Range gamesRange{1, 1'000'000'000'000LL};
inline constexpr Range stakeRange{1, 10};
inline constexpr Range rolloutsRange{1, 100'000};
inline constexpr Range shardsRange{1, 1'000'000};

struct Options {
    long long games = 100000;
    Stake stake;
    const StrategyInfo* strategy = &strategies().front();
    int threads = 0; // 0: every core
    std::uint64_t seed = 1;
    int rollouts = 64;  // advisor continuations per playable slot
    int shardIndex = 1; // this process plays games shardIndex - 1, + shardCount, ...
    int shardCount = 1;
    bool sharded = false; // --shard given: print the shard's tally for a merge
    bool json = false;
    bool check = false;       // check the table's invariants after every event
    bool judge = false;       // judge every placement against the advisor
    bool calibration = false; // the advice's figure at each game's first placement against the pay
    const StrategyInfo* versus = nullptr; // plays every game with this strategy too, for pairs
    bool help = false;
    std::vector<std::string> mergeFiles; // "merge FILE...": the shard tallies to add up
};

// Parses the command line; on a bad option returns nothing and sets error.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error);

// The help text; the strategies are those of the registry.
std::string usage();

} // namespace nablo::sim

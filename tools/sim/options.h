#pragma once

#include "advice/autoplay.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace nablo::sim {

struct Options {
    long long games = 100000;
    Stake stake;
    const StrategyInfo* strategy = &strategies().front();
    int threads = 0; // 0: every core
    std::uint64_t seed = 1;
    int rollouts = 64; // advisor continuations per playable slot
    bool json = false;
    bool check = false; // check the table's invariants after every event
    bool help = false;
};

// Parses the command line; on a bad option returns nothing and sets error.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error);

// The help text; the strategies are those of the registry.
std::string usage();

} // namespace nablo::sim

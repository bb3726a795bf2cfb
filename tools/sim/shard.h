#pragma once

#include "options.h"
#include "simulation.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nablo::sim {

// What one shard of a run played: the run's options, the shard's exact tally and its time.
struct ShardRecord {
    Options options;
    Tally tally;
    double seconds = 0;
};

// The shard's tally as one JSON object with everything a merge needs.
std::string shardJson(const ShardRecord& shard);

// Reads a shard's JSON; on a malformed or foreign text returns nothing and sets error.
std::optional<ShardRecord> parseShard(std::string_view text, std::string& error);

// Adds up the complete set of shards of one run. The result's options are the run's, as if it
// had been played in one process; its seconds are the sum of the shards'. A set that is
// incomplete, doubled or mixed from different runs returns nothing and sets error.
std::optional<ShardRecord> mergeShards(const std::vector<ShardRecord>& shards, std::string& error);

} // namespace nablo::sim

#include "shard.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <utility>

namespace nablo::sim {

namespace {

constexpr std::string_view formatName = "nablo-sim shard 1";

std::string wideText(WideSum value)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    return digits;
}

using Json = nlohmann::ordered_json;

// An integer that fits the value's type exactly.
template <typename Value>
bool integer(const Json& item, Value& value)
{
    if (!item.is_number_integer())
        return false;
    if (item.is_number_unsigned()) {
        const auto read = item.get<std::uint64_t>();
        value = static_cast<Value>(read);
        return std::in_range<Value>(read);
    }
    const auto read = item.get<std::int64_t>();
    value = static_cast<Value>(read);
    return std::in_range<Value>(read);
}

template <typename Value>
bool whole(const Json& object, const char* key, Value& value)
{
    const auto field = object.find(key);
    return field != object.end() && integer(*field, value);
}

bool flag(const Json& object, const char* key, bool& value)
{
    const auto field = object.find(key);
    if (field == object.end() || !field->is_boolean())
        return false;
    value = field->get<bool>();
    return true;
}

bool textField(const Json& object, const char* key, std::string& value)
{
    const auto field = object.find(key);
    if (field == object.end() || !field->is_string())
        return false;
    value = field->get<std::string>();
    return true;
}

// The sum of squares outgrows every JSON integer, so it travels as a string of digits.
bool wide(const Json& object, const char* key, WideSum& value)
{
    std::string digits;
    if (!textField(object, key, digits) || digits.empty())
        return false;
    value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return true;
}

template <std::size_t N>
bool wholeList(const Json& object, const char* key, std::array<long long, N>& values)
{
    const auto field = object.find(key);
    if (field == object.end() || !field->is_array() || field->size() != N)
        return false;
    for (std::size_t i = 0; i < N; ++i)
        if (!integer((*field)[i], values[i]))
            return false;
    return true;
}

bool readOptions(const Json& o, Options& options)
{
    std::string strategy;
    options.strategy = textField(o, "strategy", strategy) ? strategyNamed(strategy) : nullptr;
    if (!options.strategy)
        return false;
    options.sharded = true;
    return whole(o, "games", options.games) && whole(o, "seed", options.seed)
           && whole(o, "stake_units", options.stake.units)
           && flag(o, "betx10", options.stake.allAtOnce) && whole(o, "rollouts", options.rollouts)
           && flag(o, "check", options.check) && flag(o, "judge", options.judge)
           && whole(o, "shard", options.shardIndex) && whole(o, "shards", options.shardCount)
           && options.shardIndex >= 1 && options.shardIndex <= options.shardCount;
}

bool readTally(const Json& o, Tally& t)
{
    return whole(o, "played", t.games) && whole(o, "paid", t.paid)
           && wide(o, "paid_squares", t.paidSquares) && wholeList(o, "tiers", t.tiers)
           && wholeList(o, "hits", t.hits) && whole(o, "first_pass_done", t.firstPassDone)
           && whole(o, "all_cards", t.allCards) && whole(o, "violations", t.violations)
           && whole(o, "first_violation_game", t.firstViolationGame)
           && textField(o, "first_violation", t.firstViolation) && whole(o, "judged", t.judged)
           && whole(o, "matched", t.matched) && whole(o, "given_up_micro", t.givenUpMicro);
}

// The options that make two shards parts of one run.
std::string runText(const Options& o)
{
    return "seed " + std::to_string(o.seed) + ", " + std::to_string(o.games) + " games, strategy "
           + std::string(o.strategy->name) + ", stake " + std::to_string(o.stake.units)
           + (o.stake.allAtOnce ? " (BETx10)" : "") + ", " + std::to_string(o.rollouts)
           + " rollouts" + (o.check ? ", checked" : "") + (o.judge ? ", judged" : "") + ", "
           + std::to_string(o.shardCount) + " shards";
}

} // namespace

std::string shardJson(const ShardRecord& shard)
{
    const Options& o = shard.options;
    const Tally& t = shard.tally;
    const Json json = {{"format", formatName},
                       {"seed", o.seed},
                       {"games", o.games},
                       {"strategy", o.strategy->name},
                       {"stake_units", o.stake.units},
                       {"betx10", o.stake.allAtOnce},
                       {"rollouts", o.rollouts},
                       {"check", o.check},
                       {"judge", o.judge},
                       {"shard", o.shardIndex},
                       {"shards", o.shardCount},
                       {"played", t.games},
                       {"paid", t.paid},
                       {"paid_squares", wideText(t.paidSquares)},
                       {"tiers", t.tiers},
                       {"hits", t.hits},
                       {"first_pass_done", t.firstPassDone},
                       {"all_cards", t.allCards},
                       {"violations", t.violations},
                       {"first_violation_game", t.firstViolationGame},
                       {"judged", t.judged},
                       {"matched", t.matched},
                       {"given_up_micro", t.givenUpMicro},
                       {"first_violation", t.firstViolation},
                       {"seconds", std::round(shard.seconds * 1000) / 1000}};
    return json.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::optional<ShardRecord> parseShard(std::string_view text, std::string& error)
{
    error = "not a shard tally of nablo-sim";
    const Json object = Json::parse(text, nullptr, false);
    std::string format;
    if (!object.is_object() || !textField(object, "format", format) || format != formatName)
        return std::nullopt;
    ShardRecord shard;
    const auto seconds = object.find("seconds");
    if (!readOptions(object, shard.options) || !readTally(object, shard.tally)
        || seconds == object.end() || !seconds->is_number()
        || shard.tally.games != shardGames(shard.options))
        return std::nullopt;
    shard.seconds = seconds->get<double>();
    return shard;
}

std::optional<ShardRecord> mergeShards(const std::vector<ShardRecord>& shards, std::string& error)
{
    if (shards.empty()) {
        error = "no shards to merge";
        return std::nullopt;
    }
    const std::string run = runText(shards.front().options);
    const int count = shards.front().options.shardCount;
    std::vector<int> seen(static_cast<std::size_t>(count) + 1, 0);
    ShardRecord total;
    total.options = shards.front().options;
    total.options.shardIndex = 1;
    total.options.shardCount = 1;
    total.options.sharded = false;
    for (const ShardRecord& shard : shards) {
        const std::string index =
            "shard " + std::to_string(shard.options.shardIndex) + " of " + std::to_string(count);
        if (runText(shard.options) != run) {
            error = "shards of different runs: " + run + "; but " + runText(shard.options);
            return std::nullopt;
        }
        if (seen[static_cast<std::size_t>(shard.options.shardIndex)]++ != 0) {
            error = index + " is given twice";
            return std::nullopt;
        }
        total.tally.add(shard.tally);
        total.seconds += shard.seconds;
    }
    for (int k = 1; k <= count; ++k) {
        if (seen[static_cast<std::size_t>(k)] == 0) {
            error = "shard " + std::to_string(k) + " of " + std::to_string(count) + " is missing";
            return std::nullopt;
        }
    }
    return total;
}

} // namespace nablo::sim

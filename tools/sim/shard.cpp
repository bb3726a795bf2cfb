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

// Reads the fields of a shard's object; a field that is missing or cannot be right is named in
// the error.
class Reader {
public:
    Reader(const Json& object, std::string& error) : object_(object), error_(error) {}

    bool fail(const char* key, const std::string& why)
    {
        error_ = std::string("\"") + key + "\" " + why;
        return false;
    }

    template <typename Value>
    bool whole(const char* key, Value& value)
    {
        const auto field = object_.find(key);
        return (field != object_.end() && integer(*field, value))
               || fail(key, "is missing or not a whole number it can hold");
    }

    // A whole number in the range the command line takes.
    template <typename Value>
    bool ranged(const char* key, Range range, Value& value)
    {
        long long read = 0;
        if (!whole(key, read))
            return false;
        if (!range.holds(read))
            return fail(key, "is " + std::to_string(read) + ", not from "
                                 + std::to_string(range.low) + " to " + std::to_string(range.high));
        value = static_cast<Value>(read);
        return true;
    }

    bool count(const char* key, long long& value)
    {
        return whole(key, value) && (value >= 0 || fail(key, "is negative"));
    }

    template <std::size_t N>
    bool counts(const char* key, std::array<long long, N>& values)
    {
        const auto field = object_.find(key);
        bool good = field != object_.end() && field->is_array() && field->size() == N;
        for (std::size_t i = 0; good && i < N; ++i)
            good = integer((*field)[i], values[i]) && values[i] >= 0;
        return good || fail(key, "is not a list of " + std::to_string(N) + " counts");
    }

    bool flag(const char* key, bool& value)
    {
        const auto field = object_.find(key);
        if (field == object_.end() || !field->is_boolean())
            return fail(key, "is missing or not true or false");
        value = field->get<bool>();
        return true;
    }

    bool text(const char* key, std::string& value)
    {
        const auto field = object_.find(key);
        if (field == object_.end() || !field->is_string())
            return fail(key, "is missing or not a string");
        value = field->get<std::string>();
        return true;
    }

    // The sum of squares outgrows every JSON integer, so it travels as a string of digits.
    bool wide(const char* key, WideSum& value)
    {
        std::string digits;
        if (!text(key, digits))
            return false;
        value = 0;
        for (char c : digits) {
            const auto digit = static_cast<unsigned>(c - '0');
            if (c < '0' || c > '9')
                return fail(key, "is not a string of digits");
            if (__builtin_mul_overflow(value, 10u, &value)
                || __builtin_add_overflow(value, digit, &value))
                return fail(key, "is past the range it can hold");
        }
        return !digits.empty() || fail(key, "is empty");
    }

    bool seconds(double& value)
    {
        const auto field = object_.find("seconds");
        if (field == object_.end() || !field->is_number() || !(field->get<double>() >= 0))
            return fail("seconds", "is missing or not a number from 0");
        value = field->get<double>();
        return true;
    }

private:
    const Json& object_;
    std::string& error_;
};

bool readOptions(Reader& r, Options& options)
{
    std::string strategy;
    if (!r.text("strategy", strategy))
        return false;
    options.strategy = strategyNamed(strategy);
    if (!options.strategy)
        return r.fail("strategy", "names no strategy");
    options.sharded = true;
    if (!r.ranged("games", gamesRange, options.games) || !r.whole("seed", options.seed)
        || !r.ranged("stake_units", stakeRange, options.stake.units)
        || !r.flag("betx10", options.stake.allAtOnce)
        || !r.ranged("rollouts", rolloutsRange, options.rollouts) || !r.flag("check", options.check)
        || !r.flag("judge", options.judge) || !r.ranged("shards", shardsRange, options.shardCount)
        || !r.ranged("shard", Range{1, options.shardCount}, options.shardIndex))
        return false;
    return !options.stake.allAtOnce || options.stake.units == 10
           || r.fail("stake_units", "is not 10 with \"betx10\"");
}

bool readTally(Reader& r, Tally& t)
{
    return r.count("played", t.games) && r.count("paid", t.paid)
           && r.wide("paid_squares", t.paidSquares) && r.counts("tiers", t.tiers)
           && r.counts("hits", t.hits) && r.count("first_pass_done", t.firstPassDone)
           && r.count("all_cards", t.allCards) && r.count("violations", t.violations)
           && r.whole("first_violation_game", t.firstViolationGame)
           && r.text("first_violation", t.firstViolation) && r.count("judged", t.judged)
           && r.count("matched", t.matched) && r.whole("given_up_micro", t.givenUpMicro);
}

// Whether the tally can be that of the shard's games. Every count is read non-negative; a hand
// can show more than once a game, so the hits are not bounded by the games.
bool figuresAgree(const ShardRecord& shard, Reader& r)
{
    const Tally& t = shard.tally;
    const long long games = shardGames(shard.options);
    if (t.games != games)
        return r.fail("played", "is not the shard's " + std::to_string(games) + " games");
    long long tiers = 0;
    for (long long count : t.tiers) {
        if (count > games)
            return r.fail("tiers", "count more than the games");
        tiers += count; // no overflow: games is within gamesRange
    }
    if (tiers != games)
        return r.fail("tiers", "add up to " + std::to_string(tiers) + ", not the "
                                   + std::to_string(games) + " games");
    if (t.firstPassDone != t.tiers[tierCount - 2] + t.tiers[tierCount - 1])
        return r.fail("first_pass_done", "is not the games of 52 cards or more in \"tiers\"");
    if (t.allCards != t.tiers[tierCount - 1])
        return r.fail("all_cards", "is not the games of 104 cards in \"tiers\"");
    if (t.matched > t.judged)
        return r.fail("matched", "is more than \"judged\"");
    if ((t.violations == 0) != (t.firstViolationGame == -1) || t.firstViolationGame < -1
        || t.firstViolationGame >= shard.options.games)
        return r.fail("first_violation_game", "does not fit \"violations\" and the games");
    // Whole pays p >= 0 have p <= p * p, so paid <= squares <= paid^2; and the square of a sum
    // of n values is at most n times their sum of squares.
    const auto paid = static_cast<WideSum>(t.paid);
    WideSum spread = 0;
    const bool spreadPastAnySquare =
        __builtin_mul_overflow(static_cast<WideSum>(games), t.paidSquares, &spread);
    if (t.paidSquares < paid || t.paidSquares > paid * paid
        || (!spreadPastAnySquare && paid * paid > spread))
        return r.fail("paid_squares", "is " + wideText(t.paidSquares) + ", which cannot be the "
                                          + "squares of pays that add up to \"paid\" "
                                          + std::to_string(t.paid) + " in " + std::to_string(games)
                                          + " games");
    return true;
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
    const auto format = object.is_object() ? object.find("format") : object.end();
    if (format == object.end() || !format->is_string() || format->get<std::string>() != formatName)
        return std::nullopt;
    ShardRecord shard;
    Reader reader(object, error);
    if (!readOptions(reader, shard.options) || !readTally(reader, shard.tally)
        || !reader.seconds(shard.seconds) || !figuresAgree(shard, reader))
        return std::nullopt;
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
    if (!shardsRange.holds(count)) {
        error = "a run of " + std::to_string(count) + " shards";
        return std::nullopt;
    }
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
        if (shard.options.shardIndex < 1 || shard.options.shardIndex > count) {
            error = index + " is not a shard of the run";
            return std::nullopt;
        }
        if (seen[static_cast<std::size_t>(shard.options.shardIndex)]++ != 0) {
            error = index + " is given twice";
            return std::nullopt;
        }
        if (const char* figure = total.tally.add(shard.tally)) {
            error = index + ": the sum of \"" + std::string(figure)
                    + "\" over the shards is past what it can hold";
            return std::nullopt;
        }
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

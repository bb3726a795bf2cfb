#include "shard.h"

#include <charconv>
#include <cstdio>
#include <map>

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

std::string list(const auto& values)
{
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
        out += (i ? "," : "") + std::to_string(values[i]);
    return out + "]";
}

// A flat JSON object of strings, numbers, booleans and arrays of numbers: the shard format.
class FlatObject {
public:
    bool parse(std::string_view text, std::string& error);

    bool has(const std::string& key) const { return values_.count(key) != 0; }
    const std::string& text(const std::string& key) const { return values_.at(key).front(); }
    const std::vector<std::string>& items(const std::string& key) const { return values_.at(key); }

private:
    void skipBlanks();
    bool token(std::string& out);

    std::string_view rest_;
    std::map<std::string, std::vector<std::string>> values_;
};

void FlatObject::skipBlanks()
{
    while (!rest_.empty()
           && (rest_.front() == ' ' || rest_.front() == '\n' || rest_.front() == '\r'
               || rest_.front() == '\t'))
        rest_.remove_prefix(1);
}

// A string without escapes, or a bare number or word.
bool FlatObject::token(std::string& out)
{
    skipBlanks();
    if (rest_.empty())
        return false;
    if (rest_.front() == '"') {
        const std::size_t end = rest_.find('"', 1);
        if (end == std::string_view::npos
            || rest_.substr(1, end - 1).find('\\') != std::string_view::npos)
            return false;
        out = rest_.substr(1, end - 1);
        rest_.remove_prefix(end + 1);
        return true;
    }
    std::size_t length = 0;
    while (length < rest_.size()
           && std::string_view("+-.0123456789eEtruefalsn").find(rest_[length])
                  != std::string_view::npos)
        ++length;
    out = rest_.substr(0, length);
    rest_.remove_prefix(length);
    return length > 0;
}

bool FlatObject::parse(std::string_view text, std::string& error)
{
    rest_ = text;
    error = "not a shard tally of nablo-sim";
    skipBlanks();
    if (rest_.empty() || rest_.front() != '{')
        return false;
    rest_.remove_prefix(1);
    for (;;) {
        std::string key;
        if (!token(key))
            return false;
        skipBlanks();
        if (rest_.empty() || rest_.front() != ':')
            return false;
        rest_.remove_prefix(1);
        skipBlanks();
        std::vector<std::string>& value = values_[key];
        if (!rest_.empty() && rest_.front() == '[') {
            rest_.remove_prefix(1);
            for (std::string item; token(item);) {
                value.push_back(item);
                skipBlanks();
                if (!rest_.empty() && rest_.front() == ',')
                    rest_.remove_prefix(1);
            }
            if (rest_.empty() || rest_.front() != ']')
                return false;
            rest_.remove_prefix(1);
        } else {
            value.emplace_back();
            if (!token(value.back()))
                return false;
        }
        skipBlanks();
        if (!rest_.empty() && rest_.front() == ',') {
            rest_.remove_prefix(1);
            continue;
        }
        if (rest_.empty() || rest_.front() != '}')
            return false;
        rest_.remove_prefix(1);
        skipBlanks();
        return rest_.empty();
    }
}

template <typename Value>
bool whole(const std::string& text, Value& value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool wide(const std::string& text, WideSum& value)
{
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return !text.empty();
}

template <std::size_t N>
bool wholeList(const FlatObject& object, const std::string& key, std::array<long long, N>& values)
{
    if (!object.has(key) || object.items(key).size() != N)
        return false;
    for (std::size_t i = 0; i < N; ++i)
        if (!whole(object.items(key)[i], values[i]))
            return false;
    return true;
}

bool readOptions(const FlatObject& o, Options& options)
{
    const auto flag = [&](const char* key, bool& value) {
        value = o.has(key) && o.text(key) == "true";
        return o.has(key) && (value || o.text(key) == "false");
    };
    options.strategy = o.has("strategy") ? strategyNamed(o.text("strategy")) : nullptr;
    if (!options.strategy)
        return false;
    options.sharded = true;
    return o.has("games") && whole(o.text("games"), options.games) && o.has("seed")
           && whole(o.text("seed"), options.seed) && o.has("stake_units")
           && whole(o.text("stake_units"), options.stake.units)
           && flag("betx10", options.stake.allAtOnce) && o.has("rollouts")
           && whole(o.text("rollouts"), options.rollouts) && flag("check", options.check)
           && flag("judge", options.judge) && o.has("shard")
           && whole(o.text("shard"), options.shardIndex) && o.has("shards")
           && whole(o.text("shards"), options.shardCount) && options.shardIndex >= 1
           && options.shardIndex <= options.shardCount;
}

bool readTally(const FlatObject& o, Tally& t)
{
    return o.has("played") && whole(o.text("played"), t.games) && o.has("paid")
           && whole(o.text("paid"), t.paid) && o.has("paid_squares")
           && wide(o.text("paid_squares"), t.paidSquares) && wholeList(o, "tiers", t.tiers)
           && wholeList(o, "hits", t.hits) && o.has("first_pass_done")
           && whole(o.text("first_pass_done"), t.firstPassDone) && o.has("all_cards")
           && whole(o.text("all_cards"), t.allCards) && o.has("violations")
           && whole(o.text("violations"), t.violations) && o.has("first_violation_game")
           && whole(o.text("first_violation_game"), t.firstViolationGame)
           && o.has("first_violation") && o.has("judged") && whole(o.text("judged"), t.judged)
           && o.has("matched") && whole(o.text("matched"), t.matched) && o.has("given_up_micro")
           && whole(o.text("given_up_micro"), t.givenUpMicro);
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
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f", shard.seconds);
    std::string out = "{\"format\":\"" + std::string(formatName) + "\"";
    out += ",\"seed\":" + std::to_string(o.seed);
    out += ",\"games\":" + std::to_string(o.games);
    out += ",\"strategy\":\"" + std::string(o.strategy->name) + "\"";
    out += ",\"stake_units\":" + std::to_string(o.stake.units);
    out += ",\"betx10\":" + std::string(o.stake.allAtOnce ? "true" : "false");
    out += ",\"rollouts\":" + std::to_string(o.rollouts);
    out += ",\"check\":" + std::string(o.check ? "true" : "false");
    out += ",\"judge\":" + std::string(o.judge ? "true" : "false");
    out += ",\"shard\":" + std::to_string(o.shardIndex);
    out += ",\"shards\":" + std::to_string(o.shardCount);
    out += ",\"played\":" + std::to_string(t.games);
    out += ",\"paid\":" + std::to_string(t.paid);
    out += ",\"paid_squares\":\"" + wideText(t.paidSquares) + "\"";
    out += ",\"tiers\":" + list(t.tiers);
    out += ",\"hits\":" + list(t.hits);
    out += ",\"first_pass_done\":" + std::to_string(t.firstPassDone);
    out += ",\"all_cards\":" + std::to_string(t.allCards);
    out += ",\"violations\":" + std::to_string(t.violations);
    out += ",\"first_violation_game\":" + std::to_string(t.firstViolationGame);
    out += ",\"judged\":" + std::to_string(t.judged);
    out += ",\"matched\":" + std::to_string(t.matched);
    out += ",\"given_up_micro\":" + std::to_string(t.givenUpMicro);
    std::string violation = t.firstViolation;
    for (char& c : violation)
        if (c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20)
            c = '\'';
    out += ",\"first_violation\":\"" + violation + "\"";
    out += ",\"seconds\":" + std::string(seconds) + "}\n";
    return out;
}

std::optional<ShardRecord> parseShard(std::string_view text, std::string& error)
{
    FlatObject object;
    if (!object.parse(text, error) || !object.has("format") || object.text("format") != formatName)
        return std::nullopt;
    ShardRecord shard;
    if (!readOptions(object, shard.options) || !readTally(object, shard.tally)
        || !object.has("seconds") || !whole(object.text("seconds"), shard.seconds)
        || shard.tally.games != shardGames(shard.options))
        return std::nullopt;
    shard.tally.firstViolation = object.text("first_violation");
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

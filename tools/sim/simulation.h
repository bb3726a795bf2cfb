#pragma once

#include "options.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

namespace nablo::sim {

// Pay tiers by the cards placed in a game: none, the first pass's bands, the second pass, all
// cards; named by their counts ("0-9" .. "104").
inline constexpr int tierCount = 9;
std::array<std::string, tierCount> tierNames();
int tierOf(int cardsPlaced);

// Exact sums of squares of pays over any number of games.
__extension__ using WideSum = unsigned __int128;

// Whole-number sums over games, so that adding tallies in any order gives the same figures.
struct Tally {
    long long games = 0;
    long long paid = 0;      // credits paid over all games
    WideSum paidSquares = 0; // sum of the squares of each game's pay
    std::array<long long, tierCount> tiers{};
    std::array<long long, 5> hits{};
    long long firstPassDone = 0;       // 52 or more cards
    long long allCards = 0;            // 104 cards
    long long violations = 0;          // invariants broken, counted after every click
    long long firstViolationGame = -1; // the lowest game number with a broken invariant
    std::string firstViolation;
    long long judged = 0;       // placements judged against the advisor (--judge)
    long long matched = 0;      // of them, the advisor's choice
    long long givenUpMicro = 0; // expected credits they gave up, in millionths
    // --calibration: the advised slot's figure at the first placement, and the pay less it, in
    // millionths of a credit
    long long figureMicro = 0;
    long long gapMicro = 0;
    WideSum gapSquares = 0;
    // --versus: what the other strategy paid over the same games, and the squares of the
    // games' differences
    long long versusPaid = 0;
    WideSum pairSquares = 0;

    // Adds the other tally's figures in; returns the name of the first sum past what its type
    // holds (that sum is then wrong), or nullptr.
    const char* add(const Tally& other);
};

// The seed of game number `game` of a run: a stream of its own that depends on nothing else,
// so that a run's figures do not depend on its threads or shards.
std::uint64_t gameSeed(std::uint64_t runSeed, long long game);

// Plays the games of the options' shard on worker threads; games done so far are counted in
// progress.
Tally simulate(const Options& options, std::atomic<long long>& progress);

// How many of the run's games the options' shard plays.
long long shardGames(const Options& options);

} // namespace nablo::sim

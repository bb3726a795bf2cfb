#pragma once

#include "options.h"

#include <array>
#include <atomic>
#include <string>
#include <vector>

namespace nablo::sim {

// Pay tiers by the cards placed in a game: none, the first pass's bands, the second pass, all
// cards; named by their counts ("0-9" .. "104").
inline constexpr int tierCount = 9;
std::array<std::string, tierCount> tierNames();
int tierOf(int cardsPlaced);

struct Tally {
    long long games = 0;
    double paid = 0;         // credits paid over all games
    double paidSquares = 0;  // sum of the squares of each game's pay
    std::array<long long, tierCount> tiers{};
    std::array<long long, 5> hits{};
    long long firstPassDone = 0; // 52 or more cards
    long long allCards = 0;      // 104 cards
    std::vector<std::string> violations;

    void add(const Tally& other);
};

// Plays the games on worker threads; games done so far are counted in progress.
Tally simulate(const Options& options, std::atomic<long long>& progress);

} // namespace nablo::sim

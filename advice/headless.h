#pragma once

#include "deck/random.h"
#include "table/platform.h"

#include <cstdint>

namespace nablo {

// A platform for play without a window: silent, pictures always load, draws come from a seeded
// generator, every box is answered Yes, and the outcome of each game is noted when the game
// tells that it ended.
class HeadlessPlatform : public Platform {
public:
    explicit HeadlessPlatform(std::uint64_t seed = 1) : generator(seed) {}

    void playSound(const std::string&) override {}
    void loadPicture(const std::string&) override {}
    void gameEnded(const GameOutcome& outcome) override;
    Answer showMessage(const MessageBox& box) override;
    void reseedRandom() override {}
    float nextRandom() override { return generator.nextFloat(); }

    Xoshiro128 generator;
    int gamesEnded = 0;
    GameOutcome lastOutcome;
};

} // namespace nablo

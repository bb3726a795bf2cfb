#pragma once

#include "deck/random.h"
#include "table/platform.h"

#include <array>
#include <cstdint>

namespace nablo {

class Form1;

// How a game ended, as the table showed it when the end-of-game box came up.
struct GameOutcome {
    std::int32_t pay = 0;
    int cardsPlaced = 0;               // TEN: 0..104
    std::array<int, 5> hits{};         // HIT1..HIT5: royal flush .. flush
};

// A platform for play without a window: silent, pictures always load, draws come from a seeded
// generator, and every box is answered Yes after the outcome on the table has been noted. With
// stopAtEnd the first end-of-game box throws GameOver instead, leaving the table as it stood.
class HeadlessPlatform : public Platform {
public:
    struct GameOver {
        GameOutcome outcome;
    };

    explicit HeadlessPlatform(std::uint64_t seed = 1) : generator(seed) {}

    void watch(Form1& form) { form_ = &form; }

    void playSound(const std::string&) override {}
    void loadPicture(const std::string&) override {}
    Answer showMessage(const MessageBox& box) override;
    void reseedRandom() override {}
    float nextRandom() override { return generator.nextFloat(); }

    Xoshiro128 generator;
    bool stopAtEnd = false;
    int gamesEnded = 0;
    GameOutcome lastOutcome;

private:
    Form1* form_ = nullptr;
};

} // namespace nablo

#pragma once

#include "deck/random.h"
#include "table/platform.h"

namespace nablo {

// The browser's services for the game, through the page script: Web Audio, the pictures the
// page preloaded, modal HTML dialogs (the game waits for the answer while the browser runs on)
// and the clock-seeded random source of the desktop.
class WebPlatform : public Platform {
public:
    void playSound(const std::string& path) override;
    void loadPicture(const std::string& path) override;
    Answer showMessage(const MessageBox& box) override;
    // Tells the page, before the box opens (the run has told its session first).
    void gameEnded(const GameOutcome& outcome) override;
    void reseedRandom() override { random_.reseed(); }
    float nextRandom() override { return random_.next(); }

private:
    ClockRandom random_;
};

} // namespace nablo

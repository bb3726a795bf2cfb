#pragma once

#include "deck/random.h"
#include "table/platform.h"

#include <functional>

namespace nablo {

// The browser's services for the game, through the page script: Web Audio, the pictures the
// page preloaded, modal HTML dialogs (the game waits for the answer while the browser runs on)
// and the clock-seeded random source of the desktop.
class WebPlatform : public Platform {
public:
    void playSound(const std::string& path) override;
    void loadPicture(const std::string& path) override;
    Answer showMessage(const MessageBox& box) override;
    // Tells the hook (the play session) the outcome, then the page, before the box opens.
    void gameEnded(const GameOutcome& outcome) override;
    void setGameEndedHook(std::function<void(const GameOutcome&)> hook) { hook_ = std::move(hook); }
    void reseedRandom() override { random_.reseed(); }
    float nextRandom() override { return random_.next(); }

private:
    ClockRandom random_;
    std::function<void(const GameOutcome&)> hook_;
};

} // namespace nablo

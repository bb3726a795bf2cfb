#pragma once

#include "deck/random.h"
#include "table/platform.h"

#include <deque>
#include <functional>
#include <iosfwd>

namespace nablo::console {

// A platform that writes every sound, picture and message box as a JSON line, answers boxes from
// a queue (the default button when it is empty) and takes random values from a queue, then
// from a seeded generator. Pictures are never read from disk.
class ConsolePlatform : public Platform {
public:
    explicit ConsolePlatform(std::ostream& out) : out_(out) {}

    void queueRandom(float value) { randoms_.push_back(value); }
    void queueAnswer(Answer answer) { answers_.push_back(answer); }
    void seed(std::uint64_t seed) { generator_.seed64(seed); }

    void playSound(const std::string& path) override;
    void loadPicture(const std::string& path) override;
    void pictureChanged(const Control& control) override;
    void gameEnded(const GameOutcome& outcome) override;
    Answer showMessage(const MessageBox& box) override;
    void reseedRandom() override {}
    float nextRandom() override;

private:
    std::ostream& out_;
    std::deque<float> randoms_;
    std::deque<Answer> answers_;
    Xoshiro128 generator_{1};
};

} // namespace nablo::console

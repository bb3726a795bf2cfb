#pragma once

#include "deck/random.h"
#include "table/control.h"
#include "table/platform.h"

#include <deque>
#include <string>
#include <vector>

namespace nablo::testing {

// A platform double: records sounds, pictures and boxes in the order they happen, answers boxes
// from a queue (the default button when it is empty) and returns queued random values, then
// values of a seeded generator.
class RecordingPlatform : public Platform {
public:
    std::vector<std::string>
        events; // "sound wav\bet.wav", "picture CARD1 cards\d1.jpg", "box TITLE"
    std::vector<std::string> sounds;
    std::vector<MessageBox> boxes;
    std::vector<GameOutcome> outcomes;
    std::deque<float> randoms;
    std::deque<Answer> answers;
    std::vector<std::string> missingPictures; // loading these fails
    Xoshiro128 generator{1};
    long long attempts = 0;

    void playSound(const std::string& path) override
    {
        sounds.push_back(path);
        events.push_back("sound " + path);
    }
    void loadPicture(const std::string& path) override;
    void pictureChanged(const Control& control) override
    {
        events.push_back("picture " + std::string(control.name()) + " " + control.picture());
    }
    void gameEnded(const GameOutcome& outcome) override { outcomes.push_back(outcome); }
    Answer showMessage(const MessageBox& box) override
    {
        boxes.push_back(box);
        events.push_back("box " + box.title);
        Answer answer = box.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::OK;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        return answer;
    }
    void reseedRandom() override { ++attempts; }
    float nextRandom() override
    {
        if (randoms.empty())
            return generator.nextFloat();
        const float r = randoms.front();
        randoms.pop_front();
        return r;
    }

    // Queues the value whose draw attempt gives RNDNUM n (0..100).
    void queueNumber(int n)
    {
        randoms.push_back(n == 100 ? 0.996f : static_cast<float>(n) / 100.0f);
    }
    // Queues the value that draws card code 1..52 (when it is still undrawn).
    void queueCode(int code) { queueNumber(code - 1); }
    void clear()
    {
        events.clear();
        sounds.clear();
        boxes.clear();
    }
};

} // namespace nablo::testing

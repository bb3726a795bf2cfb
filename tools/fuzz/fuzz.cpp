// Coverage-guided fuzzing of the game: the input is a sequence of clicks, box answers and random
// values for the draw, fed to the core as a player and the machine would. After every event the
// table's invariants must hold, and every game must leave the credits it found, less the stake,
// plus the pay it was told it paid.

#include "deck/random.h"
#include "game/events.h"
#include "game/invariants.h"
#include "game/reset.h"
#include "table/errors.h"
#include "table/form.h"
#include "table/numbers.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace nablo;

[[noreturn]] void fault(const std::string& what)
{
    std::fprintf(stderr, "fault: %s\n", what.c_str());
    std::abort();
}

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return position_ >= size_; }
    std::uint8_t byte() { return position_ < size_ ? data_[position_++] : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

class FuzzPlatform : public Platform {
public:
    explicit FuzzPlatform(Input& input) : input_(input) {}

    void playSound(const std::string&) override {}
    void loadPicture(const std::string&) override {}
    void gameEnded(const GameOutcome& outcome) override
    {
        lastPay = outcome.pay;
        ++gamesEnded;
    }

    Answer showMessage(const MessageBox& box) override
    {
        const Answer answer =
            (nextAnswerNo_ && box.buttons == MessageButtons::YesNo)
                ? Answer::No
                : (box.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::OK);
        nextAnswerNo_ = false;
        return answer;
    }

    void reseedRandom() override {}
    float nextRandom() override
    {
        // Draws take their values from the input while it lasts, then from a fixed generator.
        if (!input_.empty() && (input_.byte() & 1)) {
            const std::uint32_t bits = (std::uint32_t(input_.byte()) << 16)
                                       | (std::uint32_t(input_.byte()) << 8) | input_.byte();
            return static_cast<float>(bits) * 0x1.0p-24f;
        }
        return generator_.nextFloat();
    }

    void answerNoNext() { nextAnswerNo_ = true; }

    int gamesEnded = 0;
    std::int32_t lastPay = 0;

private:
    Input& input_;
    Xoshiro128 generator_{1};
    bool nextAnswerNo_ = false;
};

void checkInvariants(Form1& form)
{
    const auto broken = invariantViolations(form);
    if (!broken.empty())
        fault(broken.front());
}

constexpr const char* clickable[] = {"BET",   "RepertBet", "START", "CARD1",
                                     "CARD2", "CARD3",     "CARD4", "CARD5"};

// One click. When it ended a game, the credits must be those of the last reset, less the stake,
// plus the pay; they are then the baseline of the next game. Returns false when the program ended.
bool clickAndSettle(Form1& form, FuzzPlatform& platform, const char* name, double& creditsAtReset)
{
    const double stake = readNumber(form.CPAY(1)) / 10000;
    const int ended = platform.gamesEnded;
    bool programGoesOn = true;
    try {
        click(form, name);
    } catch (const ProgramEnd&) {
        programGoesOn = false; // the player said No, or the credits ran out
    }
    if (platform.gamesEnded != ended) {
        const double credits = readNumber(form.COINS());
        const double expected = creditsAtReset - stake + platform.lastPay;
        if (credits != expected)
            fault("credits " + numberText(credits) + " after a game, expected "
                  + numberText(expected));
        creditsAtReset = credits;
    }
    return programGoesOn;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input input(data, size);
    FuzzPlatform platform(input);
    Form1 form(platform);
    try {
        Form_Load(form);
        double creditsAtReset = readNumber(form.COINS());
        checkInvariants(form);
        for (int events = 0; !input.empty() && events < 4000; ++events) {
            const std::uint8_t op = input.byte();
            if (op >= 0xF0) {
                platform.answerNoNext();
                continue;
            }
            if (!clickAndSettle(form, platform, clickable[op % 8], creditsAtReset))
                break;
            checkInvariants(form);
        }
    } catch (const RunTimeError& e) {
        fault(std::string("run-time error: ") + e.what());
    }
    return 0;
}

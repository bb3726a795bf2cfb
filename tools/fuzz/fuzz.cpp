// Coverage-guided fuzzing of the game: the input is a sequence of clicks, box answers and random
// values for the draw, fed to the core as a player and the machine would. After every event the
// table's invariants must hold, and every game must leave the credits it found, less the stake,
// plus the pay its box showed.

#include "deck/random.h"
#include "game/events.h"
#include "game/invariants.h"
#include "game/reset.h"
#include "table/errors.h"
#include "table/form.h"
#include "table/numbers.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstddef>
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

    void watch(Form1& form)
    {
        form_ = &form;
        creditsAtReset_ = readNumber(form.COINS());
    }

    void playSound(const std::string&) override {}
    void loadPicture(const std::string&) override {}

    Answer showMessage(const MessageBox& box) override
    {
        // Every game ends with one box that shows its pay; the out-of-credits ending adds a
        // second box without one.
        if (box.text.find("クレジットの支払い") != std::string::npos) {
            const double stake = readNumber(form_->CPAY(1)) / 10000;
            const double credits = readNumber(form_->COINS());
            const double expected = creditsAtReset_ - stake + form_->PAY;
            if (credits != expected)
                fault("credits " + numberText(credits) + " after a game, expected "
                      + numberText(expected));
        }
        const Answer answer = (nextAnswerNo_ && box.buttons == MessageButtons::YesNo)
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
    void tableReset() { creditsAtReset_ = readNumber(form_->COINS()); }

private:
    Input& input_;
    Form1* form_ = nullptr;
    Xoshiro128 generator_{1};
    double creditsAtReset_ = 0;
    bool nextAnswerNo_ = false;
};

void checkInvariants(Form1& form)
{
    const auto broken = invariantViolations(form);
    if (!broken.empty())
        fault(broken.front());
}

constexpr const char* clickable[] = {"BET", "RepertBet", "START", "CARD1", "CARD2", "CARD3", "CARD4", "CARD5"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input input(data, size);
    FuzzPlatform platform(input);
    Form1 form(platform);
    try {
        Form_Load(form);
        platform.watch(form);
        checkInvariants(form);
        for (int events = 0; !input.empty() && events < 4000; ++events) {
            const std::uint8_t op = input.byte();
            if (op >= 0xF0) {
                platform.answerNoNext();
                continue;
            }
            const bool wasInPlay = form.CARD(1).enabled();
            click(form, clickable[op % 8]);
            checkInvariants(form);
            if (wasInPlay && !form.CARD(1).enabled())
                platform.tableReset(); // the game ended and the table was reset
        }
    } catch (const ProgramEnd&) {
        // The player said No, or the credits ran out: the program ends cleanly.
    } catch (const RunTimeError& e) {
        fault(std::string("run-time error: ") + e.what());
    }
    return 0;
}

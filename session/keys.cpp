#include "session/keys.h"

#include "session/words.h"

#include <array>

namespace nablo {

namespace {

std::string word(const char* text) { return say("KeyTable", text); }

Press command(Command what) { return {what, ButtonRole::Slot, 0}; }

Press clickOf(ButtonRole role, bool enabled)
{
    return enabled ? Press{Command::Click, role, 0} : Press{};
}

} // namespace

Press decideSlotClick(int slot, const KeyContext& context)
{
    if (!context.idle || !context.enabled.cards || slot < 1 || slot > 5)
        return {};
    if (context.inPlay && !context.playable[slot])
        return {Command::Refused, ButtonRole::Slot, slot};
    return {Command::Click, ButtonRole::Slot, slot};
}

Press decideKey(Key key, const KeyContext& context)
{
    if (!context.idle)
        return {};
    switch (key) {
    case Key::Slot1:
    case Key::Slot2:
    case Key::Slot3:
    case Key::Slot4:
    case Key::Slot5: return decideSlotClick(static_cast<int>(key) + 1, context);
    case Key::Enter:
        if (context.focusedSlot != 0)
            return decideSlotClick(context.focusedSlot, context);
        return clickOf(ButtonRole::Start, context.enabled.start);
    case Key::Space:
        // Elsewhere the toolkit presses the button with the focus itself.
        return context.focusedSlot != 0 ? decideSlotClick(context.focusedSlot, context) : Press{};
    case Key::B: return clickOf(ButtonRole::Bet, context.enabled.bet);
    case Key::X: return clickOf(ButtonRole::BetTen, context.enabled.betTen);
    case Key::S: return clickOf(ButtonRole::Start, context.enabled.start);
    case Key::H: return context.inPlay ? command(Command::Advice) : Press{};
    case Key::D: return context.inPlay || context.demoRunning ? command(Command::Demo) : Press{};
    case Key::M: return command(Command::Sound);
    case Key::T: return command(Command::Trainer);
    case Key::F1: return command(Command::Help);
    case Key::F2: return command(Command::Statistics);
    }
    return {};
}

std::vector<HelpLine> helpLines()
{
    return {
        {{"1", "5"}, true, word(NABLO_WORD("KeyTable", "place the card of that slot"))},
        {{"B"}, false, word(NABLO_WORD("KeyTable", "bet one credit (BET)"))},
        {{"X"}, false, word(NABLO_WORD("KeyTable", "stake up to ten credits and start (BETx10)"))},
        {{"S", "Enter"}, false, word(NABLO_WORD("KeyTable", "start the game (START)"))},
        {{"H"},
         false,
         word(NABLO_WORD("KeyTable", "advice: each playable card shows what it is expected to "
                                     "pay if you follow the advice from then on, and the best "
                                     "slot is outlined, until the next click"))},
        {{"D"},
         false,
         word(NABLO_WORD("KeyTable", "demo: the advisor places the cards of this game; D again, "
                                     "any other key or any click stops it"))},
        {{"M"},
         false,
         word(NABLO_WORD("KeyTable", "sound off and on; the title says when it is off"))},
        {{"T"},
         false,
         word(NABLO_WORD("KeyTable", "trainer on and off: after a placement, tells when another "
                                     "card was clearly better, and by how much"))},
        {{"F2"},
         false,
         word(NABLO_WORD("KeyTable", "statistics of this run, with a chart of the credits"))},
        {{"Tab", "Space"},
         false,
         word(NABLO_WORD("KeyTable", "move between the buttons, press the one with the focus; "
                                     "Enter or Space on a card slot places its card"))},
        {{"F1"}, false, word(NABLO_WORD("KeyTable", "these keys"))},
    };
}

std::string helpHeading() { return word(NABLO_WORD("KeyTable", "Keys")); }

std::vector<std::string> helpNotes()
{
    return {word(NABLO_WORD("KeyTable", "In a question box, Enter or Y answers Yes and N No; only "
                                        "an answer closes it.")),
            word(NABLO_WORD("KeyTable", "How to play: stake with BET, then press START. Place a "
                                        "slot card on the pile when it has the pile card's suit or "
                                        "rank; the more cards you place, the higher the pay, and "
                                        "poker hands among the five slot cards pay a bonus."))};
}

} // namespace nablo

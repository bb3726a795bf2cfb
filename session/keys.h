#pragma once

#include "table/slotcontrols.h"

#include <string>
#include <vector>

namespace nablo {

// The keys the game knows, by the name both faces give them.
enum class Key { Slot1, Slot2, Slot3, Slot4, Slot5, B, X, S, Enter, Space, H, D, M, T, F1, F2 };

// What a press asks for. The face does the click, opens its own boxes and draws; the session
// does the rest.
enum class Command {
    Nothing, // the key has no use now
    Click,   // a click on the button of Press::role (and Press::slot)
    Refused, // a press on a slot whose card cannot go on the pile now
    Advice,
    Demo,
    Sound,
    Trainer,
    Help,
    Statistics,
};

struct Press {
    Command command = Command::Nothing;
    ButtonRole role = ButtonRole::Slot; // the button a Click or Refused is about
    int slot = 0;                       // its slot, 0 for the other buttons
};

// The buttons that take clicks now.
struct EnabledButtons {
    bool bet = false;
    bool betTen = false;
    bool start = false;
    bool cards = false; // the card slots
};

// What the face knows of the moment of the press.
struct KeyContext {
    bool idle = false;   // no event runs, no box is open, the program has not ended
    bool inPlay = false; // a game waits for a placement
    bool demoRunning = false;
    int focusedSlot = 0; // the card slot with the keyboard focus, 0 for none
    EnabledButtons enabled;
    bool playable[6] = {}; // by slot 1..5: a click places its card now
};

// What a key does now. Enter and Space on a focused card slot place that slot's card; Enter is
// START only when no slot has the focus.
Press decideKey(Key key, const KeyContext& context);

// What a click on a card slot does now: a slot whose card cannot be placed is refused.
Press decideSlotClick(int slot, const KeyContext& context);

// One line of the help: the keys, by their names, and what they do. A range ("1 .. 5") joins
// its first and last key with " .. ", other keys are listed with ", ".
struct HelpLine {
    std::vector<std::string> keys;
    bool range = false;
    std::string text;
};

// Every line of the help, in the player's language, in the order it lists them.
std::vector<HelpLine> helpLines();
// The help's heading, and what it says below the keys: the question boxes, and how to play.
std::string helpHeading();
std::vector<std::string> helpNotes();

} // namespace nablo

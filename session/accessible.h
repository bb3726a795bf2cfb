#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace nablo {

class Control;
class Form1;

// The spoken name of a card code 1..52, "queen of hearts"; empty for any other code.
std::string cardName(int code);

// What a screen reader says when a slot that cannot be played now is pressed.
std::string notSelectableWord();

// A control in words, for screen readers: the name says what the control is ("Credits",
// "Card slot 3"), the value what it shows now ("97", "queen of hearts, selectable"). Controls
// that never change have an empty value. A hidden control is left out for a reader: it is a
// part of the card board, which one of its controls speaks for as a whole.
struct AccessibleText {
    std::string name;
    std::string value;
    bool hidden = false;
};

// The words for each control of a form. What each control is (a slot, a row, a card of the
// board) is worked out once; what it shows is read from the form at every call.
class AccessibleTexts {
public:
    explicit AccessibleTexts(const Form1& form);

    // The words for the control at that index of form.controls().
    AccessibleText text(std::size_t index) const;

private:
    enum class Role {
        Heading,
        Credits,
        CardsPlaced,
        Bet,
        BetTen,
        Start,
        Pile,
        CardSlot,
        SlotMark,
        TierRow,
        TierPay,
        BonusRow,
        BonusPay,
        BonusHits,
        BoardCard,
        BoardSuit,
        BoardRow,
        Board
    };
    // Role and number: the slot, row or card code from 1, or the suit from 0 for the board's
    // suit marks and strips. The board is its first strip.
    struct Place {
        Role role = Role::Heading;
        int number = 0;
    };

    void placeNumbered(const Control& (Form1::*numbered)(int) const, int count, Role role);
    AccessibleText cardSlot(int slot) const;
    AccessibleText tierRow(int row) const;
    AccessibleText bonusRow(int row) const;
    AccessibleText numbered(Role role, int k, const Control& control) const;

    const Form1& form_;
    std::vector<Place> places_;
};

} // namespace nablo

#pragma once

#include <string>

namespace nablo {

class Control;
class Form1;

// What a screen reader says for a control: its name and, for what changes, its value. The same
// words as the desktop window's.
struct AccessibleText {
    std::string name;
    std::string value;
};

AccessibleText accessibleText(const Form1& form, const Control& control);

// "queen of hearts" for a card code 1..52, "" for any other.
std::string cardName(int code);

} // namespace nablo

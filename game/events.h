#pragma once

#include <string_view>

namespace nablo {

class Form1;

// The click handler of a control (BET, RepertBet, START, CARD1..CARD5), or nullptr for a
// control that has none.
using ClickHandler = void (*)(Form1&);
ClickHandler clickHandler(std::string_view name);

// A user's click: runs the control's handler unless the control is disabled. Returns whether a
// handler ran.
bool click(Form1& form, std::string_view name);

} // namespace nablo

#pragma once

#include <array>

namespace nablo {

class Control;
class Form1;

// The two looks of a pay-table row: normal (name blue, amount red with white text) and lit
// (name red, amount white with red text). Each colours the name background, then the amount
// background, then the amount text.
void showRowNormal(Control& name, Control& amount);
void showRowLit(Control& name, Control& amount);

bool isRowLit(const Control& name, const Control& amount);

// The lit row of the card-count table, 1..7 (the highest when several are), 0 for none.
int litTierRow(const Form1& form);

// Which bonus rows are lit, royal flush .. flush.
std::array<bool, 5> litBonusRows(const Form1& form);

} // namespace nablo

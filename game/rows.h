#pragma once

namespace nablo {

class Control;

// The two looks of a pay-table row: normal (name blue, amount red with white text) and lit
// (name red, amount white with red text). Each colours the name background, then the amount
// background, then the amount text.
void showRowNormal(Control& name, Control& amount);
void showRowLit(Control& name, Control& amount);

} // namespace nablo

#pragma once

namespace nablo {

class Form1;

// Closes the stakes and deals five cards; does nothing at all while nothing is staked.
void START_Click(Form1& form);

} // namespace nablo

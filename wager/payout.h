#pragma once

namespace nablo {

class Form1;

// Pays a finished game: the tier amount by the cards placed, plus each bonus amount times its
// hits, left in PAY and added to COINS.
void PAYOUT(Form1& form);

} // namespace nablo
